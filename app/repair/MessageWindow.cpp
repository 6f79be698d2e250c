#include "repair/MessageWindow.h"

#include <QThread>

TMessageWindow::TMessageWindow(TWindowProc WindowProc, QObject* parent)
    : QObject(parent), FWindowProc(std::move(WindowProc))
{
    setObjectName(QStringLiteral("FHFormWnd"));
}

intptr_t TMessageWindow::Dispatch(uint32_t Msg, uintptr_t WParam, intptr_t LParam)
{
    return FWindowProc ? FWindowProc(Msg, WParam, LParam) : 0;
}

intptr_t TMessageWindow::SendMessage(uint32_t Msg, uintptr_t WParam, intptr_t LParam)
{
    if (QThread::currentThread() == thread())
        return Dispatch(Msg, WParam, LParam);
    intptr_t result = 0;
    QMetaObject::invokeMethod(
        this, [&] { result = Dispatch(Msg, WParam, LParam); }, Qt::BlockingQueuedConnection);
    return result;
}

TMessageWindow* AllocateHWnd(TMessageWindow::TWindowProc WindowProc)
{
    return new TMessageWindow(std::move(WindowProc));
}

void DeallocateHWnd(TMessageWindow* Wnd)
{
    delete Wnd;
}
