// Whole jobs through the entry: the fixed file's bytes and the host's messages.
#include "EngineStrings.h"
#include "engine_test_support.h"
#include "reference_scan.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <cfenv>
#include <csignal>
#include <limits>
#include <xmmintrin.h>

using namespace enginetest;

namespace {

std::u16string Abs(const std::string& p) { return U16(std::filesystem::absolute(p).lexically_normal().string()); }

// The fixed file the rules predict: the source's header, the count, these records.
Bytes Expected(const Bytes& source, const std::vector<Facet>& kept)
{
    Bytes out(source.begin(), source.begin() + std::min<std::ptrdiff_t>(80, static_cast<std::ptrdiff_t>(source.size())));
    out.resize(80, 0);
    const std::uint32_t n = static_cast<std::uint32_t>(kept.size());
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(n >> (8 * i)));
    for (const Facet& f : kept)
        AppendRecord(out, f);
    return out;
}

class RepairJobTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string src = dir.File("damaged.stl");
    std::string dst = dir.File("damaged_fixed.stl");
};

TEST_F(RepairJobTest, IntactFileComesOutByteIdenticalWithTheFullMessageSequence)
{
    const Mesh mesh = RandomMesh(2500, 7);
    const Bytes source = mesh.File();
    WriteFile(src, source);
    const JobResult r = Repair(src, dst);
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(ReadFile(dst), source);
    const ReferenceResult ref = ReferenceRepair(source, U16(src), 1e-6f);
    EXPECT_EQ(r.recorder.events, ref.events);
    EXPECT_EQ(r.recorder.Texts(EM_LOG),
              (std::vector<std::u16string>{u"Total count of processed facets: 1000.",
                                           u"Total count of processed facets: 2000.",
                                           u"Total count of processed facets: 2500.", u"Final data processing."}));
    // 84 offsets of header and count field are tried before the first record.
    EXPECT_EQ(r.recorder.abortQuestions, 84u + 2500u + 1u);
    const auto percents = r.recorder.Percents();
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), 0u);
    EXPECT_EQ(percents.back(), 100u);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
}

TEST_F(RepairJobTest, DamagedFilesGiveExactlyTheSurvivingRecords)
{
    const Mesh mesh = RandomMesh(300, 11);
    const Bytes intact = mesh.File();
    const auto at = [](std::size_t record) { return 84 + 50 * record; };
    const auto except = [&](std::initializer_list<std::size_t> lost) {
        std::vector<Facet> kept;
        for (std::size_t i = 0; i < mesh.facets.size(); ++i)
            if (std::find(lost.begin(), lost.end(), i) == lost.end())
                kept.push_back(mesh.facets[i]);
        return kept;
    };
    const std::vector<Facet> all = mesh.facets;
    // The records that keep none of their bytes in [from, to).
    const auto overlapping = [&](std::size_t from, std::size_t to) {
        std::vector<Facet> kept;
        for (std::size_t i = 0; i < mesh.facets.size(); ++i)
            if (at(i) + 50 <= from || at(i) >= to)
                kept.push_back(mesh.facets[i]);
        return kept;
    };
    std::vector<Facet> firstHalf(all.begin(), all.begin() + 150);
    struct Case {
        const char* name;
        Bytes source;
        std::vector<Facet> kept;
    } cases[] = {
        {"seven zero bytes between two records", Insert(intact, at(100), Bytes(7, 0)), all},
        {"random garbage between records", Insert(Insert(intact, at(200), Garbage(333, 1)), at(20), Garbage(49, 2)),
         all},
        {"a zeroed 4 KiB run", Zero(intact, 4096, 8192), overlapping(4096, 8192)},
        {"cut in the middle of a record", Bytes(intact.begin(), intact.begin() + static_cast<std::ptrdiff_t>(at(150) + 31)),
         firstHalf},
        {"header and count lost", Bytes(intact.begin() + 84, intact.end()), all},
        {"one byte of a record changed", [&] { Bytes b = intact; b[at(5) + 13] ^= 0x40; return b; }(), except({5})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(src, c.source);
        const JobResult r = Repair(src, dst);
        const ReferenceResult ref = ReferenceRepair(c.source, U16(src), 1e-6f);
        EXPECT_EQ(ReadFile(dst), ref.target);
        EXPECT_EQ(r.recorder.events, ref.events);
        // Independently of the reference: the records that survived, in order.
        Bytes expected = Expected(c.source, c.kept);
        EXPECT_EQ(ReadFile(dst), expected);
        EXPECT_EQ(r.result, c.kept.empty() ? 0 : 1);
    }
}

TEST_F(RepairJobTest, RecordsWithWrongNormalsAreRejected)
{
    Mesh mesh = RandomMesh(4, 3);
    Facet& reversed = mesh.facets[1];
    for (float& x : reversed.n)
        x = -x;
    Facet& zero = mesh.facets[2];
    zero.n[0] = zero.n[1] = zero.n[2] = 0.0f;
    WriteFile(src, mesh.File());
    Repair(src, dst);
    EXPECT_EQ(ReadFile(dst), Expected(mesh.File(), {mesh.facets[0], mesh.facets[3]}));
}

TEST_F(RepairJobTest, DifferenceEqualToEpsilonPassesOneStepMoreFails)
{
    // Normal (0, 0, 1): the stored x component is the whole difference.
    const float eps = 1e-6f;
    Facet f{{eps, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0};
    Facet g = f;
    g.n[0] = std::nextafter(eps, 1.0f);
    struct Case {
        const char16_t* precision;
        Facet facet;
        std::uint32_t kept;
    } cases[] = {
        {u"1e-6", f, 1},
        {u"1e-6", g, 0},
        {u"-1e-3", Facet{{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0}, 0},  // negative: nothing passes
        {u"1e-40", Facet{{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0}, 0},  // subnormal epsilon
        {u"0.5", Facet{{0.4f, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0}, 1},
    };
    for (const Case& c : cases) {
        Mesh m;
        m.facets = {c.facet};
        WriteFile(src, m.File());
        const JobResult r = Repair(src, dst, c.precision);
        EXPECT_EQ(r.recorder.Of(EM_FACET_COUNT).at(0).number, c.kept)
            << std::string(c.precision, c.precision + std::char_traits<char16_t>::length(c.precision));
    }
}

TEST_F(RepairJobTest, MissingSourceSendsTheFourMessagesAndMakesNoTarget)
{
    const JobResult r = Repair(dir.File("nothing-here.stl"), dst);
    EXPECT_EQ(r.result, 0);
    EXPECT_FALSE(std::filesystem::exists(dst));
    EXPECT_EQ(r.recorder.events, (std::vector<Event>{{EM_PROGRESS, 0},
                                                     {EM_SOURCE_FILE, 0, U16(dir.File("nothing-here.stl"))},
                                                     {EM_FACET_COUNT, 0},
                                                     {EM_PROGRESS, 100}}));
}

TEST_F(RepairJobTest, TenByteSourceGivesAnEightyFourByteTarget)
{
    const Bytes source = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    WriteFile(src, source);
    const JobResult r = Repair(src, dst);
    EXPECT_EQ(r.result, 0);
    Bytes expected = source;
    expected.resize(84, 0);
    EXPECT_EQ(ReadFile(dst), expected);
    EXPECT_EQ(r.recorder.events, (std::vector<Event>{{EM_PROGRESS, 0},
                                                     {EM_SOURCE_FILE, 0, U16(src)},
                                                     {EM_QUERY_ABORT},
                                                     {EM_LOG, 0, u"Final data processing."},
                                                     {EM_FACET_COUNT, 0},
                                                     {EM_PROGRESS, 100}}));
}

TEST_F(RepairJobTest, EmptySourceComputesNoPercentDuringTheScan)
{
    WriteFile(src, {});
    const JobResult r = Repair(src, dst);
    EXPECT_EQ(ReadFile(dst), Bytes(84, 0));
    EXPECT_EQ(r.recorder.Percents(), (std::vector<std::uint32_t>{0, 100}));
}

TEST_F(RepairJobTest, RecordFollowedByOneByteGetsThatByteAndAZeroAsAttribute)
{
    Mesh mesh = RandomMesh(1, 5);
    Bytes source = mesh.File();
    source.resize(source.size() - 1);  // the attribute word's high byte is gone
    WriteFile(src, source);
    Repair(src, dst);
    Facet expected = mesh.facets[0];
    expected.attribute &= 0xFF;
    EXPECT_EQ(ReadFile(dst), Expected(source, {expected}));
}

TEST_F(RepairJobTest, AbortLeavesAWellFormedTargetOfTheRecordsFoundSoFar)
{
    const Mesh mesh = RandomMesh(50, 9);
    const Bytes source = mesh.File();
    WriteFile(src, source);
    struct Case {
        std::uint64_t stopAtQuestion;
        std::size_t kept;
    } cases[] = {{1, 0}, {85, 0}, {85 + 17, 17}, {85 + 50, 50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stopAtQuestion);
        const JobResult r = Repair(src, dst, u"1e-6", [&](std::uint64_t q) { return q == c.stopAtQuestion; });
        std::vector<Facet> kept(mesh.facets.begin(), mesh.facets.begin() + static_cast<std::ptrdiff_t>(c.kept));
        EXPECT_EQ(ReadFile(dst), Expected(source, kept));
        EXPECT_EQ(r.result, c.kept ? 1 : 0);
        EXPECT_EQ(r.recorder.events, ReferenceRepair(source, U16(src), 1e-6f, c.stopAtQuestion).events);
        if (c.kept == 0) {
            EXPECT_EQ(r.recorder.Texts(EM_LOG), std::vector<std::u16string>{u"Final data processing."});
        }
    }
}

TEST_F(RepairJobTest, ExactlyTwoThousandRecordsLogTwoCountsThenTheFinalLine)
{
    WriteFile(src, RandomMesh(2000, 4).File());
    const JobResult r = Repair(src, dst);
    EXPECT_EQ(r.recorder.Texts(EM_LOG),
              (std::vector<std::u16string>{u"Total count of processed facets: 1000.",
                                           u"Total count of processed facets: 2000.", u"Final data processing."}));
}

TEST_F(RepairJobTest, SilentJobWritesTheSameTarget)
{
    const Bytes source = Insert(RandomMesh(120, 2).File(), 84 + 50 * 60, Garbage(91, 3));
    WriteFile(src, source);
    const std::int32_t result = RunJob(U16(src), U16(dst), nullptr);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(ReadFile(dst), ReferenceRepair(source, U16(src), 1e-6f).target);
}

TEST_F(RepairJobTest, TwoJobsInARowEachStartTheirPercentAtZero)
{
    WriteFile(src, RandomMesh(10, 2).File());
    for (int i = 0; i < 2; ++i) {
        const JobResult r = Repair(src, dst);
        EXPECT_EQ(r.recorder.events.front(), (Event{EM_PROGRESS, 0}));
        EXPECT_EQ(r.recorder.Percents().back(), 100u);
    }
}

TEST_F(RepairJobTest, TargetThatIsTheSourceLeavesTheSourceUntouched)
{
    const Bytes source = RandomMesh(20, 6).File();
    WriteFile(src, source);
    const std::string hard = dir.File("hard-link.stl");
    const std::string soft = dir.File("soft-link.stl");
    std::filesystem::create_hard_link(src, hard);
    std::filesystem::create_symlink(src, soft);
    for (const std::string& target : {src, hard, soft, dir.File("./damaged.stl")}) {
        SCOPED_TRACE(target);
        const JobResult r = Repair(src, target);
        EXPECT_EQ(r.result, 0);
        EXPECT_EQ(ReadFile(src), source);
        EXPECT_TRUE(r.recorder.Of(EM_ERROR).empty());
        EXPECT_EQ(r.recorder.Of(EM_FACET_COUNT).at(0).number, 0u);
    }
}

TEST_F(RepairJobTest, PathsThatCannotBeOpenedEndTheJobAsAMissingSource)
{
    WriteFile(src, RandomMesh(3, 6).File());
    const std::u16string loneSurrogate = U16(dir.File("bad")) + u"\xD800.stl";
    const std::u16string tooLong = U16(dir.File(std::string(5000, 'a')));
    struct Case {
        const char* name;
        std::u16string source, target;
    } cases[] = {
        {"source with a lone surrogate", loneSurrogate, U16(dst)},
        {"target with a lone surrogate", U16(src), loneSurrogate},
        {"source path too long", tooLong, U16(dst)},
        {"target path too long", U16(src), tooLong},
        {"empty source path", u"", U16(dst)},
        {"source is a folder", U16(dir.Path().string()), U16(dst)},
        {"target is a folder", U16(src), U16(dir.Path().string())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dst);
        Recorder rec;
        EXPECT_EQ(RunJob(c.source, c.target, &rec), 0);
        EXPECT_FALSE(std::filesystem::exists(dst));
        EXPECT_EQ(rec.Sequence(),
                  (std::vector<std::uint32_t>{EM_PROGRESS, EM_SOURCE_FILE, EM_FACET_COUNT, EM_PROGRESS}));
    }
}

// A host that rounds upwards and flushes subnormals (as code built with fast
// math does) gets the same repair, and its environment back.
TEST_F(RepairJobTest, HostFloatingPointModesDoNotChangeTheResult)
{
    Mesh mesh = RandomMesh(200, 21);
    // Facets whose fate depends on subnormals and on rounding.
    const float tiny = std::numeric_limits<float>::min();
    mesh.facets.push_back(Facet{{0, 0, 1}, {tiny, 0, 0}, {std::nextafter(tiny, 1.0f), 0, 0}, {0, 1, 0}, 0});
    mesh.facets.push_back(Facet{{0, 0, 1}, {0, 0, 0}, {1e-20f, 0, 0}, {0, 1e-20f, 0}, 0});
    Facet nearMiss = mesh.facets[3];
    nearMiss.n[0] = std::nextafter(nearMiss.n[0] + 1e-6f, 2.0f);
    mesh.facets.push_back(nearMiss);
    const Bytes source = mesh.File();
    WriteFile(src, source);
    const JobResult plain = Repair(src, dst);
    const Bytes expected = ReadFile(dst);

    const unsigned csr = _mm_getcsr();
    std::fesetround(FE_UPWARD);
    _mm_setcsr(_mm_getcsr() | 0x8040);
    const unsigned hostCsr = _mm_getcsr();
    const JobResult odd = Repair(src, dst);
    const unsigned after = _mm_getcsr();
    const int roundingAfter = std::fegetround();
    _mm_setcsr(csr);
    std::fesetround(FE_TONEAREST);

    EXPECT_EQ(ReadFile(dst), expected);
    EXPECT_EQ(odd.recorder.events, plain.recorder.events);
    EXPECT_EQ(after & ~0x3Fu, hostCsr & ~0x3Fu);  // modes restored (status flags aside)
    EXPECT_EQ(roundingAfter, FE_UPWARD);
}

TEST_F(RepairJobTest, ExistingTargetIsEmptiedFirst)
{
    WriteFile(dst, Bytes(100000, 0xEE));
    const Mesh mesh = RandomMesh(5, 8);
    WriteFile(src, mesh.File());
    Repair(src, dst);
    EXPECT_EQ(ReadFile(dst), mesh.File());
}

// The program names German, French, Italian and Portuguese by language-only
// identifiers; the table holds them under a country.
TEST_F(RepairJobTest, LanguageOnlyIdentifiersGetTheirLanguagesTexts)
{
    WriteFile(src, RandomMesh(3, 1).File());
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {0x0007, 1031}, {0x000C, 1036}, {0x0010, 1040}, {0x0016, 2070}, {0x003C, 60}, {1031, 1031}};
    for (const auto& [sent, table] : cases) {
        Recorder rec;
        RunJob(U16(src), U16(dst), &rec, u"1e-6", sent);
        ASSERT_EQ(rec.Texts(EM_LOG).size(), 2u);
        EXPECT_EQ(rec.Texts(EM_LOG)[1], kalvo::FindEngineText(table, kalvo::IDS_FINAL_PROCESSING)) << sent;
    }
}

TEST_F(RepairJobTest, UnknownOrMissingLanguageGivesUSEnglish)
{
    WriteFile(src, RandomMesh(3, 1).File());
    for (std::uint16_t lang : {std::uint16_t(0), std::uint16_t(1046), std::uint16_t(0xFFFF)}) {
        Recorder rec;
        RunJob(U16(src), U16(dst), &rec, u"1e-6", lang);
        EXPECT_EQ(rec.Texts(EM_LOG),
                  (std::vector<std::u16string>{u"Total count of processed facets: 3.", u"Final data processing."}));
    }
}

// Disk full for real: the target may not grow past a limit. Runs in a child so
// the limit and the ignored SIGXFSZ stay there.
TEST_F(RepairJobTest, DiskFullDuringTheScanReportsFormatTenNamingTheTarget)
{
    const Mesh mesh = RandomMesh(12000, 12);  // 600 KB of records: more than the writer's buffer
    const Bytes source = mesh.File();
    WriteFile(src, source);
    const rlim_t limit = 84 + 50 * 5000 + 17;
    int pipeFd[2];
    ASSERT_EQ(pipe(pipeFd), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeFd[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        Recorder rec;
        const std::int32_t result = RunJob(U16(src), U16(dst), &rec);
        std::u16string report = rec.Texts(EM_ERROR).size() == 1 ? rec.Texts(EM_ERROR)[0] : u"";
        const bool sameShown = rec.Texts(EM_SHOW_MESSAGE) == rec.Texts(EM_ERROR);
        const bool countZero = rec.Of(EM_FACET_COUNT).size() == 1 && rec.Of(EM_FACET_COUNT)[0].number == 0;
        const bool lastIsHundred = !rec.Percents().empty() && rec.Percents().back() == 100 &&
                                   rec.events.back().message != EM_ERROR;
        const std::string flags = std::string(result == 0 ? "r" : "-") + (sameShown ? "s" : "-") +
                                  (countZero ? "c" : "-") + (lastIsHundred ? "p" : "-") + "|";
        (void)!write(pipeFd[1], flags.data(), flags.size());
        (void)!write(pipeFd[1], report.data(), report.size() * 2);
        _exit(0);
    }
    close(pipeFd[1]);
    std::string raw;
    char buf[4096];
    for (ssize_t n; (n = read(pipeFd[0], buf, sizeof buf)) > 0;)
        raw.append(buf, static_cast<std::size_t>(n));
    close(pipeFd[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    const std::size_t bar = raw.find('|');
    ASSERT_NE(bar, std::string::npos);
    EXPECT_EQ(raw.substr(0, bar), "rscp");
    std::u16string report((raw.size() - bar - 1) / 2, u'\0');
    std::memcpy(report.data(), raw.data() + bar + 1, report.size() * 2);
    EXPECT_EQ(report, u"Error 1: Cannot open the file to be repaired. Disk full while accessing " + Abs(dst) + u".");
    // Header, a count of 0 and the records that fitted.
    Bytes expected(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(limit));
    std::fill(expected.begin() + 80, expected.begin() + 84, 0);
    EXPECT_EQ(ReadFile(dst), expected);
}

TEST_F(RepairJobTest, DiskFullOnADeviceThatIsAlwaysFull)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    WriteFile(src, RandomMesh(3, 1).File());
    const JobResult r = Repair(src, "/dev/full");
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.recorder.Texts(EM_ERROR),
              std::vector<std::u16string>{u"Error 1: Cannot open the file to be repaired. Disk full while accessing /dev/full."});
    EXPECT_EQ(r.recorder.Texts(EM_SHOW_MESSAGE), r.recorder.Texts(EM_ERROR));
}

}  // namespace
