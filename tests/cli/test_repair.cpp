// End-to-end: meshwright repair, run as a separate program on generated files.
#include "cli_test_support.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace clitest;

namespace {

const std::vector<Bytes> kRecords = RandomRecords(120, 7);

// ---- what gets written ----

struct WrittenCase {
    const char* name;
    Bytes source;
    Bytes expected;  // the whole target
    int status;
};

std::vector<WrittenCase> WrittenCases()
{
    const Bytes intact = Stl(kRecords);
    const std::vector<Bytes> first(kRecords.begin(), kRecords.begin() + 60);
    const std::vector<Bytes> second(kRecords.begin() + 60, kRecords.end());
    const Bytes header = Header("binary test mesh", 120);
    return {
        {"intact file, byte for byte", intact, intact, 0},
        {"garbage between records", header + Join(first) + Garbage(777, 1) + Join(second), intact, 0},
        {"zeroed sector and a wrong count",
         Header("binary test mesh", 5) + Join(first) + Bytes(4096, '\0') + Join(second), intact, 0},
        {"cut off inside the last record", header + Join(kRecords).substr(0, 50 * 120 - 9),
         Header("binary test mesh", 119) + Join(std::vector<Bytes>(kRecords.begin(), kRecords.end() - 1)), 0},
        {"no facet at all", Header("nothing here", 0) + Garbage(3000, 2),
         Header("nothing here", 0), 1},
        {"ten bytes", Bytes("0123456789"), Bytes("0123456789") + Bytes(74, '\0'), 1},
    };
}

TEST(Repair, WritesTheIntactFacetsAndExitsByResult)
{
    for (const WrittenCase& c : WrittenCases()) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteFile(dir / "part.stl", c.source);
        const RunResult r = RunProgram({"repair", "part.stl"}, dir.Path().string());
        EXPECT_EQ(r.status, c.status) << r;
        EXPECT_EQ(ReadFile(dir / "part_fixed.stl"), c.expected);
        EXPECT_EQ(ReadFile(dir / "part.stl"), c.source) << "the source is never changed";
    }
}

// ---- where the target goes ----

struct NamingCase {
    std::vector<std::string> args;
    std::vector<std::string> sources;  // created before the run
    std::vector<std::string> targets;  // expected afterwards
};

TEST(Repair, NamesTheTargetAsTheDesktopProgramProposes)
{
    const NamingCase cases[] = {
        {{"part.stl"}, {"part.stl"}, {"part_fixed.stl"}},
        {{"x.STL"}, {"x.STL"}, {"x_fixed.STL"}},
        {{"a.b/part"}, {"a.b/part"}, {"a.b/part_fixed"}},
        {{"scan.tar.stl"}, {"scan.tar.stl"}, {"scan.tar_fixed.stl"}},
        {{"-o", "out/good.stl", "part.stl"}, {"part.stl", "out/keep"}, {"out/good.stl"}},
        {{"--out-dir", "out", "one.stl", "sub/two.stl"}, {"one.stl", "sub/two.stl", "out/keep"},
         {"out/one_fixed.stl", "out/two_fixed.stl"}},
        {{"--out-dir=made/here", "--mkdir", "one.stl"}, {"one.stl"}, {"made/here/one_fixed.stl"}},
        {{"--output=new/dst.stl", "--mkdir", "one.stl"}, {"one.stl"}, {"new/dst.stl"}},
    };
    for (const NamingCase& c : cases) {
        TempDir dir;
        std::string trace;
        for (const auto& a : c.args)
            trace += a + " ";
        SCOPED_TRACE(trace);
        for (const std::string& source : c.sources) {
            fs::create_directories(fs::path(dir / source).parent_path());
            WriteFile(dir / source, Stl(kRecords));
        }
        std::vector<std::string> args{"repair"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const RunResult r = RunProgram(args, dir.Path().string());
        EXPECT_EQ(r.status, 0) << r;
        for (const std::string& target : c.targets)
            EXPECT_EQ(ReadFile(dir / target), Stl(kRecords)) << target;
    }
}

TEST(Repair, ManySourcesOneFailingGivesStatusOne)
{
    TempDir dir;
    WriteFile(dir / "good.stl", Stl(kRecords));
    WriteFile(dir / "bad.stl", Garbage(500, 3));
    const RunResult r = RunProgram({"repair", "good.stl", "bad.stl"}, dir.Path().string());
    EXPECT_EQ(r.status, 1) << r;
    EXPECT_EQ(ReadFile(dir / "good_fixed.stl"), Stl(kRecords));
    EXPECT_EQ(ReadFile(dir / "bad_fixed.stl"), Garbage(500, 3).substr(0, 80) + U32(0));
    EXPECT_NE(r.err.find("'bad.stl': no intact facet found"), std::string::npos) << r;
}

TEST(Repair, OverwriteReplacesAnExistingTarget)
{
    TempDir dir;
    WriteFile(dir / "part.stl", Stl(kRecords));
    WriteFile(dir / "part_fixed.stl", Bytes(100000, 'x'));
    const RunResult r = RunProgram({"repair", "--overwrite", "part.stl"}, dir.Path().string());
    EXPECT_EQ(r.status, 0) << r;
    EXPECT_EQ(ReadFile(dir / "part_fixed.stl"), Stl(kRecords)) << "no bytes of the old target may remain";
}

// ---- refusals: status 2 and nothing changed ----

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    std::string message;                          // part of standard error
    std::function<void(const TempDir&)> prepare;  // beyond part.stl and other.stl
};

TEST(Repair, RefusalsChangeNothing)
{
    const auto noPrep = [](const TempDir&) {};
    const RefusalCase cases[] = {
        {"missing source", {"missing.stl"}, "cannot read source 'missing.stl': No such file or directory", noPrep},
        {"source is a folder", {"folder.stl"}, "is a folder", [](const TempDir& d) { fs::create_directory(d / "folder.stl"); }},
        {"target exists", {"part.stl"}, "target 'part_fixed.stl' already exists (use --overwrite",
         [](const TempDir& d) { WriteFile(d / "part_fixed.stl", "old"); }},
        {"target is the source", {"--overwrite", "-o", "part.stl", "part.stl"}, "is the source 'part.stl' itself",
         noPrep},
        {"target is the source through a symbolic link", {"--overwrite", "-o", "link.stl", "part.stl"},
         "is the source 'part.stl' itself", [](const TempDir& d) { fs::create_symlink("part.stl", d / "link.stl"); }},
        {"target is the source through a hard link", {"--overwrite", "-o", "hard.stl", "part.stl"},
         "is the source 'part.stl' itself", [](const TempDir& d) { fs::create_hard_link(d / "part.stl", d / "hard.stl"); }},
        {"target is another source of the run", {"--overwrite", "part.stl", "part_fixed.stl"},
         "is the source 'part_fixed.stl' of this run",
         [](const TempDir& d) { WriteFile(d / "part_fixed.stl", Stl(kRecords)); }},
        {"two sources, one target", {"--out-dir", "out", "part.stl", "sub/part.stl"}, "would both be repaired to",
         [](const TempDir& d) {
             fs::create_directories(d / "sub");
             fs::create_directories(d / "out");
             WriteFile(d / "sub/part.stl", Stl(kRecords));
         }},
        {"the same source twice", {"part.stl", "./part.stl"}, "would both be repaired to", noPrep},
        {"target folder missing", {"-o", "nowhere/x.stl", "part.stl"},
         "target folder 'nowhere' does not exist (use --mkdir", noPrep},
        {"out-dir missing", {"--out-dir", "nowhere", "part.stl"}, "target folder 'nowhere' does not exist", noPrep},
        {"target folder is a file", {"--mkdir", "-o", "other.stl/x.stl", "part.stl"}, "is not a folder", noPrep},
        {"target is a folder", {"--overwrite", "-o", "dir", "part.stl"}, "target 'dir' is a folder",
         [](const TempDir& d) { fs::create_directory(d / "dir"); }},
        {"refused second source stops the first", {"part.stl", "missing.stl"}, "cannot read source 'missing.stl'",
         noPrep},
        {"path not UTF-8", {"bad\xff.stl"}, "is not valid UTF-8", [](const TempDir& d) { WriteFile(d / "bad\xff.stl", Stl(kRecords)); }},
        {"-o with two sources", {"-o", "x.stl", "part.stl", "other.stl"}, "'-o' names one target", noPrep},
        {"-o and --out-dir", {"-o", "x.stl", "--out-dir", ".", "part.stl"}, "cannot be used together", noPrep},
        {"no source", {"--overwrite"}, "no source file given", noPrep},
        {"unknown option", {"--frobnicate", "part.stl"}, "unknown option '--frobnicate'", noPrep},
        {"option without value", {"part.stl", "-o"}, "option '-o' needs a value", noPrep},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteFile(dir / "part.stl", Stl(kRecords));
        WriteFile(dir / "other.stl", Stl(kRecords));
        c.prepare(dir);
        const auto before = Snapshot(dir.Path());
        std::vector<std::string> args{"repair"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const RunResult r = RunProgram(args, dir.Path().string());
        EXPECT_EQ(r.status, 2) << r;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(Snapshot(dir.Path()), before);
    }
}

TEST(Repair, RefusesWhatPermissionsForbid)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* message;
        std::function<void(const TempDir&)> prepare;
    };
    const Case cases[] = {
        {"unreadable source", {"part.stl"}, "cannot read source 'part.stl': Permission denied",
         [](const TempDir& d) { fs::permissions(d / "part.stl", fs::perms::none); }},
        {"target folder without write permission", {"-o", "ro/x.stl", "part.stl"},
         "cannot write in target folder 'ro': Permission denied",
         [](const TempDir& d) {
             fs::create_directory(d / "ro");
             fs::permissions(d / "ro", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                           fs::perms::others_exec);
         }},
        {"read-only target with --overwrite", {"--overwrite", "part.stl"},
         "cannot replace target 'part_fixed.stl': Permission denied",
         [](const TempDir& d) {
             WriteFile(d / "part_fixed.stl", "old");
             fs::permissions(d / "part_fixed.stl", fs::perms::owner_read | fs::perms::others_read);
         }},
    };
    // The superuser may do all of this: run the program as an ordinary user then,
    // when such a user can reach the program where this build put it.
    const bool asRoot = geteuid() == 0;
    if (asRoot) {
        const pid_t probe = fork();
        if (probe == 0)
            _exit(setgid(65534) == 0 && setuid(65534) == 0 && access(MESHWRIGHT_PROGRAM, X_OK) == 0 ? 0 : 1);
        int status = 0;
        waitpid(probe, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            GTEST_SKIP() << "an ordinary user cannot run " << MESHWRIGHT_PROGRAM << " from this folder";
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteFile(dir / "part.stl", Stl(kRecords));
        if (asRoot)
            fs::permissions(dir.Path(), fs::perms::all);
        c.prepare(dir);
        const auto before = Snapshot(dir.Path());
        std::vector<std::string> args{"repair"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const RunResult r = RunProgram(args, dir.Path().string(), {}, [asRoot] {
            if (asRoot && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(125);
        });
        EXPECT_EQ(r.status, 2) << r;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r;
        EXPECT_EQ(Snapshot(dir.Path()), before);
    }
}

TEST(Repair, AnEngineErrorIsShownOnceAndFailsTheFile)
{
    TempDir dir;
    WriteFile(dir / "part.stl", Stl(kRecords));
    // A file-size limit makes the target's writes fail as a full disk would.
    const RunResult r = RunProgram({"repair", "--json", "part.stl"}, dir.Path().string(), {}, [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{2000, 2000};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(r.status, 1) << r;
    const Json object = JsonLines(r.out).at(0);
    EXPECT_EQ(object["result"].String(), "failed");
    ASSERT_EQ(object["errors"].Items().size(), 1u);
    EXPECT_NE(object["errors"].Items()[0].String().find("Disk full while accessing"), std::string::npos) << r;
    EXPECT_EQ(object["messages"].Strings(), object["errors"].Strings());
    const std::string error = object["errors"].Items()[0].String();
    std::size_t shown = 0;
    for (std::size_t at = r.err.find(error); at != std::string::npos; at = r.err.find(error, at + 1))
        ++shown;
    EXPECT_EQ(shown, 1u) << "the message-box copy of the error is not repeated\n" << r;
    EXPECT_NE(r.err.find("'part_fixed.stl' may be incomplete"), std::string::npos) << r;
}

// ---- precision ----

struct PrecisionCase {
    const char* text;
    bool warns;
    int status;
};

TEST(Repair, WarnsWhenThePrecisionFallsBackToTheDefault)
{
    const PrecisionCase cases[] = {
        {"1e-6", false, 0},  {"2.5e-4xyz", false, 0}, {" +.5", false, 0},    {"1.", false, 0},
        {"abc", true, 0},    {"", true, 0},           {"0", true, 0},        {"1e39", true, 0},
        {"1e-50", true, 0},  {"nan", true, 0},        {"inf", true, 0},      {"0x1p-3", true, 0},
        {"1e999", true, 0},  {"-1e-3", false, 1},  // negative: accepted, and then nothing can pass
    };
    for (const PrecisionCase& c : cases) {
        SCOPED_TRACE(std::string("precision '") + c.text + "'");
        TempDir dir;
        WriteFile(dir / "part.stl", Stl(kRecords));
        const RunResult r = RunProgram({"repair", "--precision", c.text, "part.stl"}, dir.Path().string());
        EXPECT_EQ(r.status, c.status) << r;
        EXPECT_EQ(r.err.find("the default 1e-6 will be used") != std::string::npos, c.warns) << r;
        EXPECT_EQ(ReadFile(dir / "part_fixed.stl").size(), c.status == 0 ? Stl(kRecords).size() : 84u);
    }
}

// ---- output ----

TEST(Repair, JsonGivesOneObjectPerFileAndNothingElse)
{
    TempDir dir;
    const std::string odd = "we\"ird\\ name\t\x01\xc3\xa9.stl";
    WriteFile(dir / odd, Header("h", 999) + Join(kRecords) + Garbage(100, 4));
    WriteFile(dir / "short.stl", "0123456789");
    const RunResult r = RunProgram({"repair", "--json", "--precision", "junk", odd, "short.stl"}, dir.Path().string());
    EXPECT_EQ(r.status, 1) << r;
    const std::vector<Json> objects = JsonLines(r.out);
    ASSERT_EQ(objects.size(), 2u) << r;

    const Json& first = objects[0];
    EXPECT_EQ(first["source"].String(), odd);
    EXPECT_EQ(first["target"].String(), "we\"ird\\ name\t\x01\xc3\xa9_fixed.stl");
    EXPECT_EQ(first["facets_written"].Number(), 120);
    EXPECT_EQ(first["stored_count"].Number(), 999);
    EXPECT_EQ(first["source_bytes"].Number(), 84 + 50 * 120 + 100);
    EXPECT_GE(first["seconds"].Number(), 0);
    EXPECT_EQ(first["result"].String(), "repaired");
    EXPECT_TRUE(first["errors"].Items().empty());
    EXPECT_TRUE(first["messages"].Items().empty());
    EXPECT_EQ(first["log"].Strings(),
              (std::vector<std::string>{"Total count of processed facets: 120.", "Final data processing."}));
    ASSERT_EQ(first["warnings"].Items().size(), 1u);
    EXPECT_NE(first["warnings"].Items()[0].String().find("'junk'"), std::string::npos);

    const Json& second = objects[1];
    EXPECT_EQ(second["source"].String(), "short.stl");
    EXPECT_EQ(second["facets_written"].Number(), 0);
    EXPECT_TRUE(second["stored_count"].IsNull()) << "a 10-byte file has no header";
    EXPECT_EQ(second["source_bytes"].Number(), 10);
    EXPECT_EQ(second["result"].String(), "no_facets");
    EXPECT_EQ(second["log"].Strings(), std::vector<std::string>{"Final data processing."});
    EXPECT_EQ(ReadFile(dir / "we\"ird\\ name\t\x01\xc3\xa9_fixed.stl"), Header("h", 120) + Join(kRecords));
    EXPECT_NE(r.out.find("\\u0001"), std::string::npos) << "control characters are escaped";
    EXPECT_NE(r.out.find("\xc3\xa9"), std::string::npos) << "the rest of UTF-8 stays as it is";
}

TEST(Repair, ShowsTheEngineTextsInTheUsersLanguage)
{
    TempDir dir;
    WriteFile(dir / "part.stl", Stl(kRecords));
    const RunResult english = RunProgram({"repair", "--json", "part.stl"}, dir.Path().string(),
                                  {"LANGUAGE=", "LC_ALL=C", "LC_MESSAGES=", "LANG=C"});
    fs::remove(dir / "part_fixed.stl");
    const RunResult german = RunProgram({"repair", "--json", "part.stl"}, dir.Path().string(),
                                 {"LANGUAGE=", "LC_ALL=de_DE.UTF-8", "LANG="});
    ASSERT_EQ(english.status, 0) << english;
    ASSERT_EQ(german.status, 0) << german;
    const auto englishLog = JsonLines(english.out).at(0)["log"].Strings();
    const auto germanLog = JsonLines(german.out).at(0)["log"].Strings();
    ASSERT_EQ(englishLog.size(), 2u);
    ASSERT_EQ(germanLog.size(), 2u);
    EXPECT_EQ(englishLog[1], "Final data processing.");
    EXPECT_NE(germanLog[1], englishLog[1]) << "LC_ALL=de_DE must select the German engine texts";
    EXPECT_NE(germanLog[0].find("120"), std::string::npos);
}

TEST(Repair, QuietLeavesOnlyErrors)
{
    TempDir dir;
    WriteFile(dir / "good.stl", Stl(kRecords));
    WriteFile(dir / "bad.stl", Garbage(300, 5));
    const RunResult r = RunProgram({"repair", "-q", "--precision", "zero", "good.stl", "bad.stl"}, dir.Path().string());
    EXPECT_EQ(r.status, 1) << r;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Lines(r.err), std::vector<std::string>{"meshwright: 'bad.stl': no intact facet found"}) << r;
}

TEST(Repair, PlainProgressWhenStandardErrorIsNoTerminal)
{
    TempDir dir;
    WriteFile(dir / "part.stl", Stl(RandomRecords(2500, 9)));
    const RunResult r = RunProgram({"repair", "part.stl"}, dir.Path().string());
    ASSERT_EQ(r.status, 0) << r;
    EXPECT_EQ(r.err.find('\r'), std::string::npos) << "no bar drawing into a pipe";
    const auto lines = Lines(r.err);
    EXPECT_EQ(lines.front(), "meshwright: repairing 'part.stl' -> 'part_fixed.stl'");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  50%"), lines.end()) << r;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Total count of processed facets: 2000."), lines.end()) << r;
    EXPECT_EQ(lines.back(), "  Final data processing.");
    EXPECT_NE(r.out.find("'part.stl' -> 'part_fixed.stl': 2,500 facets recovered"), std::string::npos) << r;
}

// ---- interrupting ----

// Reads everything left in fd until the writer closes it.
std::string Drain(int fd)
{
    std::string out;
    char buffer[4096];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(got));
    return out;
}

TEST(Repair, InterruptLeavesAWellFormedTargetAndStopsTheRun)
{
    // Records in runs between blocks of garbage: several MB, and a log line every
    // 1000 facets, so the program's standard error fills a small pipe mid-scan.
    const std::vector<Bytes> records = RandomRecords(150000, 11);
    Bytes source = Header("slow", 0);
    for (std::size_t i = 0; i < records.size(); i += 500) {
        for (std::size_t k = i; k < i + 500; ++k)
            source += records[k];
        source += Garbage(1500, static_cast<unsigned>(i));
    }
    TempDir dir;
    WriteFile(dir / "big.stl", source);
    WriteFile(dir / "next.stl", Stl(kRecords));

    int errPipe[2];
    ASSERT_EQ(pipe(errPipe), 0);
    ASSERT_GT(fcntl(errPipe[1], F_SETPIPE_SZ, 4096), 0);
    const int capacity = fcntl(errPipe[1], F_GETPIPE_SZ);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(errPipe[1], 2);
        close(errPipe[0]);
        close(errPipe[1]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        if (chdir(dir.Path().c_str()) != 0)
            _exit(126);
        execl(MESHWRIGHT_PROGRAM, MESHWRIGHT_PROGRAM, "repair", "big.stl", "next.stl", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(errPipe[1]);

    // The pipe is full and stays full: the program is blocked writing progress from
    // inside the scan. The signal then lands while the scan is certainly running.
    int last = -1;
    for (int stable = 0; stable < 20;) {
        usleep(10000);
        int queued = 0;
        ASSERT_EQ(ioctl(errPipe[0], FIONREAD, &queued), 0);
        int status;
        ASSERT_EQ(waitpid(pid, &status, WNOHANG), 0) << "the program ended before it was interrupted";
        stable = (queued == last && queued > capacity - 256) ? stable + 1 : 0;
        last = queued;
    }
    ASSERT_EQ(kill(pid, SIGINT), 0);
    const std::string err = Drain(errPipe[0]);
    close(errPipe[0]);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << err;
    EXPECT_EQ(WEXITSTATUS(status), 130) << err;

    const Bytes target = ReadFile(dir / "big_fixed.stl");
    const std::vector<Bytes> written = RecordsOf(target);
    EXPECT_GT(written.size(), 0u);
    EXPECT_LT(written.size(), records.size()) << "the scan must have been stopped early";
    EXPECT_TRUE(std::equal(written.begin(), written.end(), records.begin())) << "the records found so far, in order";
    EXPECT_EQ(target.substr(0, 80), source.substr(0, 80));
    EXPECT_FALSE(fs::exists(dir / "next_fixed.stl")) << "the remaining source must not be started";
    EXPECT_NE(err.find("interrupted: 'big_fixed.stl' is a well-formed STL file of the"), std::string::npos) << err;
    EXPECT_NE(err.find("1 remaining source(s) not started"), std::string::npos) << err;
}

// ---- a terminal ----

TEST(Repair, DrawsABarOnATerminal)
{
    TempDir dir;
    WriteFile(dir / "part.stl", Stl(RandomRecords(3000, 12)));
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string slaveName = ptsname(master);
    struct winsize size {};
    size.ws_col = 200;
    size.ws_row = 40;
    ASSERT_EQ(ioctl(master, TIOCSWINSZ, &size), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        const int slave = open(slaveName.c_str(), O_RDWR | O_NOCTTY);
        dup2(slave, 2);
        close(slave);
        close(master);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        if (chdir(dir.Path().c_str()) != 0)
            _exit(126);
        execl(MESHWRIGHT_PROGRAM, MESHWRIGHT_PROGRAM, "repair", "part.stl", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Read while it runs: a terminal's buffer is small. Reading ends with EIO
    // once the program has closed its side.
    std::string screen;
    char buffer[4096];
    for (ssize_t got; (got = read(master, buffer, sizeof buffer)) > 0;)
        screen.append(buffer, static_cast<std::size_t>(got));
    close(master);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_EQ(WEXITSTATUS(status), 0) << screen;
    EXPECT_NE(screen.find("\r\x1b[K[########################] 100%"), std::string::npos) << screen;
    EXPECT_NE(screen.find("part.stl  Total count of processed facets: 3000."), std::string::npos) << screen;
    EXPECT_NE(screen.find("  Final data processing."), std::string::npos) << screen;
}

}  // namespace

// A file whose exporter wrote zero normals: a plain repair keeps nothing, a
// salvage keeps every record, byte for byte.
TEST(Repair, SalvageKeepsRecordsWhateverTheirStoredNormal)
{
    std::vector<Bytes> records;
    for (Bytes r : RandomRecords(300, 23)) {
        std::memset(r.data(), 0, 12);
        records.push_back(r);
    }
    TempDir dir;
    const Bytes source = Stl(records);
    WriteFile(dir / "plate.stl", source);
    const RunResult strict = RunProgram({"repair", "--json", "-o", "strict.stl", "plate.stl"}, dir.Path().string());
    EXPECT_EQ(strict.status, 1) << strict;
    EXPECT_EQ(JsonLines(strict.out).at(0)["mode"].String(), "strict");
    EXPECT_EQ(JsonLines(strict.out).at(0)["facets_written"].Number(), 0);

    const RunResult salvage =
        RunProgram({"repair", "--salvage", "--json", "-o", "salvaged.stl", "plate.stl"}, dir.Path().string());
    EXPECT_EQ(salvage.status, 0) << salvage;
    const Json object = JsonLines(salvage.out).at(0);
    EXPECT_EQ(object["mode"].String(), "salvage");
    EXPECT_EQ(object["facets_written"].Number(), 300);
    EXPECT_EQ(ReadFile(dir / "salvaged.stl"), source);
}
