#include "repair/TarqMainThread.h"

#include <QCoreApplication>

TTarqMainThread::TTarqMainThread(TRepairHost* MainForm, const QString& SrcFile, const QString& DstFile)
    : FMainForm(MainForm), FSrcFile(SrcFile), FDstFile(DstFile)
{
    if (FMainForm)
        FMainForm->GetRepairOptionsStruct(&FOptionsStruct);
    FSuccessful = false;
}

TTarqMainThread::~TTarqMainThread()
{
    // Freeing a running worker would pull its strings from under the engine.
    if (isRunning()) {
        Terminate();
        wait();
    }
}

void TTarqMainThread::run()
{
    try {
        Execute();
    } catch (...) {
        // The job counts as failed; nothing may escape the thread.
    }
    FExecuted.store(true);
    // Wakes a waiting user-interface thread: posted after the flag is set, so
    // the waiter always sees the flag once it wakes.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] {}, Qt::QueuedConnection);
}

void TTarqMainThread::Execute()
{
    FSuccessful = CallEngine(FSrcFile, FDstFile, &FOptionsStruct) != 0;
}
