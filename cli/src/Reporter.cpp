#include "Reporter.h"

#include "Display.h"
#include "Json.h"

#include <filesystem>
#include <sys/ioctl.h>
#include <unistd.h>

namespace meshwright {
namespace {

std::string Elapsed(std::chrono::steady_clock::duration duration)
{
    const long total = static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(duration).count());
    char buffer[32];
    if (total >= 3600)
        std::snprintf(buffer, sizeof buffer, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(buffer, sizeof buffer, "%ld:%02ld", total / 60, total % 60);
    return buffer;
}

// Cuts UTF-8 text to at most columns code points (one column each is close enough here).
std::string Fit(const std::string& text, std::size_t columns)
{
    std::size_t points = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (points == columns)
                return text.substr(0, i);
            ++points;
        }
    }
    return text;
}

std::string Seconds(double seconds)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f s", seconds);
    return buffer;
}

}  // namespace

JobResult ResultOf(const JobOutcome& outcome)
{
    if (outcome.stoppedByRequest)
        return JobResult::Interrupted;
    if (!outcome.errors.empty() || outcome.targetMissing)
        return JobResult::Failed;
    return outcome.facetsWritten > 0 ? JobResult::Repaired : JobResult::NoFacets;
}

const char* ResultName(JobResult result)
{
    switch (result) {
    case JobResult::Repaired: return "repaired";
    case JobResult::NoFacets: return "no_facets";
    case JobResult::Failed: return "failed";
    case JobResult::Interrupted: return "interrupted";
    }
    return "failed";
}

Reporter::Reporter(ReportSettings settings, std::FILE* out, std::FILE* err)
    : m_settings(settings), m_out(out), m_err(err)
{
}

void Reporter::PrintLines(const std::string& prefix, const std::string& text)
{
    // Engine texts may hold line breaks; keep the continuation lines indented.
    std::size_t start = 0;
    std::string lead = prefix;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::fprintf(m_err, "%s%s\n", lead.c_str(), text.substr(start, end - start).c_str());
        if (end == std::string::npos)
            break;
        start = end + 1;
        lead = std::string(prefix.size(), ' ');
    }
}

void Reporter::Warning(const std::string& text)
{
    m_runWarnings.push_back(text);
    if (m_settings.quiet)
        return;
    ClearBar();
    PrintLines("meshwright: warning: ", text);
    DrawBar(true);
}

void Reporter::Error(const std::string& text)
{
    ClearBar();
    PrintLines("meshwright: ", text);
    DrawBar(true);
}

void Reporter::BeginJob(const PlannedJob& job, std::size_t index, std::size_t count)
{
    m_name = std::filesystem::path(job.source).filename().string();
    m_percent = 0;
    m_lastPlainStep = 0;
    m_lastLog.clear();
    m_lastError.clear();
    m_started = m_lastDraw = std::chrono::steady_clock::now();
    if (m_settings.quiet)
        return;
    if (m_settings.terminal) {
        struct winsize size;
        if (::ioctl(fileno(m_err), TIOCGWINSZ, &size) == 0 && size.ws_col > 20)
            m_width = size.ws_col;
    }
    std::string line = "repairing " + Quoted(job.source) + " -> " + Quoted(job.target);
    if (count > 1)
        line += " (" + std::to_string(index + 1) + " of " + std::to_string(count) + ")";
    std::fprintf(m_err, "meshwright: %s\n", line.c_str());
    DrawBar(true);
}

void Reporter::OnProgress(unsigned percent)
{
    m_percent = percent;
    if (m_settings.quiet)
        return;
    if (m_settings.terminal) {
        DrawBar(true);
    } else if (percent / 10 > m_lastPlainStep && percent < 100) {
        m_lastPlainStep = percent / 10;
        std::fprintf(m_err, "  %u%%\n", m_lastPlainStep * 10);
        std::fflush(m_err);
    }
}

void Reporter::OnLog(const std::string& line)
{
    m_lastLog = line;
    if (m_settings.quiet)
        return;
    if (m_settings.terminal) {
        DrawBar(true);  // the running count lives in the bar; the last lines are kept at the end
    } else {
        PrintLines("  ", line);
        std::fflush(m_err);
    }
}

void Reporter::OnError(const std::string& text)
{
    m_lastError = text;
    ClearBar();
    PrintLines("meshwright: error: ", text);
    DrawBar(true);
}

void Reporter::OnMessage(const std::string& text)
{
    // The engine usually repeats its error text for a message box; say it once.
    if (text == m_lastError)
        return;
    ClearBar();
    PrintLines("meshwright: ", text);
    DrawBar(true);
}

void Reporter::OnTick()
{
    DrawBar(false);
}

void Reporter::DrawBar(bool force)
{
    if (!m_settings.terminal || m_settings.quiet || m_name.empty())
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - m_lastDraw < std::chrono::milliseconds(250))
        return;
    m_lastDraw = now;
    constexpr unsigned kBarWidth = 24;
    const unsigned filled = m_percent * kBarWidth / 100;
    std::string line(1, '[');
    line.append(filled, '#').append(kBarWidth - filled, '.').append("] ");
    char percent[8];
    std::snprintf(percent, sizeof percent, "%3u%%", m_percent);
    line += percent;
    line += "  " + Elapsed(now - m_started) + "  " + m_name;
    if (!m_lastLog.empty())
        line += "  " + m_lastLog;
    std::fprintf(m_err, "\r\x1b[K%s", Fit(line, m_width - 1).c_str());
    std::fflush(m_err);
    m_barShown = true;
}

void Reporter::ClearBar()
{
    if (m_barShown) {
        std::fputs("\r\x1b[K", m_err);
        m_barShown = false;
    }
}

void Reporter::EndJob(const PlannedJob& job, const JobOutcome& outcome, const std::vector<std::string>& notes)
{
    ClearBar();
    m_name.clear();  // no bar between jobs
    const JobResult result = ResultOf(outcome);

    if (!m_settings.quiet && m_settings.terminal) {
        // The bar showed the running count; keep the engine's closing lines.
        const std::size_t from = outcome.log.size() > 2 ? outcome.log.size() - 2 : 0;
        for (std::size_t i = from; i < outcome.log.size(); ++i)
            PrintLines("  ", outcome.log[i]);
    }
    for (const std::string& note : notes)
        PrintLines("meshwright: ", note);

    switch (result) {
    case JobResult::Interrupted:
        PrintLines("meshwright: ", "interrupted: " + Quoted(job.target) + " is a well-formed STL file of the " +
                                       Grouped(outcome.facetsWritten) + " facets found before the stop");
        break;
    case JobResult::NoFacets:
        PrintLines("meshwright: ", Quoted(job.source) + ": no intact facet found");
        break;
    case JobResult::Failed:
        if (outcome.errors.empty())
            break;  // a note above says why
        PrintLines("meshwright: ", Quoted(job.source) + ": the repair failed (" + Grouped(outcome.facetsWritten) +
                                       " facets counted); " + Quoted(job.target) + " may be incomplete");
        break;
    case JobResult::Repaired:
        if (!m_settings.quiet && !m_settings.json) {
            std::string claimed = job.storedCount ? "header claimed " + Grouped(*job.storedCount)
                                                  : "no header";
            std::fprintf(m_out, "%s -> %s: %s facets recovered (%s; %s bytes scanned in %s)\n",
                         Quoted(job.source).c_str(), Quoted(job.target).c_str(),
                         Grouped(outcome.facetsWritten).c_str(), claimed.c_str(), Grouped(job.sourceBytes).c_str(),
                         Seconds(outcome.seconds).c_str());
        }
        break;
    }

    if (m_settings.json) {
        std::vector<std::string> warnings = m_runWarnings;
        warnings.insert(warnings.end(), notes.begin(), notes.end());
        JsonObject object;
        object.Add("source", job.source)
            .Add("target", job.target)
            .Add("mode", m_settings.mode)
            .Add("facets_written", std::uint64_t{outcome.facetsWritten})
            .Add("stored_count", job.storedCount ? std::optional<std::uint64_t>(*job.storedCount) : std::nullopt)
            .Add("source_bytes", job.sourceBytes)
            .AddNumber("seconds", outcome.seconds, 3)
            .Add("result", ResultName(result))
            .Add("errors", outcome.errors)
            .Add("messages", outcome.messages)
            .Add("log", outcome.log)
            .Add("warnings", warnings);
        std::fprintf(m_out, "%s\n", object.Text().c_str());
    }
    std::fflush(m_out);
    std::fflush(m_err);
}

}  // namespace meshwright
