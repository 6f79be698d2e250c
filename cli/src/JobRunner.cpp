#include "JobRunner.h"

#include "Utf.h"
#include "kalvo/kalvo.h"

#include <chrono>
#include <csignal>
#include <cstring>

namespace meshwright {

std::atomic<bool> g_stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the stop flag is set from a signal handler");

namespace {

extern "C" void OnStopSignal(int)
{
    g_stopRequested.store(true, std::memory_order_relaxed);
}

struct CallbackContext {
    JobObserver& observer;
    JobOutcome& outcome;
    std::uint32_t questionsSinceTick = 0;
};

std::string TextParam(std::uintptr_t param)
{
    const auto* text = reinterpret_cast<const char16_t*>(param);
    return text ? Utf16ToUtf8(text) : std::string();
}

std::int32_t HandleMessage(std::uint32_t message, std::uintptr_t param, CallbackContext& context)
{
    switch (message) {
    case EM_QUERY_ABORT:
        // Asked before every candidate offset: answer from the flag, and only now
        // and then let the display look at the clock.
        if (++context.questionsSinceTick >= 16384) {
            context.questionsSinceTick = 0;
            context.observer.OnTick();
        }
        if (g_stopRequested.load(std::memory_order_relaxed)) {
            context.outcome.stoppedByRequest = true;
            return 1;
        }
        return 0;
    case EM_PROGRESS:
        if (param)
            context.observer.OnProgress(*reinterpret_cast<const std::uint8_t*>(param));
        return 0;
    case EM_FACET_COUNT:
        if (param)
            context.outcome.facetsWritten = *reinterpret_cast<const std::uint32_t*>(param);
        return 0;
    case EM_LOG: {
        std::string line = TextParam(param);
        context.outcome.log.push_back(line);
        context.observer.OnLog(line);
        return 0;
    }
    case EM_ERROR: {
        std::string text = TextParam(param);
        context.outcome.errors.push_back(text);
        context.observer.OnError(text);
        return 0;
    }
    case EM_SHOW_MESSAGE: {
        std::string text = TextParam(param);
        context.outcome.messages.push_back(text);
        context.observer.OnMessage(text);
        return 0;
    }
    default:  // EM_SOURCE_FILE: the program knows the source already
        return 0;
    }
}

std::int32_t EngineCallbackThunk(std::uint32_t message, std::uintptr_t param, void* context)
{
    // Nothing may unwind into the engine.
    try {
        return HandleMessage(message, param, *static_cast<CallbackContext*>(context));
    } catch (...) {
        return message == EM_QUERY_ABORT ? 1 : 0;
    }
}

}  // namespace

void InstallStopHandlers()
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A reader of our output that goes away must not kill a scan halfway, which
    // would leave a target whose count field still holds 0.
    signal(SIGPIPE, SIG_IGN);
}

JobOutcome RunRepair(const PlannedJob& job, const JobSettings& settings, JobObserver& observer)
{
    JobOutcome outcome;
    CallbackContext context{observer, outcome};

    if (settings.salvage) {
        // The second entry, with its versioned options; it is not scrambled.
        KalvoJobOptions options{};
        options.StructSize = sizeof options;
        options.Version = KALVO_JOB_OPTIONS_VERSION;
        options.Mode = KALVO_MODE_SALVAGE;
        options.wLangID = settings.langId;
        options.lpszEpsilon = settings.precision.c_str();
        const KalvoJobEx request{job.source16.c_str(), &options, job.target16.c_str(), &EngineCallbackThunk, &context};
        const auto started = std::chrono::steady_clock::now();
        outcome.engineResult = RunRepairJobEx(&request);
        outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        return outcome;
    }

    TOptionsStruct options{};
    options.Reserved = 0;
    options.wLangID = settings.langId;
    options.lpszTempDirStr = nullptr;
    options.lpszEpsilon = settings.precision.c_str();

    RepairJob request{};
    request.SourcePath = job.source16.c_str();
    request.Options = &options;
    request.Reserved = 0;
    request.TargetPath = job.target16.c_str();
    request.Callback = &EngineCallbackThunk;
    request.Context = &context;

    unsigned char block[sizeof request];
    std::memcpy(block, &request, sizeof request);
    for (unsigned char& byte : block)
        byte ^= static_cast<unsigned char>(RepairJobKey);

    const auto started = std::chrono::steady_clock::now();
    outcome.engineResult = RunRepairJob(block);
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return outcome;
}

}  // namespace meshwright
