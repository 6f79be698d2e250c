// Runs one repair through the engine's only entry and collects what it says.
#pragma once

#include "TargetPlan.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace meshwright {

// Set from the SIGINT/SIGTERM handler; the engine's abort question reads it.
extern std::atomic<bool> g_stopRequested;
void InstallStopHandlers();

// Told about the job as it runs, on the calling thread.
class JobObserver {
public:
    virtual ~JobObserver() = default;
    virtual void OnProgress(unsigned percent) = 0;
    virtual void OnLog(const std::string& line) = 0;
    virtual void OnError(const std::string& text) = 0;
    virtual void OnMessage(const std::string& text) = 0;
    virtual void OnTick() = 0;  // now and then during the scan, for the elapsed time
};

struct JobOutcome {
    std::int32_t engineResult = 0;
    std::uint32_t facetsWritten = 0;
    bool stoppedByRequest = false;  // the engine was told to stop
    bool targetMissing = false;     // no target file after the job
    std::vector<std::string> errors;
    std::vector<std::string> messages;
    std::vector<std::string> log;
    double seconds = 0;
};

struct JobSettings {
    std::u16string precision;
    std::uint16_t langId;
    bool salvage = false;
};

JobOutcome RunRepair(const PlannedJob& job, const JobSettings& settings, JobObserver& observer);

}  // namespace meshwright
