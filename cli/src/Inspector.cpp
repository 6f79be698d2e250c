#include "Inspector.h"

#include "Display.h"
#include "Json.h"

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace meshwright {
namespace {

constexpr std::size_t kHeaderSize = 80;
constexpr std::uint64_t kRecordSize = 50;
constexpr std::size_t kSampleSize = 64 * 1024;  // enough to judge text against binary
constexpr std::size_t kTailSize = 1024;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}

// Text has no bytes a text editor would not write: no NUL, no control characters
// other than white space. Binary STL fails this within its first records.
bool LooksLikeText(std::string_view bytes)
{
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r') || c == 0x7F)
            return false;
    }
    return true;
}

std::string_view SkipBomAndBlanks(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    while (!text.empty() && (text[0] == ' ' || (text[0] >= '\t' && text[0] <= '\r')))
        text.remove_prefix(1);
    return text;
}

bool LooksLikeHtml(std::string_view sample)
{
    const std::string start = Lowered(SkipBomAndBlanks(sample).substr(0, 1024));
    if (start.rfind("<!doctype html", 0) == 0 || start.rfind("<html", 0) == 0)
        return true;
    return start.rfind("<", 0) == 0 &&
           (start.find("<html") != std::string::npos || start.find("<head") != std::string::npos ||
            start.find("<body") != std::string::npos);
}

std::string PrintableHeader(const unsigned char* bytes, std::size_t size)
{
    std::string out;
    for (std::size_t i = 0; i < size && bytes[i] != 0; ++i)
        out += (bytes[i] >= 0x20 && bytes[i] < 0x7F) ? static_cast<char>(bytes[i]) : '.';
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// Counts "facet normal" over the whole file, a block at a time; a keyword may
// straddle two blocks, so each block keeps the end of the one before.
std::uint64_t CountTextFacets(int fd)
{
    static constexpr std::string_view kKeyword = "facet normal";
    std::vector<char> block(1 << 20);
    std::string carry;
    std::uint64_t count = 0;
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, block.data(), block.size(), offset);
        if (got <= 0)
            break;
        offset += got;
        std::string text = carry + Lowered(std::string_view(block.data(), static_cast<std::size_t>(got)));
        for (std::size_t at = text.find(kKeyword); at != std::string::npos; at = text.find(kKeyword, at + 1))
            ++count;
        const std::size_t keep = std::min(text.size(), kKeyword.size() - 1);
        carry = text.substr(text.size() - keep);
    }
    return count;
}

std::string ReadAt(int fd, std::uint64_t offset, std::size_t size)
{
    std::string out(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, out.data() + done, size - done, static_cast<off_t>(offset + done));
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    out.resize(done);
    return out;
}

constexpr std::uint64_t kCensusRecords = 20000;

// Each record classified by its stored normal against the unit normal of its
// vertices, computed in double: close enough to the engine's own test to tell
// exact normals from imprecise, reversed and zero ones.
NormalCensus CountNormals(int fd, std::uint64_t size)
{
    NormalCensus census;
    if (size < kHeaderSize + 4 + kRecordSize)
        return census;
    const std::uint64_t records = std::min<std::uint64_t>(kCensusRecords, (size - kHeaderSize - 4) / kRecordSize);
    const std::string bytes = ReadAt(fd, kHeaderSize + 4, static_cast<std::size_t>(records * kRecordSize));
    for (std::uint64_t r = 0; r + 1 <= bytes.size() / kRecordSize; ++r) {
        float f[12];
        std::memcpy(f, bytes.data() + r * kRecordSize, sizeof f);
        ++census.sampled;
        bool finite = true;
        for (float x : f)
            finite = finite && std::isfinite(x);
        const double e1[3] = {double(f[6]) - f[3], double(f[7]) - f[4], double(f[8]) - f[5]};
        const double e2[3] = {double(f[9]) - f[3], double(f[10]) - f[4], double(f[11]) - f[5]};
        const double c[3] = {e1[1] * e2[2] - e2[1] * e1[2], e2[0] * e1[2] - e1[0] * e2[2], e1[0] * e2[1] - e2[0] * e1[1]};
        const double length = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
        if (!finite || !(length > 0) || !std::isfinite(length)) {
            ++census.other;
            continue;
        }
        if (f[0] == 0 && f[1] == 0 && f[2] == 0) {
            ++census.zero;
            continue;
        }
        double same = 0, opposite = 0, norm = 0;
        for (int i = 0; i < 3; ++i) {
            const double u = c[i] / length;
            same = std::max(same, std::fabs(f[i] - u));
            opposite = std::max(opposite, std::fabs(f[i] + u));
            norm += double(f[i]) * f[i];
        }
        if (same <= 1e-6)
            ++census.exact;
        else if (opposite <= 1e-3)
            ++census.reversed;
        else if (std::fabs(norm - 1.0) <= 1e-2 && same <= 0.5)
            ++census.imprecise;
        else
            ++census.other;
    }
    return census;
}

std::string Percent(std::uint64_t part, std::uint64_t whole)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0);
    return text;
}

}  // namespace

const char* FormatName(FileFormat format)
{
    switch (format) {
    case FileFormat::Binary: return "binary";
    case FileFormat::TextStl: return "text_stl";
    case FileFormat::Html: return "html";
    case FileFormat::OtherText: return "text";
    case FileFormat::Empty: return "empty";
    case FileFormat::HeaderOnly: return "header_only";
    }
    return "binary";
}

FileFacts InspectFile(const std::string& path)
{
    FileFacts facts;
    facts.path = path;
    // Non-blocking, so that a named pipe cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        facts.readError = std::strerror(errno);
        return facts;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        facts.readError = std::strerror(errno);
        ::close(fd);
        return facts;
    }
    if (!S_ISREG(st.st_mode)) {
        facts.readError = S_ISDIR(st.st_mode) ? "is a folder, not a file" : "not a regular file";
        ::close(fd);
        return facts;
    }
    facts.size = static_cast<std::uint64_t>(st.st_size);
    const std::string sample = ReadAt(fd, 0, static_cast<std::size_t>(std::min<std::uint64_t>(facts.size, kSampleSize)));

    const auto* bytes = reinterpret_cast<const unsigned char*>(sample.data());
    facts.header = PrintableHeader(bytes, std::min(sample.size(), kHeaderSize));
    if (sample.size() >= kHeaderSize + 4) {
        facts.storedCount = static_cast<std::uint32_t>(bytes[80] | bytes[81] << 8 | bytes[82] << 16 |
                                                       static_cast<std::uint32_t>(bytes[83]) << 24);
        facts.expectedSize = kHeaderSize + 4 + kRecordSize * *facts.storedCount;
    }

    // The first five bytes decide nothing: binary headers often begin with "solid".
    const std::string_view start = SkipBomAndBlanks(sample);
    const std::string lowered = Lowered(sample);
    const bool text = LooksLikeText(sample);
    if (facts.size == 0) {
        facts.format = FileFormat::Empty;
    } else if (facts.size > kHeaderSize + 4 && facts.SizeAgrees()) {
        facts.format = FileFormat::Binary;
    } else if (text && Lowered(start.substr(0, 5)) == "solid" &&
               ((lowered.find("facet normal") != std::string::npos && lowered.find("vertex") != std::string::npos) ||
                lowered.find("endsolid") != std::string::npos)) {
        facts.format = FileFormat::TextStl;
        const std::string_view rest = start.substr(5);
        const std::string_view line = rest.substr(0, rest.find_first_of("\r\n"));
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos)
            facts.solidName = std::string(line.substr(first, line.find_last_not_of(" \t") - first + 1));
        facts.textFacets = CountTextFacets(fd);
        const std::uint64_t tailFrom = facts.size > kTailSize ? facts.size - kTailSize : 0;
        facts.textEnds = Lowered(ReadAt(fd, tailFrom, kTailSize)).find("endsolid") != std::string::npos;
    } else if (text && LooksLikeHtml(sample)) {
        facts.format = FileFormat::Html;
    } else if (facts.size <= kHeaderSize + 4) {
        facts.format = FileFormat::HeaderOnly;
    } else if (text) {
        facts.format = FileFormat::OtherText;
    } else {
        facts.format = FileFormat::Binary;
    }
    if (facts.format == FileFormat::Binary)
        facts.normals = CountNormals(fd, facts.size);
    ::close(fd);
    return facts;
}

namespace {

std::string Note(const FileFacts& facts)
{
    switch (facts.format) {
    case FileFormat::Binary:
        if (facts.SizeAgrees())
            return "the size agrees with the stored count; the file may well be intact";
        return "the size does not agree with the stored count: the file is damaged or has extra data; "
               "'meshwright repair' recovers the intact facets";
    case FileFormat::TextStl:
        return "a text-format STL file; meshwright repairs binary STL only (the engine does not read "
               "text STL), so a repair would find no facets";
    case FileFormat::Html:
        return "no STL: an HTML page (a web page saved under an STL name?)";
    case FileFormat::OtherText:
        return "no STL: a text file without STL keywords";
    case FileFormat::Empty:
        return "no STL: the file is empty";
    case FileFormat::HeaderOnly:
        return "no STL facets: the file is too short to hold a single facet record after the header";
    }
    return {};
}

bool ShowsBinaryFields(const FileFacts& facts)
{
    return facts.format == FileFormat::Binary || facts.format == FileFormat::HeaderOnly;
}

}  // namespace

std::string DescribeForPeople(const FileFacts& facts)
{
    std::string out = Quoted(facts.path) + "\n";
    const auto row = [&out](const char* label, const std::string& value) {
        char padded[32];
        std::snprintf(padded, sizeof padded, "  %-15s", label);
        out += padded + value + "\n";
    };
    if (!facts.readError.empty()) {
        row("error:", "cannot read: " + facts.readError);
        return out;
    }
    row("size:", Grouped(facts.size) + " bytes");
    switch (facts.format) {
    case FileFormat::Binary: row("format:", "binary STL"); break;
    case FileFormat::TextStl: {
        std::string value = "text STL";
        if (!facts.solidName.empty())
            value += " (solid " + Quoted(facts.solidName) + ")";
        value += ", " + Grouped(facts.textFacets) + " facets";
        if (!facts.textEnds)
            value += ", no \"endsolid\" at the end (cut off?)";
        row("format:", value);
        break;
    }
    case FileFormat::Html: row("format:", "HTML page"); break;
    case FileFormat::OtherText: row("format:", "text"); break;
    case FileFormat::Empty: row("format:", "empty"); break;
    case FileFormat::HeaderOnly: row("format:", "header only"); break;
    }
    if (ShowsBinaryFields(facts)) {
        row("header:", "\"" + facts.header + "\"");
        if (facts.storedCount) {
            row("stored count:", Grouped(*facts.storedCount) + " facets");
            std::string check;
            if (facts.SizeAgrees()) {
                check = "agrees (84 + 50 x " + Grouped(*facts.storedCount) + " = " + Grouped(facts.size) + " bytes)";
            } else if (facts.size > *facts.expectedSize) {
                check = "does not agree: " + Grouped(*facts.expectedSize) + " bytes expected, " +
                        Grouped(facts.size - *facts.expectedSize) + " bytes more";
            } else {
                check = "does not agree: " + Grouped(*facts.expectedSize) + " bytes expected, " +
                        Grouped(*facts.expectedSize - facts.size) + " bytes missing";
            }
            row("size check:", check);
            if (!facts.SizeAgrees() && facts.size > kHeaderSize + 4)
                row("room for:", Grouped((facts.size - kHeaderSize - 4) / kRecordSize) + " facet records");
        } else {
            row("stored count:", "none (the file ends before the count field)");
        }
    }
    if (facts.format == FileFormat::Binary && facts.normals.sampled != 0) {
        const NormalCensus& n = facts.normals;
        row("normals:", "of the first " + Grouped(n.sampled) + " records: " + Grouped(n.exact) + " exact, " +
                            Grouped(n.imprecise) + " imprecise, " + Grouped(n.reversed) + " reversed, " +
                            Grouped(n.zero) + " zero, " + Grouped(n.other) + " not a facet's normal");
    }
    row("note:", Note(facts));
    if (facts.format == FileFormat::Binary && facts.normals.StrictLosesMuch())
        row("", "only " + Percent(facts.normals.exact, facts.normals.Aligned()) +
                    " of the facets sampled carry the exact unit normal of their vertices, and a "
                    "plain repair keeps no other; 'meshwright repair --salvage' keeps every intact record");
    return out;
}

std::string DescribeAsJson(const FileFacts& facts)
{
    JsonObject object;
    object.Add("file", facts.path);
    if (!facts.readError.empty()) {
        object.Add("error", "cannot read: " + facts.readError);
        return object.Text();
    }
    object.Add("size", facts.size).Add("format", FormatName(facts.format));
    if (ShowsBinaryFields(facts)) {
        object.Add("header", facts.header)
            .Add("stored_count",
                 facts.storedCount ? std::optional<std::uint64_t>(*facts.storedCount) : std::nullopt)
            .Add("expected_size", facts.expectedSize);
        if (facts.expectedSize)
            object.Add("size_agrees", facts.SizeAgrees());
        else
            object.AddNull("size_agrees");
    } else {
        object.AddNull("header").AddNull("stored_count").AddNull("expected_size").AddNull("size_agrees");
    }
    if (facts.format == FileFormat::TextStl)
        object.Add("text_facets", facts.textFacets).Add("text_name", facts.solidName).Add("text_complete", facts.textEnds);
    if (facts.format == FileFormat::Binary) {
        const NormalCensus& n = facts.normals;
        JsonObject normals;
        normals.Add("sampled", n.sampled).Add("exact", n.exact).Add("imprecise", n.imprecise)
            .Add("reversed", n.reversed).Add("zero", n.zero).Add("other", n.other);
        object.Add("normals", normals).Add("salvage_recommended", n.StrictLosesMuch());
    }
    object.Add("note", Note(facts));
    return object.Text();
}

}  // namespace meshwright
