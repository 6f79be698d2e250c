// Fixtures for the end-to-end tests of meshwright: temporary folders, STL bytes,
// running the built program, a file-system snapshot and a small JSON reader.
#pragma once

#include "exact_normal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <poll.h>
#include <random>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <variant>
#include <vector>

#ifndef MESHWRIGHT_PROGRAM
#error "MESHWRIGHT_PROGRAM names the program under test"
#endif

namespace clitest {

namespace fs = std::filesystem;
using Bytes = std::string;  // binary-safe, and easy to compare and print

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "meshwright-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(m_path, ec); it != fs::recursive_directory_iterator();
             it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

inline void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

inline Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// ---- STL bytes ----

struct Facet {
    float n[3], v[3][3];
    std::uint16_t attribute = 0;
};

// The unit normal exactly as the repair computes it, so the facet always passes.
inline void SetExactNormal(Facet& f) { testcommon::ExactUnitNormal(f.v[0], f.v[1], f.v[2], f.n); }

inline Bytes Record(const Facet& f)
{
    Bytes out(50, '\0');
    std::memcpy(out.data(), f.n, 12);
    std::memcpy(out.data() + 12, f.v, 36);
    out[48] = static_cast<char>(f.attribute & 0xFF);
    out[49] = static_cast<char>(f.attribute >> 8);
    return out;
}

// n facets with exact normals and varied attribute words, the same for the same seed.
inline std::vector<Bytes> RandomRecords(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> coordinate(-50.0f, 50.0f);
    std::vector<Bytes> records;
    while (records.size() < n) {
        Facet f;
        for (auto& vertex : f.v)
            for (float& x : vertex)
                x = coordinate(rng);
        SetExactNormal(f);
        if (!std::isfinite(f.n[0]) || !std::isfinite(f.n[1]) || !std::isfinite(f.n[2]))
            continue;
        f.attribute = static_cast<std::uint16_t>(rng());
        records.push_back(Record(f));
    }
    return records;
}

inline Bytes U32(std::uint32_t value)
{
    Bytes out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<char>(value >> (8 * i));
    return out;
}

inline std::uint32_t ReadU32(const Bytes& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

inline Bytes Header(const std::string& text, std::uint32_t storedCount)
{
    Bytes out(80, '\0');
    std::memcpy(out.data(), text.data(), std::min<std::size_t>(text.size(), 80));
    return out + U32(storedCount);
}

inline Bytes Join(const std::vector<Bytes>& records)
{
    Bytes out;
    for (const Bytes& r : records)
        out += r;
    return out;
}

inline Bytes Stl(const std::vector<Bytes>& records, const std::string& header = "binary test mesh")
{
    return Header(header, static_cast<std::uint32_t>(records.size())) + Join(records);
}

inline Bytes Garbage(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes out(n, '\0');
    for (char& c : out)
        c = static_cast<char>(rng());
    return out;
}

// The records of a repaired file, after checking it is well formed.
inline std::vector<Bytes> RecordsOf(const Bytes& stl)
{
    EXPECT_GE(stl.size(), 84u);
    if (stl.size() < 84)
        return {};
    const std::uint32_t count = ReadU32(stl, 80);
    EXPECT_EQ(stl.size(), 84u + 50u * count) << "the size must agree with the stored count";
    std::vector<Bytes> out;
    for (std::size_t at = 84; at + 50 <= stl.size(); at += 50)
        out.push_back(stl.substr(at, 50));
    return out;
}

// ---- running the program ----

struct RunResult {
    int status = -1;  // exit status, or 128 + signal
    std::string out;
    std::string err;
};

inline std::vector<std::string> Words(std::initializer_list<std::string> words) { return words; }

// Runs the program with args in folder cwd; env entries NAME=VALUE replace or add.
// inChild runs in the child just before the program starts (limits, signal dispositions).
inline RunResult RunProgram(const std::vector<std::string>& args, const std::string& cwd = {},
                            const std::vector<std::string>& env = {}, const std::function<void()>& inChild = {})
{
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(errPipe[0]);
        close(outPipe[1]);
        close(errPipe[1]);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0)
            _exit(126);
        for (const std::string& entry : env)
            putenv(const_cast<char*>(entry.c_str()));
        if (inChild)
            inChild();
        std::vector<char*> argv{const_cast<char*>(MESHWRIGHT_PROGRAM)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(MESHWRIGHT_PROGRAM, argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    RunResult result;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(got));
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

inline std::ostream& operator<<(std::ostream& os, const RunResult& r)
{
    return os << "status " << r.status << "\n--- stdout ---\n" << r.out << "--- stderr ---\n" << r.err;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

// ---- file-system snapshot: every entry below a folder with its type, size and bytes ----

inline std::map<std::string, std::string> Snapshot(const fs::path& root)
{
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = fs::relative(it->path(), root).string();
        if (it->is_symlink())
            entries[name] = "link -> " + fs::read_symlink(it->path()).string();
        else if (it->is_directory())
            entries[name] = "folder";
        else
            entries[name] = "file " + std::to_string(it->file_size()) + " " + ReadFile(it->path().string());
    }
    return entries;
}

// ---- a small JSON reader ----

struct Json {
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value;

    bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value); }
    double Number() const { return std::get<double>(value); }
    bool Bool() const { return std::get<bool>(value); }
    const std::string& String() const { return std::get<std::string>(value); }
    const Array& Items() const { return std::get<Array>(value); }
    const Object& Members() const { return std::get<Object>(value); }
    const Json& operator[](const std::string& name) const
    {
        for (const auto& [key, member] : Members())
            if (key == name)
                return member;
        throw std::out_of_range("no member " + name);
    }
    bool Has(const std::string& name) const
    {
        for (const auto& member : Members())
            if (member.first == name)
                return true;
        return false;
    }
    std::vector<std::string> Strings() const
    {
        std::vector<std::string> out;
        for (const Json& item : Items())
            out.push_back(item.String());
        return out;
    }
};

class JsonReader {
public:
    // Throws on anything that is not exactly one JSON value.
    static Json Parse(const std::string& text)
    {
        JsonReader reader(text);
        Json value = reader.Value();
        reader.Blank();
        if (reader.m_at != text.size())
            throw std::runtime_error("text after the JSON value");
        return value;
    }

private:
    explicit JsonReader(const std::string& text) : m_text(text) {}

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(m_at));
    }
    char Peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }
    void Blank()
    {
        while (m_at < m_text.size() && std::strchr(" \t\r\n", m_text[m_at]))
            ++m_at;
    }
    void Expect(const char* word)
    {
        const std::size_t n = std::strlen(word);
        if (m_text.compare(m_at, n, word) != 0)
            Fail(std::string("expected ") + word);
        m_at += n;
    }

    Json Value()
    {
        Blank();
        const char c = Peek();
        if (c == '{')
            return ObjectValue();
        if (c == '[')
            return ArrayValue();
        if (c == '"')
            return Json{StringValue()};
        if (c == 't') {
            Expect("true");
            return Json{true};
        }
        if (c == 'f') {
            Expect("false");
            return Json{false};
        }
        if (c == 'n') {
            Expect("null");
            return Json{nullptr};
        }
        return NumberValue();
    }

    Json NumberValue()
    {
        const std::size_t start = m_at;
        if (Peek() == '-')
            ++m_at;
        if (!std::isdigit(static_cast<unsigned char>(Peek())))
            Fail("expected a value");
        while (std::isdigit(static_cast<unsigned char>(Peek())) || (Peek() && std::strchr(".eE+-", Peek())))
            ++m_at;
        return Json{std::stod(m_text.substr(start, m_at - start))};
    }

    static void AppendUtf8(std::string& out, char32_t c)
    {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    char32_t Hex4()
    {
        if (m_at + 4 > m_text.size())
            Fail("short \\u escape");
        const char32_t value = static_cast<char32_t>(std::stoul(m_text.substr(m_at, 4), nullptr, 16));
        m_at += 4;
        return value;
    }

    std::string StringValue()
    {
        ++m_at;  // the opening quote
        std::string out;
        for (;;) {
            if (m_at >= m_text.size())
                Fail("unterminated string");
            const char c = m_text[m_at++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("raw control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            const char e = Peek();
            ++m_at;
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                char32_t code = Hex4();
                if (code >= 0xD800 && code <= 0xDBFF) {
                    Expect("\\u");
                    const char32_t low = Hex4();
                    if (low < 0xDC00 || low > 0xDFFF)
                        Fail("bad surrogate pair");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                AppendUtf8(out, code);
                break;
            }
            default: Fail("bad escape");
            }
        }
    }

    Json ArrayValue()
    {
        ++m_at;
        Json::Array items;
        Blank();
        if (Peek() == ']') {
            ++m_at;
            return Json{items};
        }
        for (;;) {
            items.push_back(Value());
            Blank();
            if (Peek() == ',') {
                ++m_at;
                continue;
            }
            Expect("]");
            return Json{items};
        }
    }

    Json ObjectValue()
    {
        ++m_at;
        Json::Object members;
        Blank();
        if (Peek() == '}') {
            ++m_at;
            return Json{members};
        }
        for (;;) {
            Blank();
            if (Peek() != '"')
                Fail("expected a member name");
            std::string name = StringValue();
            Blank();
            Expect(":");
            members.emplace_back(std::move(name), Value());
            Blank();
            if (Peek() == ',') {
                ++m_at;
                continue;
            }
            Expect("}");
            return Json{members};
        }
    }

    const std::string& m_text;
    std::size_t m_at = 0;
};

// Every line of text parsed as one JSON object.
inline std::vector<Json> JsonLines(const std::string& text)
{
    std::vector<Json> out;
    for (const std::string& line : Lines(text))
        out.push_back(JsonReader::Parse(line));
    return out;
}

}  // namespace clitest
