#include "Commands.h"

#include "Display.h"
#include "Inspector.h"
#include "JobRunner.h"
#include "Language.h"
#include "Precision.h"
#include "Reporter.h"
#include "TargetPlan.h"
#include "Utf.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace meshwright {

int RunRepairCommand(const RepairOptions& options)
{
    const std::string precisionText = options.precision.value_or(kDefaultPrecisionText);
    const auto precision16 = Utf8ToUtf16(precisionText);
    if (!precision16) {
        std::fprintf(stderr, "meshwright: the precision text is not valid UTF-8\n");
        return kExitUsage;
    }

    const RepairPlan plan = PlanRepair(options);
    if (!plan.refusals.empty()) {
        for (const std::string& refusal : plan.refusals)
            std::fprintf(stderr, "meshwright: %s\n", refusal.c_str());
        std::fprintf(stderr, "meshwright: nothing was repaired and nothing was changed\n");
        return kExitUsage;
    }

    ReportSettings settings;
    settings.quiet = options.quiet;
    settings.json = options.json;
    settings.mode = options.salvage ? "salvage" : "strict";
    settings.terminal = ::isatty(STDERR_FILENO) != 0;
    Reporter reporter(settings, stdout, stderr);

    if (options.salvage && options.precision)
        reporter.Warning("--precision has no effect with --salvage");
    else if (!ParsePrecision(precisionText))
        reporter.Warning("precision " + Quoted(precisionText) +
                         " is not a usable number (zero, infinite or out of range in single precision, or no "
                         "number at all); the default 1e-6 will be used");

    std::string error;
    if (!CreatePlannedFolders(plan, error)) {
        std::fprintf(stderr, "meshwright: %s\n", error.c_str());
        return kExitUsage;
    }

    InstallStopHandlers();
    const JobSettings jobSettings{*precision16, LangIdFromEnvironment(), options.salvage};
    bool someFailed = false;
    for (std::size_t i = 0; i < plan.jobs.size(); ++i) {
        const PlannedJob& job = plan.jobs[i];
        if (g_stopRequested.load()) {
            reporter.Error("interrupted: " + std::to_string(plan.jobs.size() - i) + " source(s) not started");
            return kExitInterrupted;
        }
        reporter.BeginJob(job, i, plan.jobs.size());
        JobOutcome outcome = RunRepair(job, jobSettings, reporter);

        // The engine says nothing when it cannot open a file; the checks before
        // the run make that rare, but the file system can change in between.
        std::vector<std::string> notes;
        struct stat st;
        if (::stat(job.target.c_str(), &st) != 0) {
            outcome.targetMissing = true;
            notes.push_back("the target " + Quoted(job.target) + " could not be created");
        }
        reporter.EndJob(job, outcome, notes);

        const JobResult result = ResultOf(outcome);
        if (result == JobResult::Interrupted || g_stopRequested.load()) {
            if (i + 1 < plan.jobs.size())
                reporter.Error("interrupted: " + std::to_string(plan.jobs.size() - i - 1) +
                               " remaining source(s) not started");
            return kExitInterrupted;
        }
        if (result != JobResult::Repaired)
            someFailed = true;
    }
    return someFailed ? kExitSomeFailed : kExitOk;
}

int RunInfoCommand(const InfoOptions& options)
{
    bool someUnreadable = false;
    bool first = true;
    for (const std::string& path : options.files) {
        const FileFacts facts = InspectFile(path);
        if (!facts.readError.empty()) {
            someUnreadable = true;
            std::fprintf(stderr, "meshwright: cannot read %s: %s\n", Quoted(path).c_str(), facts.readError.c_str());
        }
        if (options.json) {
            std::printf("%s\n", DescribeAsJson(facts).c_str());
        } else if (facts.readError.empty()) {
            std::printf("%s%s", first ? "" : "\n", DescribeForPeople(facts).c_str());
            first = false;
        }
    }
    std::fflush(stdout);
    return someUnreadable ? kExitSomeFailed : kExitOk;
}

}  // namespace meshwright
