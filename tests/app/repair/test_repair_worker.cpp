// The engine binding, the worker thread, its callback and the hidden message
// window, with a recording entry in place of the engine and with the engine itself.
#include "repair/MainThread.h"
#include "repair/MessageWindow.h"
#include "repair/Zarnik.h"

#include "../mainwindow/stl_fixture.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <vector>

namespace {

// What the recording entry saw of the last block.
struct TSeenBlock {
    unsigned char Raw[sizeof(RepairJob)];
    RepairJob Job;
};
TSeenBlock g_Seen;
int32_t g_EntryResult = 1;

int32_t RecordingEntry(const void* block)
{
    std::memcpy(g_Seen.Raw, block, sizeof(RepairJob));
    unsigned char plain[sizeof(RepairJob)];
    for (size_t i = 0; i < sizeof plain; ++i)
        plain[i] = g_Seen.Raw[i] ^ static_cast<unsigned char>(RepairJobKey);
    std::memcpy(&g_Seen.Job, plain, sizeof plain);
    return g_EntryResult;
}

class TEntryOverride {
public:
    explicit TEntryOverride(TRunRepairJobEntry entry) : FPrevious(SetRunRepairJobEntry(entry)) {}
    ~TEntryOverride() { SetRunRepairJobEntry(FPrevious); }

private:
    TRunRepairJobEntry FPrevious;
};

int32_t DummyCallback(uint32_t, uintptr_t, void*)
{
    return 0;
}

// One engine message as the host window received it.
struct TReceived {
    uint32_t Msg = 0;
    QString Text;       // for the text messages
    int Value = -1;     // percent or facet count
    bool OnOwnerThread = false;
};

// A host with a hidden window that records every message it gets.
class TRecordingHost : public TRepairHost {
public:
    TRecordingHost()
        : FWindow([this](uint32_t msg, uintptr_t wParam, intptr_t) {
              TReceived r;
              r.Msg = msg;
              r.OnOwnerThread = QThread::currentThread() == FWindow.thread();
              if (msg == EM_PROGRESS)
                  r.Value = *reinterpret_cast<const uint8_t*>(wParam);
              else if (msg == EM_FACET_COUNT)
                  r.Value = static_cast<int>(*reinterpret_cast<const uint32_t*>(wParam));
              else
                  r.Text = QString::fromUtf16(reinterpret_cast<const char16_t*>(wParam));
              Received.push_back(r);
              return intptr_t(0);
          })
    {
    }

    void GetRepairOptionsStruct(TOptionsStruct* lpOptions) override
    {
        ++OptionCalls;
        OptionsThread = QThread::currentThread();
        lpOptions->Reserved = 0;
        lpOptions->wLangID = LangID;
        lpOptions->lpszEpsilon = reinterpret_cast<const char16_t*>(Epsilon.utf16());
    }
    TMessageWindow* GetHFormWnd() const override { return const_cast<TMessageWindow*>(&FWindow); }

    std::vector<TReceived> Received;
    int OptionCalls = 0;
    QThread* OptionsThread = nullptr;
    uint16_t LangID = 0x0409;
    QString Epsilon = QStringLiteral("1e-6");

private:
    TMessageWindow FWindow;
};

// Runs the worker to its end while handling the messages it sends.
bool RunToEnd(TTarqMainThread& thread, bool terminateFirst = false)
{
    if (terminateFirst)
        thread.Terminate();
    thread.start();
    while (!thread.Executed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    thread.wait();
    return thread.IsSuccessful();
}

TEST(EngineBinding, FillsTheSixFieldsInOrderAndScramblesEveryByte)
{
    const TEntryOverride entry(RecordingEntry);
    const char16_t source[] = u"/tmp/in.stl";
    const char16_t target[] = u"/tmp/out.stl";
    TOptionsStruct options{};
    int context = 0;
    g_EntryResult = 1;

    EXPECT_EQ(EngineRepairFile(source, &options, 0, target, DummyCallback, &context), 1);

    EXPECT_EQ(g_Seen.Job.SourcePath, source);
    EXPECT_EQ(g_Seen.Job.Options, &options);
    EXPECT_EQ(g_Seen.Job.Reserved, 0u);
    EXPECT_EQ(g_Seen.Job.TargetPath, target);
    EXPECT_EQ(g_Seen.Job.Callback, &DummyCallback);
    EXPECT_EQ(g_Seen.Job.Context, &context);
    // The block as handed over is not the plain record: every byte is keyed.
    RepairJob plain{source, &options, 0, target, DummyCallback, &context};
    const auto* plainBytes = reinterpret_cast<const unsigned char*>(&plain);
    for (size_t i = 0; i < sizeof(RepairJob); ++i)
        EXPECT_EQ(g_Seen.Raw[i], plainBytes[i] ^ ZarnikJobKey) << "byte " << i;
}

TEST(EngineBinding, PassesTheEngineResultBack)
{
    const TEntryOverride entry(RecordingEntry);
    TOptionsStruct options{};
    g_EntryResult = 0;
    EXPECT_EQ(EngineRepairFile(u"a", &options, 0, u"b", nullptr, nullptr), 0);
    g_EntryResult = 1;
}

TEST(MainThreadCallback, AnswersTheAbortQuestionFromTheTerminateFlag)
{
    TRecordingHost host;
    TMainThread thread(&host, QStringLiteral("a"), QStringLiteral("b"));
    TTarqMainThread* holder = &thread;
    EXPECT_EQ(MainThreadCallback(EM_QUERY_ABORT, 0, &holder), 0);
    thread.Terminate();
    EXPECT_EQ(MainThreadCallback(EM_QUERY_ABORT, 0, &holder), -1);
    thread.Terminate();
    EXPECT_EQ(MainThreadCallback(EM_QUERY_ABORT, 0, &holder), -1);
    // The question never reaches the window.
    EXPECT_TRUE(host.Received.empty());
}

TEST(MainThreadCallback, WithoutAWindowOwnerMessagesGoNowhere)
{
    TMainThread thread(nullptr, QStringLiteral("a"), QStringLiteral("b"));
    TTarqMainThread* holder = &thread;
    const char16_t text[] = u"line";
    EXPECT_EQ(MainThreadCallback(EM_LOG, reinterpret_cast<uintptr_t>(text), &holder), 0);
    EXPECT_EQ(MainThreadCallback(EM_QUERY_ABORT, 0, &holder), 0);
}

TEST(TarqMainThread, TakesTheOptionsOnceWhenCreatedOnTheCreatingThread)
{
    TRecordingHost host;
    host.LangID = 0x0407;
    host.Epsilon = QStringLiteral("2.5e-4");
    TMainThread thread(&host, QStringLiteral("/x/src.stl"), QStringLiteral("/x/dst.stl"));
    EXPECT_EQ(host.OptionCalls, 1);
    EXPECT_EQ(host.OptionsThread, QThread::currentThread());
    EXPECT_EQ(thread.OptionsStruct().wLangID, 0x0407);
    EXPECT_EQ(thread.OptionsStruct().lpszTempDirStr, nullptr);
    EXPECT_EQ(QString::fromUtf16(thread.OptionsStruct().lpszEpsilon), QStringLiteral("2.5e-4"));
    EXPECT_FALSE(thread.IsSuccessful());
}

TEST(MessageWindow, ACallFromAnotherThreadIsHandledOnTheOwnerThreadBeforeItReturns)
{
    QThread* handledOn = nullptr;
    std::atomic<bool> handled{false};
    TMessageWindow window([&](uint32_t msg, uintptr_t wParam, intptr_t) {
        handledOn = QThread::currentThread();
        handled = true;
        return intptr_t(msg + wParam);
    });
    std::atomic<intptr_t> result{0};
    std::atomic<bool> handledWhenReturned{false};
    std::atomic<bool> done{false};
    std::unique_ptr<QThread> sender(QThread::create([&] {
        result = window.SendMessage(1000, 24, 0);
        handledWhenReturned = handled.load();
        done = true;
    }));
    sender->start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    sender->wait();
    EXPECT_EQ(result.load(), 1024);
    EXPECT_TRUE(handledWhenReturned.load());
    EXPECT_EQ(handledOn, QThread::currentThread());
}

class RealEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        SetRunRepairJobEntry(nullptr);
    }
    QString File(const QString& name) const { return FDir.filePath(name); }

    QTemporaryDir FDir;
};

TEST_F(RealEngine, ARepairReportsEveryMessageInOrderOnTheWindowThread)
{
    const QString src = File(QStringLiteral("model.stl"));
    const QString dst = File(QStringLiteral("model_fixed.stl"));
    ASSERT_TRUE(stlfixture::WriteBytes(src, stlfixture::DamagedStl(40)));
    TRecordingHost host;
    TMainThread thread(&host, src, dst);

    EXPECT_TRUE(RunToEnd(thread));

    ASSERT_GE(host.Received.size(), 5u);
    for (const TReceived& r : host.Received) {
        EXPECT_TRUE(r.OnOwnerThread);
        EXPECT_NE(r.Msg, static_cast<uint32_t>(EM_QUERY_ABORT));
    }
    EXPECT_EQ(host.Received.front().Msg, static_cast<uint32_t>(EM_PROGRESS));
    EXPECT_EQ(host.Received.front().Value, 0);
    EXPECT_EQ(host.Received[1].Msg, static_cast<uint32_t>(EM_SOURCE_FILE));
    EXPECT_EQ(host.Received[1].Text, src);
    // The count closes every job; the percent has reached 100 by then.
    EXPECT_EQ(host.Received.back().Msg, static_cast<uint32_t>(EM_FACET_COUNT));
    EXPECT_EQ(host.Received.back().Value, 40);
    int lastPercent = -1;
    for (const TReceived& r : host.Received)
        if (r.Msg == EM_PROGRESS) {
            EXPECT_GT(r.Value, lastPercent);
            lastPercent = r.Value;
        }
    EXPECT_EQ(lastPercent, 100);
    bool finalLine = false;
    for (const TReceived& r : host.Received)
        finalLine = finalLine || (r.Msg == EM_LOG && r.Text == QStringLiteral("Final data processing."));
    EXPECT_TRUE(finalLine);
    QFile fixed(dst);
    ASSERT_TRUE(fixed.open(QIODevice::ReadOnly));
    EXPECT_EQ(fixed.size(), 84 + 40 * 50);
}

TEST_F(RealEngine, AWorkerToldToTerminateBeforeItsScanWritesNoFacet)
{
    const QString src = File(QStringLiteral("model.stl"));
    const QString dst = File(QStringLiteral("out.stl"));
    ASSERT_TRUE(stlfixture::WriteBytes(src, stlfixture::DamagedStl(200)));
    TRecordingHost host;
    TMainThread thread(&host, src, dst);

    EXPECT_FALSE(RunToEnd(thread, /*terminateFirst=*/true));
    int counts = 0;
    for (const TReceived& r : host.Received)
        if (r.Msg == EM_FACET_COUNT) {
            ++counts;
            EXPECT_EQ(r.Value, 0);
        }
    EXPECT_EQ(counts, 1);
}

TEST_F(RealEngine, AnUnreadableSourceFailsWithTheEngineMessages)
{
    TRecordingHost host;
    TMainThread thread(&host, File(QStringLiteral("missing.stl")), File(QStringLiteral("out.stl")));
    EXPECT_FALSE(RunToEnd(thread));
    bool countZero = false;
    for (const TReceived& r : host.Received)
        countZero = countZero || (r.Msg == EM_FACET_COUNT && r.Value == 0);
    EXPECT_TRUE(countZero);
}

TEST_F(RealEngine, AWorkerWithoutAWindowOwnerStillRuns)
{
    const QString src = File(QStringLiteral("model.stl"));
    ASSERT_TRUE(stlfixture::WriteBytes(src, stlfixture::DamagedStl(5)));
    TMainThread thread(nullptr, src, File(QStringLiteral("out.stl")));
    // Without options the engine takes its default precision.
    EXPECT_TRUE(RunToEnd(thread));
}

} // namespace
