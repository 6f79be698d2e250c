// The engine's scan against the literal one, step by step through the same
// reader: four 12-byte reads per candidate, a step back after every reject,
// the literal flag-reading facet test. Any difference in bytes, messages or
// abort questions is a fault of the fast path.
#include "Communicator.h"
#include "FacetTest.h"
#include "FileEx.h"
#include "reference_scan.h"

#include <gtest/gtest.h>

using namespace enginetest;
using kalvo::CFile;
using kalvo::CFileEx;

namespace {

struct LiteralResult {
    Bytes target;
    std::vector<Event> events;
};

// The whole job as written, reading through CFileEx exactly as the rules say.
LiteralResult LiteralJob(const std::string& path, float epsilon, std::uint64_t stopAtQuestion)
{
    LiteralResult r;
    ReferenceEvents out{r.events};
    const auto progress = [&](std::uint8_t p) { out.Progress(p); };
    const auto countLine = [&](std::uint32_t n) { out.CountLine(n); };
    progress(0);
    r.events.push_back({EM_SOURCE_FILE, 0, U16(path)});
    CFileEx source;
    if (!source.Open(U16(path).c_str(), CFile::modeRead | CFile::shareDenyWrite))
        throw std::runtime_error("cannot open " + path);
    r.target.assign(84, 0);
    source.Read(r.target.data(), 80);
    const std::uint64_t total = source.GetLength();
    source.Seek(0, CFile::begin);
    std::uint32_t count = 0;
    std::uint64_t questions = 0;
    for (;;) {
        r.events.push_back({EM_QUERY_ABORT});
        if (++questions == stopAtQuestion)
            break;
        const std::uint64_t p = source.GetPosition();
        unsigned char rec[50];
        if (source.Read(rec, 12) < 12 || source.Read(rec + 12, 12) < 12 || source.Read(rec + 24, 12) < 12 ||
            source.Read(rec + 36, 12) < 12)
            break;
        if (LiteralFacetPasses(rec, epsilon)) {
            ++count;
            rec[48] = rec[49] = 0;
            source.Read(rec + 48, 2);
            r.target.insert(r.target.end(), rec, rec + 50);
            if (count % 1000 == 0)
                countLine(count);
        } else {
            source.Seek(static_cast<std::int64_t>(p + 1), CFile::begin);
        }
        if (total != 0)
            progress(static_cast<std::uint8_t>(
                static_cast<unsigned>(double(source.GetPosition()) * 100.0 / double(total))));
    }
    if (count % 1000 != 0)
        countLine(count);
    r.events.push_back({EM_LOG, 0, u"Final data processing."});
    for (int i = 0; i < 4; ++i)
        r.target[80 + i] = static_cast<unsigned char>(count >> (8 * i));
    r.events.push_back({EM_FACET_COUNT, count});
    progress(100);
    return r;
}

// A damaged file: runs of records (some with near-miss or wrong normals),
// garbage, zero runs, copies of record fragments, a cut tail.
Bytes DamagedFile(std::mt19937& rng)
{
    Bytes out = StlHeader(static_cast<std::uint32_t>(rng()));
    const int pieces = 5 + static_cast<int>(rng() % 30);
    for (int i = 0; i < pieces; ++i) {
        switch (rng() % 6) {
        case 0:
        case 1: {
            const Mesh m = RandomMesh(1 + rng() % 400, static_cast<unsigned>(rng()));
            for (Facet f : m.facets) {
                if (rng() % 20 == 0)
                    f.n[rng() % 3] = std::nextafter(f.n[rng() % 3], 2.0f);
                if (rng() % 50 == 0)
                    f.n[rng() % 3] += 1e-6f;
                AppendRecord(out, f);
            }
            break;
        }
        case 2: {
            const std::size_t n = rng() % 5000;
            for (std::size_t k = 0; k < n; ++k)
                out.push_back(static_cast<unsigned char>(rng()));
            break;
        }
        case 3:
            out.insert(out.end(), rng() % 9000, 0);
            break;
        case 4:
            if (out.size() > 200) {  // a fragment of what came before
                const std::size_t from = rng() % (out.size() - 100);
                const std::size_t len = 1 + rng() % 99;
                out.insert(out.end(), out.begin() + static_cast<std::ptrdiff_t>(from),
                           out.begin() + static_cast<std::ptrdiff_t>(from + len));
            }
            break;
        default:
            out.insert(out.end(), 1 + rng() % 7, static_cast<unsigned char>(rng()));
            break;
        }
    }
    if (rng() % 2)
        out.resize(out.size() - std::min<std::size_t>(out.size(), rng() % 60));
    return out;
}

TEST(FastScan, MatchesTheLiteralScanOnDamagedFilesWithUnreadableSectors)
{
    TempDir dir;
    const std::string src = dir.File("damaged.stl"), dst = dir.File("fixed.stl");
    std::mt19937 rng(424242);
    const float epsilons[] = {1e-6f, 1e-5f, 1e-3f, 0.5f, 1e30f, -1e-3f, 1e-40f};
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        const Bytes file = DamagedFile(rng);
        WriteFile(src, file);
        FaultScope faults;
        FaultyOs::watchedPath = src;
        FaultyOs::sectorSize = rng() % 2 ? 512 : 4096;
        // Small unreadable spots, some smaller than a sector: which bytes read
        // as zeros then depends on where each window refill starts.
        const int spots = static_cast<int>(rng() % 4);
        for (int i = 0; i < spots; ++i) {
            const std::uint64_t at = rng() % (file.size() + 1);
            FaultyOs::badRanges.push_back({at, at + 1 + rng() % 700});
        }
        const float eps = epsilons[rng() % std::size(epsilons)];
        const std::uint64_t stopAt = rng() % 4 == 0 ? 1 + rng() % (file.size() + 90) : 0;
        char text[32];
        std::snprintf(text, sizeof text, "%.9g", static_cast<double>(eps));
        const std::u16string epsText(text, text + std::strlen(text));
        ASSERT_EQ(kalvo::ParseEpsilon(epsText.c_str()), eps);

        const LiteralResult literal = LiteralJob(src, eps, stopAt);
        const JobResult fast = Repair(src, dst, epsText, [&](std::uint64_t q) { return q == stopAt; });
        ASSERT_EQ(ReadFile(dst), literal.target);
        ASSERT_EQ(fast.recorder.events, literal.events);
    }
}

TEST(FastScan, VectorPrefilterEqualsThePortableOneAndNeverRejectsAPass)
{
    std::mt19937 rng(99);
    Bytes buffer(64 + 48 + 64);
    for (float eps : {1e-6f, 1e-3f, 0.3f, 2.0f, 1e30f}) {
        const kalvo::NormalPrefilter filter(eps);
        for (int round = 0; round < 3000; ++round) {
            // Mostly random bytes, sometimes records at random offsets.
            for (auto& b : buffer)
                b = static_cast<unsigned char>(rng());
            if (round % 2) {
                const Bytes rec = RecordBytes(RandomMesh(1, static_cast<unsigned>(rng())).facets[0]);
                std::copy(rec.begin(), rec.end(), buffer.begin() + static_cast<std::ptrdiff_t>(rng() % 64));
            }
            const unsigned n = 1 + rng() % 64;
            const std::uint64_t vector = filter.Mask(buffer.data(), n);
            ASSERT_EQ(vector, filter.MaskPortable(buffer.data(), n));
            for (unsigned k = 0; k < n; ++k) {
                ASSERT_EQ((vector >> k) & 1, filter.MayPass(buffer.data() + k) ? 1u : 0u);
                if (LiteralFacetPasses(buffer.data() + k, eps)) {
                    ASSERT_TRUE(filter.MayPass(buffer.data() + k)) << "a passing candidate was filtered out";
                }
            }
        }
    }
}

}  // namespace
