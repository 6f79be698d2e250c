// What a person or a script sees of a repair run: progress and engine texts on
// standard error, results on standard output (a line per file, or JSON).
#pragma once

#include "JobRunner.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace meshwright {

enum class JobResult { Repaired, NoFacets, Failed, Interrupted };

JobResult ResultOf(const JobOutcome& outcome);
const char* ResultName(JobResult result);  // the JSON spelling

struct ReportSettings {
    bool quiet = false;
    bool json = false;
    bool terminal = false;  // standard error is a terminal: draw a bar
    const char* mode = "strict";  // "strict" or "salvage", for the JSON objects
};

class Reporter : public JobObserver {
public:
    Reporter(ReportSettings settings, std::FILE* out, std::FILE* err);

    // Shown once (not with --quiet) and repeated in every JSON object.
    void Warning(const std::string& text);
    void Error(const std::string& text);    // always

    void BeginJob(const PlannedJob& job, std::size_t index, std::size_t count);
    // notes: the program's own findings about this job (a target that was not made).
    void EndJob(const PlannedJob& job, const JobOutcome& outcome, const std::vector<std::string>& notes);

    void OnProgress(unsigned percent) override;
    void OnLog(const std::string& line) override;
    void OnError(const std::string& text) override;
    void OnMessage(const std::string& text) override;
    void OnTick() override;

private:
    void DrawBar(bool force);
    void ClearBar();
    void PrintLines(const std::string& prefix, const std::string& text);

    ReportSettings m_settings;
    std::FILE* m_out;
    std::FILE* m_err;
    std::string m_name;
    unsigned m_percent = 0;
    unsigned m_lastPlainStep = 0;
    std::string m_lastLog;
    std::string m_lastError;
    std::vector<std::string> m_runWarnings;
    bool m_barShown = false;
    unsigned m_width = 80;
    std::chrono::steady_clock::time_point m_started;
    std::chrono::steady_clock::time_point m_lastDraw;
};

}  // namespace meshwright
