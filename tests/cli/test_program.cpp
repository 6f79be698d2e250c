// End-to-end: help, version, usage errors and the bundled sample.
#include "cli_test_support.h"

using namespace clitest;

namespace {

TEST(Program, HelpVersionAndUsage)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* out;  // start of standard output
        const char* err;  // part of standard error
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: meshwright COMMAND", ""},
        {{"help", "repair"}, 0, "Usage: meshwright repair [OPTION]... SRC...", ""},
        {{"repair", "--help"}, 0, "Usage: meshwright repair [OPTION]... SRC...", ""},
        {{"info", "-h"}, 0, "Usage: meshwright info [OPTION]... FILE...", ""},
        {{"--version"}, 0, "meshwright " MESHWRIGHT_VERSION "\n", ""},
        {{}, 2, "", "meshwright: no command given\nTry 'meshwright --help'"},
        {{"fix", "a.stl"}, 2, "", "unknown command 'fix'"},
        {{"info"}, 2, "", "info: no file given"},
        {{"info", "--bogus", "a.stl"}, 2, "", "unknown option '--bogus'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? std::string("(none)") : c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
        const RunResult r = RunProgram(c.args);
        EXPECT_EQ(r.status, c.status) << r;
        EXPECT_EQ(r.out.compare(0, std::strlen(c.out), c.out), 0) << r;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r;
        if (c.status != 0) {
            EXPECT_EQ(r.out, "");
        }
    }
    // Each help text names its options, exit codes and examples.
    for (const char* command : {"repair", "info"}) {
        const RunResult r = RunProgram({command, "--help"});
        EXPECT_NE(r.out.find("Options:"), std::string::npos);
        EXPECT_NE(r.out.find("Exit status:"), std::string::npos);
        EXPECT_NE(r.out.find("Examples:"), std::string::npos);
    }
}

TEST(Sample, TheDamagedSampleGivesBackTheIntactFacetsOfTheOriginal)
{
    const std::string folder = MESHWRIGHT_SAMPLE_DIR;
    const Bytes original = ReadFile(folder + "/sample_original.stl");
    const Bytes damaged = ReadFile(folder + "/sample_damaged.stl");
    const std::vector<Bytes> originalRecords = RecordsOf(original);
    ASSERT_GE(originalRecords.size(), 20000u);
    ASSERT_LE(originalRecords.size(), 100000u);
    EXPECT_NE(damaged.size(), 84 + 50 * ReadU32(damaged, 80)) << "the damaged sample's size must not agree";

    TempDir dir;
    const RunResult intact = RunProgram({"repair", "-q", "-o", dir / "intact.stl", folder + "/sample_original.stl"});
    ASSERT_EQ(intact.status, 0) << intact;
    EXPECT_EQ(ReadFile(dir / "intact.stl"), original) << "every stored normal must pass as it is";

    const RunResult r = RunProgram({"repair", "--json", "-o", dir / "fixed.stl", folder + "/sample_damaged.stl"});
    ASSERT_EQ(r.status, 0) << r;
    const std::vector<Bytes> fixed = RecordsOf(ReadFile(dir / "fixed.stl"));
    EXPECT_EQ(JsonLines(r.out).at(0)["facets_written"].Number(), static_cast<double>(fixed.size()));
    // Lost: the records under three zeroed sectors, two split by inserted bytes,
    // and those cut off at the end; nothing else.
    EXPECT_GT(fixed.size(), originalRecords.size() - 300);
    EXPECT_LT(fixed.size(), originalRecords.size());
    std::size_t k = 0;
    for (const Bytes& record : fixed) {
        while (k < originalRecords.size() && originalRecords[k] != record)
            ++k;
        ASSERT_LT(k, originalRecords.size()) << "a repaired record that is not in the original, or out of order";
        ++k;
    }
}

}  // namespace
