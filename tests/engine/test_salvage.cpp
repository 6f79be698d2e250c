// The salvage mode through RunRepairJobEx: what it keeps, what it refuses, and
// the strict mode of the same entry.
#include "engine_test_support.h"
#include "salvage/SalvageScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace enginetest;

namespace {

enum class Style { Exact, Reversed, Imprecise, Zero, Smoothed };

// A closed torus grid: every edge in two facets, every vertex written identically.
Mesh Torus(int rings, int sides, Style style, std::uint16_t attribute = 0, bool sliver = false)
{
    auto at = [&](int i, int j) {
        const double u = 2 * M_PI * i / rings, t = 2 * M_PI * j / sides;
        return std::array<float, 3>{static_cast<float>(20.5 + (11.0 + 4.0 * std::cos(t)) * std::cos(u)),
                                    static_cast<float>(-3.25 + (11.0 + 4.0 * std::cos(t)) * std::sin(u)),
                                    static_cast<float>(7.0 + 4.0 * std::sin(t))};
    };
    std::mt19937 rng(3);
    Mesh m;
    auto add = [&](std::array<float, 3> a, std::array<float, 3> b, std::array<float, 3> c, bool degenerate) {
        Facet f;
        std::copy(a.begin(), a.end(), f.v1);
        std::copy(b.begin(), b.end(), f.v2);
        std::copy(c.begin(), c.end(), f.v3);
        ExactNormal(f);
        if (degenerate)
            f.n[0] = f.n[1] = f.n[2] = 0.0f;
        switch (style) {
        case Style::Exact: break;
        case Style::Reversed: for (float& x : f.n) x = -x; break;
        case Style::Imprecise: {
            const double d[3] = {f.n[0] + 3e-4, f.n[1] - 2e-4, f.n[2] + 1e-4};
            const double l = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
            for (int i = 0; i < 3; ++i) f.n[i] = static_cast<float>(d[i] / l);
            break;
        }
        case Style::Zero: f.n[0] = f.n[1] = f.n[2] = 0.0f; break;
        case Style::Smoothed: f.n[0] = 0.6f; f.n[1] = 0.0f; f.n[2] = 0.8f; break;
        }
        f.attribute = attribute;
        m.facets.push_back(f);
    };
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < sides; ++j) {
            const auto a = at(i, j), b = at(i + 1, j), c = at(i + 1, j + 1), d = at(i, j + 1);
            add(a, b, c, false);
            if (sliver && i == rings / 2 && j == 0)
                add(a, c, c, true);  // a degenerate facet of the mesh itself
            add(a, c, d, false);
        }
    return m;
}

// A flat plate on an integer grid at height 0 and 1: zero bytes everywhere.
Mesh Plate(int cells, bool zeroNormals)
{
    Mesh m;
    auto add = [&](float ax, float ay, float bx, float by, float cx, float cy, float z) {
        Facet f{};
        const float v[3][3] = {{ax, ay, z}, {bx, by, z}, {cx, cy, z}};
        std::copy(v[0], v[0] + 3, f.v1);
        std::copy(v[1], v[1] + 3, f.v2);
        std::copy(v[2], v[2] + 3, f.v3);
        ExactNormal(f);
        if (zeroNormals)
            f.n[0] = f.n[1] = f.n[2] = 0.0f;
        m.facets.push_back(f);
    };
    for (int i = 0; i < cells; ++i)
        for (int j = 0; j < cells; ++j) {
            const float x0 = float(i), x1 = float(i + 1), y0 = float(j), y1 = float(j + 1);
            add(x0, y0, x1, y1, x1, y0, 0.0f);
            add(x0, y0, x0, y1, x1, y1, 0.0f);
            add(x0, y0, x1, y0, x1, y1, 1.0f);
            add(x0, y0, x1, y1, x0, y1, 1.0f);
        }
    return m;
}

std::vector<Bytes> Records(const Bytes& fixed)
{
    std::vector<Bytes> out;
    for (std::size_t at = 84; at + 50 <= fixed.size(); at += 50)
        out.emplace_back(fixed.begin() + static_cast<std::ptrdiff_t>(at), fixed.begin() + static_cast<std::ptrdiff_t>(at + 50));
    return out;
}

std::vector<Bytes> Records(const Mesh& mesh)
{
    std::vector<Bytes> out;
    for (const Facet& f : mesh.facets)
        out.push_back(RecordBytes(f));
    return out;
}

// Each record as the index of the original it equals, -1 for one never in the file:
// a failure then reads as the records missed and the foreign ones.
std::vector<long> Which(const std::vector<Bytes>& records, const std::vector<Bytes>& originals)
{
    std::vector<long> out;
    for (const Bytes& r : records) {
        const auto it = std::find(originals.begin(), originals.end(), r);
        out.push_back(it == originals.end() ? -1 : static_cast<long>(it - originals.begin()));
    }
    return out;
}

std::vector<long> Which(const Bytes& fixed, const std::vector<Bytes>& originals)
{
    return Which(Records(fixed), originals);
}

// The records one list has and the other lacks, for a readable failure.
std::string Difference(const std::vector<long>& got, const std::vector<long>& expected)
{
    std::string text = "missing:";
    for (long i : expected)
        if (std::find(got.begin(), got.end(), i) == got.end())
            text.append(" ").append(std::to_string(i));
    text += "; not expected:";
    for (long i : got)
        if (std::find(expected.begin(), expected.end(), i) == expected.end())
            text.append(" ").append(std::to_string(i));
    return text;
}

std::uint32_t StoredCount(const Bytes& fixed)
{
    std::uint32_t n = 0;
    std::memcpy(&n, fixed.data() + 80, 4);
    return n;
}

std::int32_t RunEx(const std::string& source, const std::string& target, std::uint32_t mode, Recorder* recorder,
                   std::uint32_t version = KALVO_JOB_OPTIONS_VERSION, std::uint32_t size = sizeof(KalvoJobOptions),
                   const std::u16string& epsilon = u"1e-6")
{
    const std::u16string src = U16(source), dst = U16(target);
    KalvoJobOptions options{};
    options.StructSize = size;
    options.Version = version;
    options.Mode = mode;
    options.wLangID = 1033;
    options.lpszEpsilon = epsilon.c_str();
    KalvoJobEx job{src.c_str(), &options, dst.c_str(), recorder ? &Recorder::Callback : nullptr, recorder};
    return RunRepairJobEx(&job);
}

class SalvageTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string src = dir.File("damaged.stl");
    std::string dst = dir.File("fixed.stl");

    Bytes Salvage(const Bytes& source, Recorder* recorder = nullptr)
    {
        WriteFile(src, source);
        Recorder local;
        RunEx(src, dst, KALVO_MODE_SALVAGE, recorder ? recorder : &local);
        return ReadFile(dst);
    }
};

// Intact files of every normal style real exporters write come out byte-identical.
struct StyleCase {
    const char* name;
    Style style;
    std::uint16_t attribute;
};
class SalvageIntactTest : public SalvageTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(SalvageIntactTest, StructurallyIntactFileComesOutByteIdentical)
{
    const Mesh mesh = Torus(14, 9, GetParam().style, GetParam().attribute, true);
    const Bytes source = mesh.File();
    Recorder r;
    EXPECT_EQ(Salvage(source, &r), source);
    EXPECT_EQ(r.Of(EM_FACET_COUNT).at(0).number, mesh.facets.size());
}

INSTANTIATE_TEST_SUITE_P(Styles, SalvageIntactTest,
                         ::testing::Values(StyleCase{"Exact", Style::Exact, 0}, StyleCase{"Reversed", Style::Reversed, 0},
                                           StyleCase{"Imprecise", Style::Imprecise, 0},
                                           StyleCase{"Zero", Style::Zero, 0},
                                           StyleCase{"ZeroWithColour", Style::Zero, 0x7C1F},
                                           StyleCase{"Smoothed", Style::Smoothed, 0xFFFF}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SalvageTest, StrictModeLosesWhatSalvageKeeps)
{
    const Bytes source = Torus(10, 8, Style::Zero).File();
    WriteFile(src, source);
    EXPECT_EQ(RunEx(src, dst, KALVO_MODE_STRICT, nullptr), 0);
    EXPECT_EQ(StoredCount(ReadFile(dst)), 0u);
    EXPECT_EQ(RunEx(src, dst, KALVO_MODE_SALVAGE, nullptr), 1);
    EXPECT_EQ(ReadFile(dst), source);
}

// Damage of every kind: what comes out is exactly the records that survived, in order.
struct DamageCase {
    const char* name;
    std::function<Mesh()> mesh;
    std::function<Bytes(const Bytes& file)> damage;
    std::function<std::vector<std::size_t>(const Bytes& file, std::size_t n)> survivors;  // indices expected
};

std::vector<std::size_t> AllBut(std::size_t n, std::set<std::size_t> lost)
{
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < n; ++i)
        if (!lost.count(i))
            out.push_back(i);
    return out;
}

class SalvageDamageTest : public SalvageTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(SalvageDamageTest, KeepsEverySurvivorAndNothingElse)
{
    const DamageCase& c = GetParam();
    const Mesh mesh = c.mesh();
    const std::vector<Bytes> originals = Records(mesh);
    std::vector<Bytes> expected;
    for (std::size_t i : c.survivors(mesh.File(), originals.size()))
        expected.push_back(originals[i]);
    const Bytes fixed = Salvage(c.damage(mesh.File()));
    EXPECT_EQ(Which(fixed, originals), Which(expected, originals))
        << Difference(Which(fixed, originals), Which(expected, originals));
    EXPECT_EQ(Records(fixed), expected);
    EXPECT_EQ(StoredCount(fixed), expected.size());
    EXPECT_EQ(fixed.size(), 84 + 50 * expected.size());
}

std::size_t kRec(std::size_t i) { return 84 + 50 * i; }

// The records whose bytes zeroing [from, to) leaves as they were (zero bytes stay zero).
std::vector<std::size_t> Unchanged(const Bytes& file, std::size_t n, std::size_t from, std::size_t to)
{
    std::set<std::size_t> lost;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t b = std::max(kRec(i), from); b < std::min(kRec(i) + 50, to); ++b)
            if (file[b] != 0)
                lost.insert(i);
    return AllBut(n, lost);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SalvageDamageTest,
    ::testing::Values(
        // Two zero attribute bytes and a zero normal make a "record" 2 bytes early.
        DamageCase{"ZeroNormalsWithBytesInserted", [] { return Torus(12, 8, Style::Zero); },
                   [](const Bytes& f) { return Insert(Insert(f, kRec(40), Bytes(7, 0)), kRec(100) + 7, Garbage(3, 1)); },
                   [](const Bytes&, std::size_t n) { return AllBut(n, {}); }},
        // A plane at height 0 with zero normals: its bytes repeat 4 bytes off the grid.
        DamageCase{"PlaneAtZeroHeightWithGarbageInserted", [] { return Plate(6, true); },
                   [](const Bytes& f) { return Insert(f, kRec(20), Garbage(13, 2)); },
                   [](const Bytes&, std::size_t n) { return AllBut(n, {}); }},
        DamageCase{"ReversedNormalsWithBytesDeleted", [] { return Torus(12, 8, Style::Reversed); },
                   [](const Bytes& f) {
                       Bytes b = f;
                       b.erase(b.begin() + static_cast<std::ptrdiff_t>(kRec(30) + 20),
                               b.begin() + static_cast<std::ptrdiff_t>(kRec(31) + 5));
                       return b;
                   },
                   [](const Bytes&, std::size_t n) { return AllBut(n, {30, 31}); }},
        // The first sector ends inside record 8 (84 + 8 x 50 = 484 < 512 < 534).
        DamageCase{"ZeroedSector", [] { return Torus(12, 8, Style::Imprecise); },
                   [](const Bytes& f) {
                       Bytes b = f;
                       std::fill(b.begin() + 1024, b.begin() + 1536, 0);
                       return b;
                   },
                   [](const Bytes& f, std::size_t n) { return Unchanged(f, n, 1024, 1536); }},
        DamageCase{"ZeroedSectorInZeroNormalMesh", [] { return Torus(12, 8, Style::Zero); },
                   [](const Bytes& f) {
                       Bytes b = f;
                       std::fill(b.begin() + 4096, b.begin() + 8192, 0);
                       return b;
                   },
                   [](const Bytes& f, std::size_t n) { return Unchanged(f, n, 4096, 8192); }},
        DamageCase{"CutInsideTheLastRecord", [] { return Torus(12, 8, Style::Exact); },
                   [](const Bytes& f) { return Bytes(f.begin(), f.end() - 20); },
                   [](const Bytes&, std::size_t n) { return AllBut(n, {n - 1}); }},
        DamageCase{"GarbageHeaderAndCount", [] { return Torus(12, 8, Style::Smoothed, 0xFFFF); },
                   [](const Bytes& f) {
                       Bytes b = f;
                       const Bytes g = Garbage(84, 3);
                       std::copy(g.begin(), g.end(), b.begin());
                       return b;
                   },
                   [](const Bytes&, std::size_t n) { return AllBut(n, {}); }},
        DamageCase{"SliverOfTheMeshKeptInsideDamagedFile", [] { return Torus(12, 8, Style::Exact, 0, true); },
                   [](const Bytes& f) { return Insert(f, kRec(150) + 17, Garbage(300, 4)); },
                   [](const Bytes&, std::size_t n) { return AllBut(n, {150}); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Bytes lost next to a record boundary inside a run of records with shared
// vertices. The record on the far side of the break then reads a few bytes of
// its neighbour as its own (its first normal bytes, or its attribute word) and
// still looks perfect; it must not be written. Losing the record next to it is
// the price: which of the two got the foreign bytes shows nowhere.
struct EdgeLossCase {
    const char* name;
    Style style;
    bool colours;        // every facet its own attribute word
    std::size_t bytes;   // deleted
    bool atRecordStart;  // from the start of record k, else up to its end
};

class SalvageEdgeLossTest : public SalvageTest, public ::testing::WithParamInterface<EdgeLossCase> {};

TEST_P(SalvageEdgeLossTest, NoRecordMadeOfTwoAndAtMostTheNeighboursLost)
{
    const EdgeLossCase& c = GetParam();
    Mesh mesh = Torus(12, 8, c.style);
    if (c.colours)
        for (std::size_t i = 0; i < mesh.facets.size(); ++i)
            mesh.facets[i].attribute = static_cast<std::uint16_t>(0x8000 | (i * 37));
    const std::vector<Bytes> originals = Records(mesh);
    // Early in the file: the run after the break is the longer one.
    const std::size_t k = 40;
    Bytes source = mesh.File();
    const std::size_t from = c.atRecordStart ? kRec(k) : kRec(k) + 50 - c.bytes;
    source.erase(source.begin() + static_cast<std::ptrdiff_t>(from),
                 source.begin() + static_cast<std::ptrdiff_t>(from + c.bytes));
    const std::vector<long> got = Which(Salvage(source), originals);
    EXPECT_EQ(std::count(got.begin(), got.end(), -1L), 0) << "a record that was never in the file";
    std::vector<long> expected;  // every original but k-1, k and k+1, in order
    for (long i = 0; i < static_cast<long>(originals.size()); ++i)
        if (i < static_cast<long>(k) - 1 || i > static_cast<long>(k) + 1)
            expected.push_back(i);
    std::vector<long> outside;
    std::copy_if(got.begin(), got.end(), std::back_inserter(outside),
                 [&](long i) { return i < static_cast<long>(k) - 1 || i > static_cast<long>(k) + 1; });
    EXPECT_EQ(outside, expected) << Difference(outside, expected);
    EXPECT_TRUE(std::is_sorted(got.begin(), got.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, SalvageEdgeLossTest,
    ::testing::Values(EdgeLossCase{"OneByteAtStartImprecise", Style::Imprecise, false, 1, true},
                      EdgeLossCase{"TwoBytesAtStartImprecise", Style::Imprecise, false, 2, true},
                      EdgeLossCase{"OneByteAtEndImprecise", Style::Imprecise, false, 1, false},
                      EdgeLossCase{"TwoBytesAtEndImprecise", Style::Imprecise, false, 2, false},
                      EdgeLossCase{"TwoBytesAtStartSmoothed", Style::Smoothed, false, 2, true},
                      EdgeLossCase{"TwoBytesAtEndSmoothed", Style::Smoothed, false, 2, false},
                      EdgeLossCase{"TwoBytesAtStartExact", Style::Exact, false, 2, true},
                      EdgeLossCase{"TwoBytesAtEndExact", Style::Exact, false, 2, false},
                      EdgeLossCase{"OneByteAtStartColours", Style::Imprecise, true, 1, true},
                      EdgeLossCase{"TwoBytesAtEndColours", Style::Imprecise, true, 2, false},
                      EdgeLossCase{"TwoBytesAtEndZeroNormals", Style::Zero, false, 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Exactly a multiple of 50 bytes deleted: the grid stays in step, and the
// record the cut goes through is the first bytes of record k and the last of
// record k + m, inside a run of real records. It holds k's normal on vertices
// (some of them) of k + m and must not be written; every other record must be.
struct SpliceCase {
    const char* name;
    std::function<Mesh()> mesh;
    std::size_t k;
    std::size_t cut;      // byte of record k where the deletion starts
    std::size_t records;  // m: 50 x m bytes deleted
};

Mesh SpliceTorus(Style style) { return Torus(16, 10, style); }

class SalvageSpliceTest : public SalvageTest, public ::testing::WithParamInterface<SpliceCase> {};

TEST_P(SalvageSpliceTest, RecordMadeOfTwoIsNotWrittenAndEveryOtherIs)
{
    const SpliceCase& c = GetParam();
    const Mesh mesh = c.mesh();
    const std::vector<Bytes> originals = Records(mesh);
    const std::size_t k = c.k;
    Bytes source = mesh.File();
    const auto from = source.begin() + static_cast<std::ptrdiff_t>(kRec(k) + c.cut);
    source.erase(from, from + static_cast<std::ptrdiff_t>(50 * c.records));
    const std::vector<long> got = Which(Salvage(source), originals);
    std::vector<long> expected;
    for (long i = 0; i < static_cast<long>(originals.size()); ++i)
        if (i < static_cast<long>(k) || i > static_cast<long>(k + c.records))
            expected.push_back(i);
    EXPECT_EQ(got, expected) << Difference(got, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, SalvageSpliceTest,
    ::testing::Values(
        // The normal strays from the vertices' normal.
        SpliceCase{"InTheNormalExact", [] { return SpliceTorus(Style::Exact); }, 90, 2, 3},
        SpliceCase{"WholeNormalExact", [] { return SpliceTorus(Style::Exact); }, 90, 12, 5},
        SpliceCase{"WholeNormalImprecise", [] { return SpliceTorus(Style::Imprecise); }, 90, 12, 5},
        SpliceCase{"InTheFirstVertexReversed", [] { return SpliceTorus(Style::Reversed); }, 90, 18, 3},
        SpliceCase{"InTheSecondVertexExact", [] { return SpliceTorus(Style::Exact); }, 90, 30, 5},
        SpliceCase{"InTheSecondVertexImprecise", [] { return SpliceTorus(Style::Imprecise); }, 90, 30, 7},
        SpliceCase{"InTheThirdVertexImprecise", [] { return SpliceTorus(Style::Imprecise); }, 90, 41, 3},
        // A bottom facet's normal on a top facet's vertices: along the line, against the way.
        SpliceCase{"NormalOfTheOtherSideOfAPlate", [] { return Plate(6, false); }, 40, 12, 2},
        // No normal to go by: a vertex of its own in a closed, welded mesh.
        SpliceCase{"InTheSecondVertexZeroNormals", [] { return SpliceTorus(Style::Zero); }, 90, 30, 3},
        SpliceCase{"InTheThirdVertexZeroNormals", [] { return SpliceTorus(Style::Zero); }, 90, 43, 6}),
    [](const auto& info) { return std::string(info.param.name); });

// A normal that strays far from its vertices' normal, in a file whose layout
// is intact: nothing can have been spliced, and it is the exporter's own.
TEST_F(SalvageTest, StrayNormalOfAnIntactFileIsKept)
{
    Mesh mesh = Torus(16, 10, Style::Exact);
    Facet& odd = mesh.facets[77];
    const float x = odd.n[0], y = odd.n[1];
    odd.n[0] = std::cos(0.3f) * x - std::sin(0.3f) * y;
    odd.n[1] = std::sin(0.3f) * x + std::cos(0.3f) * y;
    const Bytes source = mesh.File();
    EXPECT_EQ(Salvage(source), source);
}

// Every LF byte became CR LF: a record with an LF inside got a byte inserted
// and is lost; every other one survived, one byte further on per LF before it.
TEST_F(SalvageTest, TextModeTransferKeepsEveryRecordWithoutAnLineFeed)
{
    for (const Style style : {Style::Imprecise, Style::Zero, Style::Exact}) {
        const Mesh mesh = Torus(30, 20, style);
        const std::vector<Bytes> originals = Records(mesh);
        const Bytes file = mesh.File();
        Bytes source;
        for (unsigned char b : file) {
            if (b == 0x0A)
                source.push_back(0x0D);
            source.push_back(b);
        }
        std::vector<long> expected;
        for (long i = 0; i < static_cast<long>(originals.size()); ++i)
            if (std::find(originals[i].begin() + 1, originals[i].end(), 0x0A) == originals[i].end())
                expected.push_back(i);
        ASSERT_LT(expected.size(), originals.size() - 20);  // the fixture has line feeds to lose
        const std::vector<long> got = Which(Salvage(source), originals);
        EXPECT_EQ(got, expected) << Difference(got, expected);
    }
}

// A long zero run (an unreadable sector) that ends inside the first bytes of a
// record: the zeros took the low bytes of a tiny normal component, and what is
// left is exactly the normal the vertices give, though the file never had it.
TEST_F(SalvageTest, ZerosThatEndInsideANormalKeepNoRecordTheyChanged)
{
    Mesh mesh = Plate(6, false);
    for (Facet& f : mesh.facets)
        f.n[0] = 6.6e-7f;  // what some exporters write for an axis-aligned facet
    const std::vector<Bytes> originals = Records(mesh);
    const std::size_t k = 60;
    Bytes source = mesh.File();
    std::fill(source.begin() + static_cast<std::ptrdiff_t>(kRec(k) - 200),
              source.begin() + static_cast<std::ptrdiff_t>(kRec(k) + 4), 0);
    std::vector<long> unchanged;
    for (std::size_t i : Unchanged(mesh.File(), originals.size(), kRec(k) - 200, kRec(k) + 4))
        unchanged.push_back(static_cast<long>(i));
    ASSERT_EQ(std::count(unchanged.begin(), unchanged.end(), static_cast<long>(k)), 0);
    const std::vector<long> got = Which(Salvage(source), originals);
    EXPECT_EQ(got, unchanged) << Difference(got, unchanged);
}

// The first test, sixteen offsets at a time on exponent bytes alone, must keep
// every offset the full test would keep: in records of every normal style,
// misaligned bytes, zeros and garbage.
TEST(SalvagePrefilter, KeepsEveryOffsetTheFullTestKeeps)
{
    Bytes data;
    std::size_t records = 0;
    for (const Style style : {Style::Exact, Style::Imprecise, Style::Reversed, Style::Zero, Style::Smoothed}) {
        const Mesh mesh = Torus(10, 7, style, 0x1234, true);
        records += mesh.facets.size();
        const Bytes file = mesh.File();
        data.insert(data.end(), file.begin(), file.end());
        const Bytes garbage = Garbage(997, static_cast<unsigned>(style) + 1);
        data.insert(data.end(), garbage.begin(), garbage.end());
        data.insert(data.end(), 300, 0);
    }
    const Mesh plateMesh = Plate(5, false);
    records += plateMesh.facets.size();
    const Bytes plate = plateMesh.File();
    data.insert(data.end(), plate.begin(), plate.end());
    data.insert(data.end(), 200, 0);  // room for the last offsets' reads
    std::size_t kept = 0;
    for (std::size_t at = 0; at + 64 + 49 + 200 <= data.size(); at += 64) {
        const std::uint64_t mask = kalvo::NormalPrefilter(data.data() + at, 64);
        for (unsigned i = 0; i < 64; ++i) {
            kalvo::SalvageCandidate c;
            const std::size_t p = at + i;
            kalvo::EvaluateCandidate(data.data() + p, p, data.data() + p + 50, data.size() - p - 50, true, c);
            if (c.plausible) {
                ++kept;
                EXPECT_TRUE((mask >> i) & 1u) << "offset " << p;
            }
        }
    }
    EXPECT_GE(kept, records);  // the records at least
}

TEST_F(SalvageTest, GarbageAndZerosGiveNothing)
{
    for (const Bytes& source : {Garbage(300000, 9), Bytes(300000, 0)}) {
        WriteFile(src, source);
        Recorder r;
        EXPECT_EQ(RunEx(src, dst, KALVO_MODE_SALVAGE, &r), 0);
        const Bytes fixed = ReadFile(dst);
        EXPECT_EQ(fixed.size(), 84u);
        EXPECT_EQ(r.Of(EM_FACET_COUNT).at(0).number, 0u);
    }
}

TEST_F(SalvageTest, TwoFilesJoinedGiveTheRecordsOfBoth)
{
    const Mesh a = Torus(12, 8, Style::Exact), b = Torus(9, 7, Style::Zero, 0x1234);
    const Bytes first = a.File(), second = b.File("second");
    Bytes joined = first;
    joined.insert(joined.end(), second.begin(), second.end());
    // Not the first file's last record: what follows it could have overwritten
    // its attribute word, and the two files do not write one attribute. Nor the
    // second file's first: foreign zero bytes could have made its zero normal,
    // and the file as a whole does not write zero normals.
    std::vector<Bytes> expected = Records(a);
    expected.pop_back();
    for (const Bytes& r : Records(b))
        expected.push_back(r);
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(a.facets.size() - 1));
    const Bytes fixed = Salvage(joined);
    std::vector<Bytes> all = Records(a);
    for (const Bytes& r : Records(b))
        all.push_back(r);
    EXPECT_EQ(Which(fixed, all), Which(expected, all)) << Difference(Which(fixed, all), Which(expected, all));
    EXPECT_EQ(Records(fixed), expected);
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + 80, fixed.begin()));  // the first file's header
}

TEST_F(SalvageTest, MessagesFollowTheJobProtocol)
{
    const Mesh mesh = Torus(40, 30, Style::Exact);  // 2400 facets
    Bytes source = Insert(mesh.File(), kRec(500), Garbage(1000, 5));
    Recorder r;
    const Bytes fixed = Salvage(source, &r);
    const auto seq = r.Sequence();
    ASSERT_GE(seq.size(), 4u);
    EXPECT_EQ(seq[0], static_cast<std::uint32_t>(EM_PROGRESS));
    EXPECT_EQ(seq[1], static_cast<std::uint32_t>(EM_SOURCE_FILE));
    EXPECT_EQ(r.Of(EM_SOURCE_FILE).at(0).text, U16(src));
    const auto percents = r.Percents();
    EXPECT_EQ(percents.front(), 0u);
    EXPECT_EQ(percents.back(), 100u);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(r.Texts(EM_LOG), (std::vector<std::u16string>{u"Total count of processed facets: 1000.",
                                                            u"Total count of processed facets: 2000.",
                                                            u"Total count of processed facets: 2400.",
                                                            u"Final data processing."}));
    EXPECT_EQ(r.Of(EM_FACET_COUNT).at(0).number, 2400u);
    EXPECT_EQ(StoredCount(fixed), 2400u);
    // Asked before every record candidate of both scanning passes, before every
    // 4 KiB of the source in them, and before every record written.
    EXPECT_GE(r.abortQuestions, 2 * (2400 + source.size() / 4096) + 2400);
    EXPECT_TRUE(r.Of(EM_ERROR).empty());
}

TEST_F(SalvageTest, StopAtTheFirstQuestionLeavesAWellFormedEmptyFile)
{
    const Bytes source = Torus(12, 8, Style::Exact).File();
    WriteFile(src, source);
    Recorder r;
    r.abortWhen = [](std::uint64_t) { return true; };
    EXPECT_EQ(RunEx(src, dst, KALVO_MODE_SALVAGE, &r), 0);
    const Bytes fixed = ReadFile(dst);
    EXPECT_EQ(fixed.size(), 84u);
    EXPECT_TRUE(std::equal(source.begin(), source.begin() + 80, fixed.begin()));
    EXPECT_EQ(r.abortQuestions, 1u);
    EXPECT_EQ(r.Texts(EM_LOG), std::vector<std::u16string>{u"Final data processing."});
}

TEST_F(SalvageTest, MissingSourceMakesNoTarget)
{
    Recorder r;
    EXPECT_EQ(RunEx(dir.File("absent.stl"), dst, KALVO_MODE_SALVAGE, &r), 0);
    EXPECT_FALSE(std::filesystem::exists(dst));
    EXPECT_EQ(r.Sequence(), (std::vector<std::uint32_t>{EM_PROGRESS, EM_SOURCE_FILE, EM_FACET_COUNT, EM_PROGRESS}));
}

TEST_F(SalvageTest, TargetThatIsTheSourceLeavesTheSourceUntouched)
{
    const Bytes source = Torus(12, 8, Style::Zero).File();
    WriteFile(src, source);
    EXPECT_EQ(RunEx(src, src, KALVO_MODE_SALVAGE, nullptr), 0);
    EXPECT_EQ(ReadFile(src), source);
}

// The strict mode of the second entry is the first entry's job: same bytes, same messages.
TEST_F(SalvageTest, StrictModeEqualsTheFirstEntry)
{
    Mesh mesh = RandomMesh(1500, 4);
    Bytes source = Insert(mesh.File(), kRec(700) + 3, Garbage(77, 6));
    std::fill(source.begin() + 20480, source.begin() + 20992, 0);
    WriteFile(src, source);
    for (const std::u16string eps : {u"1e-6", u"abc", u"2.5e-4"}) {
        Recorder viaFirst, viaSecond;
        const std::string dstFirst = dir.File("first.stl"), dstSecond = dir.File("second.stl");
        const std::int32_t r1 = RunJob(U16(src), U16(dstFirst), &viaFirst, eps);
        const std::int32_t r2 =
            RunEx(src, dstSecond, KALVO_MODE_STRICT, &viaSecond, KALVO_JOB_OPTIONS_VERSION, sizeof(KalvoJobOptions), eps);
        EXPECT_EQ(r1, r2);
        EXPECT_EQ(ReadFile(dstFirst), ReadFile(dstSecond));
        EXPECT_EQ(viaFirst.events, viaSecond.events);
        EXPECT_EQ(viaFirst.abortQuestions, viaSecond.abortQuestions);
    }
}

// A record the engine does not know is refused without a word and without a file.
struct RefusalCase {
    const char* name;
    std::uint32_t version, size, mode;
};
class SalvageRefusalTest : public SalvageTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SalvageRefusalTest, RefusedWithResultZeroAndNoMessages)
{
    WriteFile(src, Torus(12, 8, Style::Exact).File());
    Recorder r;
    EXPECT_EQ(RunEx(src, dst, GetParam().mode, &r, GetParam().version, GetParam().size), 0);
    EXPECT_TRUE(r.events.empty());
    EXPECT_FALSE(std::filesystem::exists(dst));
}

INSTANTIATE_TEST_SUITE_P(
    Records, SalvageRefusalTest,
    ::testing::Values(RefusalCase{"UnknownVersion", 2, sizeof(KalvoJobOptions), KALVO_MODE_SALVAGE},
                      RefusalCase{"VersionZero", 0, sizeof(KalvoJobOptions), KALVO_MODE_STRICT},
                      RefusalCase{"ShorterRecord", 1, sizeof(KalvoJobOptions) - 4, KALVO_MODE_SALVAGE},
                      RefusalCase{"LongerRecord", 1, sizeof(KalvoJobOptions) + 8, KALVO_MODE_STRICT},
                      RefusalCase{"UnknownMode", 1, sizeof(KalvoJobOptions), 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SalvageEntry, NullRecordsAreRefused)
{
    EXPECT_EQ(RunRepairJobEx(nullptr), 0);
    KalvoJobEx job{};
    EXPECT_EQ(RunRepairJobEx(&job), 0);
}

}  // namespace
