#include "repair/MainThread.h"

#include "repair/MessageWindow.h"
#include "repair/Zarnik.h"

int32_t TMainThread::CallEngine(const QString& SrcFile, const QString& DstFile, TOptionsStruct* Options)
{
    // The engine gets the address of this variable; it outlives the call.
    TTarqMainThread* thread = this;
    return EngineRepairFile(reinterpret_cast<const char16_t*>(SrcFile.utf16()), Options, 0,
                            reinterpret_cast<const char16_t*>(DstFile.utf16()), MainThreadCallback, &thread);
}

int32_t MainThreadCallback(uint32_t Msg, uintptr_t Value, void* Context)
{
    if (!Context)
        return 0;
    TTarqMainThread* thread = *static_cast<TTarqMainThread* const*>(Context);
    if (!thread)
        return 0;
    if (Msg == EM_QUERY_ABORT)
        return thread->Terminated() ? -1 : 0;
    if (TRepairHost* host = thread->MainForm()) {
        if (TMessageWindow* wnd = host->GetHFormWnd())
            wnd->SendMessage(Msg, Value, 0);
    }
    return 0;
}
