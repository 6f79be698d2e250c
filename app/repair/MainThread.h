// The product's repair worker: runs the job through the engine binding.
#pragma once

#include "repair/TarqMainThread.h"

class TMainThread : public TTarqMainThread {
    Q_OBJECT
public:
    using TTarqMainThread::TTarqMainThread;

protected:
    int32_t CallEngine(const QString& SrcFile, const QString& DstFile, TOptionsStruct* Options) override;
};

// The engine's callback, on the worker thread. Context points at a variable
// holding the worker. The abort question is answered here from the worker's
// terminate flag (-1 to stop, else 0); every other message goes to the host's
// hidden window and the worker waits until it has been handled.
int32_t MainThreadCallback(uint32_t Msg, uintptr_t Value, void* Context);
