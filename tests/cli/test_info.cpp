// End-to-end: meshwright info on files of every kind it tells apart.
#include "cli_test_support.h"

using namespace clitest;

namespace {

const std::vector<Bytes> kRecords = RandomRecords(30, 21);

const Bytes kTextStl =
    "solid cube_corner\n"
    "  facet normal 0 0 -1\n"
    "    outer loop\n"
    "      vertex 0 0 0\n"
    "      vertex 1 0 0\n"
    "      vertex 0 1 0\n"
    "    endloop\n"
    "  endfacet\n"
    "  facet normal 0 -1 0\n"
    "    outer loop\n"
    "      vertex 0 0 0\n"
    "      vertex 0 0 1\n"
    "      vertex 1 0 0\n"
    "    endloop\n"
    "  endfacet\n"
    "endsolid cube_corner\n";

struct InfoCase {
    const char* name;
    Bytes content;
    const char* format;        // the JSON spelling
    const char* formatLine;    // the line a person reads
    std::optional<double> storedCount;
    std::optional<bool> sizeAgrees;
};

std::vector<InfoCase> Cases()
{
    return {
        {"intact binary", Stl(kRecords), "binary", "  format:        binary STL", 30, true},
        {"binary whose header begins with solid", Stl(kRecords, "solid part exported by a CAD program"), "binary",
         "  format:        binary STL", 30, true},
        {"damaged binary whose header begins with solid",
         Header("solid part", 30) + Join(kRecords) + Garbage(33, 1), "binary", "  format:        binary STL", 30,
         false},
        {"binary header, count and no records, text-like header", Header("solid " + Bytes(74, ' '), 0), "header_only",
         "  format:        header only", 0, true},
        {"text STL", kTextStl, "text_stl", "  format:        text STL (solid 'cube_corner'), 2 facets", {}, {}},
        {"text STL cut off", kTextStl.substr(0, 140), "text_stl",
         "  format:        text STL (solid 'cube_corner'), 1 facets, no \"endsolid\" at the end (cut off?)", {}, {}},
        {"HTML page", "<!DOCTYPE html>\n<html><head><title>Download part.stl</title></head><body>"
                      "<p>Sign in to download this model.</p></body></html>\n",
         "html", "  format:        HTML page", {}, {}},
        {"other text", "This is a plain text file that someone renamed to .stl, and it has no facets in it at all.\n",
         "text", "  format:        text", {}, {}},
        {"empty", "", "empty", "  format:        empty", {}, {}},
        {"header only", Bytes(50, 'A'), "header_only", "  format:        header only", {}, {}},
    };
}

TEST(Info, TellsTheKindsOfFilesApart)
{
    TempDir dir;
    for (const InfoCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        WriteFile(dir / "file.stl", c.content);

        const RunResult json = RunProgram({"info", "--json", "file.stl"}, dir.Path().string());
        ASSERT_EQ(json.status, 0) << json;
        const std::vector<Json> objects = JsonLines(json.out);
        ASSERT_EQ(objects.size(), 1u) << json;
        const Json& facts = objects[0];
        EXPECT_EQ(facts["file"].String(), "file.stl");
        EXPECT_EQ(facts["size"].Number(), static_cast<double>(c.content.size()));
        EXPECT_EQ(facts["format"].String(), c.format);
        if (c.storedCount) {
            EXPECT_EQ(facts["stored_count"].Number(), *c.storedCount);
            EXPECT_EQ(facts["expected_size"].Number(), 84 + 50 * *c.storedCount);
        } else {
            EXPECT_TRUE(facts["stored_count"].IsNull());
        }
        if (c.sizeAgrees)
            EXPECT_EQ(facts["size_agrees"].Bool(), *c.sizeAgrees);
        else
            EXPECT_TRUE(facts["size_agrees"].IsNull());

        const RunResult text = RunProgram({"info", "file.stl"}, dir.Path().string());
        ASSERT_EQ(text.status, 0) << text;
        const auto lines = Lines(text.out);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.formatLine), lines.end()) << text;
    }
}

TEST(Info, ShowsHeaderCountAndTheSizeRule)
{
    TempDir dir;
    Bytes header = Header("solid part\x01\x02 v2", 32);
    WriteFile(dir / "part.stl", header + Join(kRecords));
    const RunResult r = RunProgram({"info", "part.stl"}, dir.Path().string());
    ASSERT_EQ(r.status, 0) << r;
    EXPECT_EQ(r.out,
              "'part.stl'\n"
              "  size:          1,584 bytes\n"
              "  format:        binary STL\n"
              "  header:        \"solid part.. v2\"\n"
              "  stored count:  32 facets\n"
              "  size check:    does not agree: 1,684 bytes expected, 100 bytes missing\n"
              "  room for:      30 facet records\n"
              "  normals:       of the first 30 records: 30 exact, 0 imprecise, 0 reversed, 0 zero, 0 not a facet's normal\n"
              "  note:          the size does not agree with the stored count: the file is damaged or has extra "
              "data; 'meshwright repair' recovers the intact facets\n");
}

TEST(Info, SaysTheEngineDoesNotReadTextStl)
{
    TempDir dir;
    WriteFile(dir / "ascii.stl", kTextStl);
    const RunResult info = RunProgram({"info", "ascii.stl"}, dir.Path().string());
    EXPECT_NE(info.out.find("meshwright repairs binary STL only (the engine does not read text STL)"),
              std::string::npos)
        << info;
    // And indeed: a repair finds nothing in it.
    const RunResult repair = RunProgram({"repair", "-q", "ascii.stl"}, dir.Path().string());
    EXPECT_EQ(repair.status, 1) << repair;
}

TEST(Info, UnreadableFilesGiveStatusOneAndTheOthersAreStillShown)
{
    TempDir dir;
    WriteFile(dir / "part.stl", Stl(kRecords));
    const RunResult r = RunProgram({"info", "--json", "missing.stl", "part.stl"}, dir.Path().string());
    EXPECT_EQ(r.status, 1) << r;
    const std::vector<Json> objects = JsonLines(r.out);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["error"].String(), "cannot read: No such file or directory");
    EXPECT_EQ(objects[1]["format"].String(), "binary");
    EXPECT_NE(r.err.find("cannot read 'missing.stl'"), std::string::npos) << r;
}

}  // namespace

// Records whose stored normals are what many exporters write: zero, reversed,
// a little off. The census tells them apart and recommends a salvage.
TEST(Info, CountsStoredNormalsAndRecommendsSalvage)
{
    const auto styled = [](int style) {
        std::vector<Bytes> records;
        for (const Bytes& exact : RandomRecords(40, 17)) {
            Bytes r = exact;
            float n[3];
            std::memcpy(n, r.data(), 12);
            if (style == 1)
                n[0] = n[1] = n[2] = 0.0f;
            if (style == 2)
                for (float& x : n) x = -x;
            if (style == 3) {
                n[0] += 1e-4f;
            }
            std::memcpy(r.data(), n, 12);
            records.push_back(r);
        }
        return records;
    };
    struct Case {
        int style;
        const char* counts;
        bool recommended;
    } cases[] = {
        {0, "40 exact, 0 imprecise, 0 reversed, 0 zero", false},
        {1, "0 exact, 0 imprecise, 0 reversed, 40 zero", true},
        {2, "0 exact, 0 imprecise, 40 reversed, 0 zero", true},
        {3, "0 exact, 40 imprecise, 0 reversed, 0 zero", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        TempDir dir;
        WriteFile(dir / "plate.stl", Stl(styled(c.style)));
        const RunResult text = RunProgram({"info", "plate.stl"}, dir.Path().string());
        ASSERT_EQ(text.status, 0) << text;
        EXPECT_NE(text.out.find(c.counts), std::string::npos) << text;
        EXPECT_EQ(text.out.find("--salvage") != std::string::npos, c.recommended) << text;
        const RunResult json = RunProgram({"info", "--json", "plate.stl"}, dir.Path().string());
        const Json facts = JsonLines(json.out).at(0);
        EXPECT_EQ(facts["salvage_recommended"].Bool(), c.recommended);
        EXPECT_EQ(facts["normals"]["sampled"].Number(), 40);
    }
}
