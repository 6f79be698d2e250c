// The repair worker: one thread per file that makes the blocking engine call
// away from the user-interface thread.
#pragma once

#include <kalvo/kalvo.h>

#include <QString>
#include <QThread>

#include <atomic>
#include <cstdint>

class TMessageWindow;

// What the worker needs of the window that owns the job.
class TRepairHost {
public:
    // Fills the job's options; runs on the user-interface thread when the
    // worker is created.
    virtual void GetRepairOptionsStruct(TOptionsStruct* lpOptions) = 0;
    // The hidden window that receives the engine's messages.
    virtual TMessageWindow* GetHFormWnd() const = 0;

protected:
    ~TRepairHost() = default;
};

class TTarqMainThread : public QThread {
    Q_OBJECT
public:
    // Created suspended: takes the options from MainForm (which may be null)
    // now, on the creating thread; start() runs the job.
    TTarqMainThread(TRepairHost* MainForm, const QString& SrcFile, const QString& DstFile);
    ~TTarqMainThread() override;

    bool IsSuccessful() const { return FSuccessful.load(); }

    // The terminate flag: a request to stop that the engine learns at its next
    // abort question. It never kills the thread.
    void Terminate() { FTerminated.store(true, std::memory_order_relaxed); }
    bool Terminated() const { return FTerminated.load(std::memory_order_relaxed); }

    // True once Execute has returned; the waiting thread is woken right after.
    bool Executed() const { return FExecuted.load(); }

    TRepairHost* MainForm() const { return FMainForm; }
    const QString& SrcFile() const { return FSrcFile; }
    const QString& DstFile() const { return FDstFile; }
    const TOptionsStruct& OptionsStruct() const { return FOptionsStruct; }

protected:
    void run() final;
    virtual void Execute();
    virtual int32_t CallEngine(const QString& SrcFile, const QString& DstFile, TOptionsStruct* Options) = 0;

    TRepairHost* FMainForm;
    QString FSrcFile;
    QString FDstFile;
    TOptionsStruct FOptionsStruct{};
    std::atomic<bool> FSuccessful{false};

private:
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FExecuted{false};
};
