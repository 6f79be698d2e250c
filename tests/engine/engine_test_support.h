// Fixtures for the engine's tests: temporary folders, STL builders, a recording
// host callback and an operating-system seam that injects faults.
#pragma once

#include "exact_normal.h"

#include "kalvo/kalvo.h"
#include "framework/OsApi.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace enginetest {

using Bytes = std::vector<unsigned char>;

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kalvo-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::u16string U16(const std::string& s)
{
    return std::u16string(s.begin(), s.end());  // test paths are ASCII
}

struct Facet {
    float n[3], v1[3], v2[3], v3[3];
    std::uint16_t attribute = 0;
};

inline void AppendFloat(Bytes& out, float f)
{
    unsigned char b[4];
    std::memcpy(b, &f, 4);
    out.insert(out.end(), b, b + 4);
}

inline void AppendRecord(Bytes& out, const Facet& f)
{
    for (float x : f.n) AppendFloat(out, x);
    for (float x : f.v1) AppendFloat(out, x);
    for (float x : f.v2) AppendFloat(out, x);
    for (float x : f.v3) AppendFloat(out, x);
    out.push_back(static_cast<unsigned char>(f.attribute & 0xFF));
    out.push_back(static_cast<unsigned char>(f.attribute >> 8));
}

inline Bytes RecordBytes(const Facet& f)
{
    Bytes out;
    AppendRecord(out, f);
    return out;
}

// The unit normal exactly as the normal test computes it, so d is 0 on every axis.
inline void ExactNormal(Facet& f) { testcommon::ExactUnitNormal(f.v1, f.v2, f.v3, f.n); }

// A facet with an exact normal and ordinary coordinates, different for every seed.
inline Facet RandomFacet(std::mt19937& rng)
{
    std::uniform_real_distribution<float> coord(-100.0f, 100.0f);
    Facet f;
    for (;;) {
        for (int i = 0; i < 3; ++i) {
            f.v1[i] = coord(rng);
            f.v2[i] = coord(rng);
            f.v3[i] = coord(rng);
        }
        ExactNormal(f);
        if (std::isfinite(f.n[0]) && std::isfinite(f.n[1]) && std::isfinite(f.n[2]))
            break;
    }
    f.attribute = static_cast<std::uint16_t>(rng());
    return f;
}

inline Bytes StlHeader(std::uint32_t storedCount, const std::string& text = "binary test mesh")
{
    Bytes out(80, 0);
    std::memcpy(out.data(), text.data(), std::min<std::size_t>(text.size(), 80));
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(storedCount >> (8 * i)));
    return out;
}

struct Mesh {
    std::vector<Facet> facets;
    Bytes RecordsOnly() const
    {
        Bytes out;
        for (const Facet& f : facets)
            AppendRecord(out, f);
        return out;
    }
    Bytes File(const std::string& header = "binary test mesh") const
    {
        Bytes out = StlHeader(static_cast<std::uint32_t>(facets.size()), header);
        const Bytes records = RecordsOnly();
        out.insert(out.end(), records.begin(), records.end());
        return out;
    }
};

inline Mesh RandomMesh(std::size_t n, unsigned seed = 1)
{
    std::mt19937 rng(seed);
    Mesh m;
    for (std::size_t i = 0; i < n; ++i)
        m.facets.push_back(RandomFacet(rng));
    return m;
}

// Damage as it looks: bytes inserted at an offset, a range zeroed, noise.
inline Bytes Insert(Bytes b, std::size_t at, const Bytes& what)
{
    b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), what.begin(), what.end());
    return b;
}

inline Bytes Zero(Bytes b, std::size_t from, std::size_t to)
{
    std::fill(b.begin() + static_cast<std::ptrdiff_t>(from), b.begin() + static_cast<std::ptrdiff_t>(to), 0);
    return b;
}

inline Bytes Garbage(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes out(n);
    for (auto& b : out)
        b = static_cast<unsigned char>(rng());
    return out;
}

// One message as the host saw it.
struct Event {
    std::uint32_t message;
    std::uint32_t number = 0;  // percent or facet count
    std::u16string text;
    bool operator==(const Event&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Event& e)
{
    os << "{" << e.message << ", " << e.number;
    if (!e.text.empty())
        os << ", \"" << std::string(e.text.begin(), e.text.end()) << "\"";
    return os << "}";
}

// Records every message; answers the abort question from a rule.
struct Recorder {
    std::vector<Event> events;
    std::uint64_t abortQuestions = 0;
    std::function<bool(std::uint64_t question)> abortWhen;  // question counts from 1

    static std::int32_t Callback(std::uint32_t message, std::uintptr_t param, void* context)
    {
        auto* self = static_cast<Recorder*>(context);
        Event e{message, 0, {}};
        switch (message) {
        case EM_QUERY_ABORT:
            ++self->abortQuestions;
            self->events.push_back(e);
            return self->abortWhen && self->abortWhen(self->abortQuestions) ? 1 : 0;
        case EM_PROGRESS:
            e.number = *reinterpret_cast<const std::uint8_t*>(param);
            break;
        case EM_FACET_COUNT:
            e.number = *reinterpret_cast<const std::uint32_t*>(param);
            break;
        default:
            e.text = reinterpret_cast<const char16_t*>(param);
            break;
        }
        self->events.push_back(e);
        return 0;
    }

    std::vector<Event> Of(std::uint32_t message) const
    {
        std::vector<Event> out;
        for (const Event& e : events)
            if (e.message == message)
                out.push_back(e);
        return out;
    }
    std::vector<std::u16string> Texts(std::uint32_t message) const
    {
        std::vector<std::u16string> out;
        for (const Event& e : Of(message))
            out.push_back(e.text);
        return out;
    }
    std::vector<std::uint32_t> Percents() const
    {
        std::vector<std::uint32_t> out;
        for (const Event& e : Of(EM_PROGRESS))
            out.push_back(e.number);
        return out;
    }
    std::vector<std::uint32_t> Sequence() const
    {
        std::vector<std::uint32_t> out;
        for (const Event& e : events)
            out.push_back(e.message);
        return out;
    }
};

struct JobResult {
    std::int32_t result;
    Recorder recorder;
};

// Runs a job through the scrambled entry, as a host does.
inline std::int32_t RunJob(const std::u16string& source, const std::u16string& target, Recorder* recorder,
                           const std::u16string& epsilon = u"1e-6", std::uint16_t lang = 1033)
{
    TOptionsStruct options{};
    options.wLangID = lang;
    options.lpszEpsilon = epsilon.c_str();
    RepairJob job{};
    job.SourcePath = source.c_str();
    job.Options = &options;
    job.TargetPath = target.c_str();
    job.Callback = recorder ? &Recorder::Callback : nullptr;
    job.Context = recorder;
    unsigned char block[sizeof job];
    std::memcpy(block, &job, sizeof job);
    for (unsigned char& b : block)
        b ^= RepairJobKey;
    return RunRepairJob(block);
}

inline JobResult Repair(const std::string& source, const std::string& target, const std::u16string& epsilon = u"1e-6",
                        std::function<bool(std::uint64_t)> abortWhen = {})
{
    JobResult r;
    r.recorder.abortWhen = std::move(abortWhen);
    r.result = RunJob(U16(source), U16(target), &r.recorder, epsilon);
    return r;
}

// The seam with faults: reads of chosen file ranges fail with EIO (per read call
// that starts inside a range), reads may be capped, seeks and writes may fail.
struct FaultyOs {
    struct Range {
        std::uint64_t begin, end;
    };
    static inline std::vector<Range> badRanges;  // in the file named by watchedPath
    static inline std::string watchedPath;
    static inline int watchedFd = -1;
    static inline std::size_t readCap = 0;              // 0: no cap
    static inline bool failSeeks = false;
    static inline std::int64_t writeBudget = -1;        // bytes the target may take; -1: unlimited
    static inline int writeErrno = ENOSPC;
    static inline unsigned sectorSize = 0;              // 0: the real query
    static inline bool failAllocation = false;
    static inline std::vector<std::size_t> readSizes;   // sizes asked of the watched file

    static void Reset()
    {
        badRanges.clear();
        watchedPath.clear();
        watchedFd = -1;
        readCap = 0;
        failSeeks = false;
        writeBudget = -1;
        writeErrno = ENOSPC;
        sectorSize = 0;
        failAllocation = false;
        readSizes.clear();
    }

    static int Open(const char* path, int flags, mode_t mode)
    {
        const int fd = kalvo::os::Real().open(path, flags, mode);
        if (fd >= 0 && !watchedPath.empty() && watchedPath == path)
            watchedFd = fd;
        return fd;
    }
    static ssize_t Read(int fd, void* buffer, size_t count)
    {
        if (fd == watchedFd) {
            readSizes.push_back(count);
            const off_t at = ::lseek(fd, 0, SEEK_CUR);
            for (const Range& r : badRanges)
                if (static_cast<std::uint64_t>(at) < r.end && static_cast<std::uint64_t>(at) + count > r.begin) {
                    errno = EIO;
                    return -1;
                }
            if (readCap != 0 && count > readCap)
                count = readCap;
        }
        return ::read(fd, buffer, count);
    }
    static off_t Seek(int fd, off_t offset, int whence)
    {
        if (failSeeks && fd == watchedFd) {
            errno = EINVAL;
            return -1;
        }
        return ::lseek(fd, offset, whence);
    }
    static ssize_t Write(int fd, const void* buffer, size_t count)
    {
        if (writeBudget >= 0 && fd != watchedFd) {
            if (writeBudget == 0) {
                errno = writeErrno;
                return -1;
            }
            count = std::min<std::size_t>(count, static_cast<std::size_t>(writeBudget));
            writeBudget -= static_cast<std::int64_t>(count);
        }
        return ::write(fd, buffer, count);
    }
    static unsigned SectorSize(int fd) { return sectorSize ? sectorSize : kalvo::os::Real().sectorSize(fd); }
    static void* Allocate(size_t size) { return failAllocation ? nullptr : kalvo::os::Real().allocate(size); }

    static const kalvo::os::Api& Api()
    {
        static const kalvo::os::Api api = [] {
            kalvo::os::Api a = kalvo::os::Real();
            a.open = Open;
            a.read = Read;
            a.lseek = Seek;
            a.write = Write;
            a.sectorSize = SectorSize;
            a.allocate = Allocate;
            return a;
        }();
        return api;
    }
};

// Installs the faulty seam for one test and restores the real one after it.
struct FaultScope {
    FaultScope()
    {
        FaultyOs::Reset();
        kalvo::os::Install(&FaultyOs::Api());
    }
    ~FaultScope()
    {
        kalvo::os::Install(nullptr);
        FaultyOs::Reset();
    }
};

}  // namespace enginetest
