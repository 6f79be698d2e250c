#include "support/TarqUtils.h"

#include "localization/TarqStrings.h"
#include "platform/Format.h"
#include "platform/Registry.h"
#include "platform/ScriptedSeams.h"

#include "../platform/QtPrinters.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr double Hour = 1.0 / 24;
constexpr double Minute = Hour / 60;
constexpr double Second = Minute / 60;

struct TTextCase {
    const char* Name;
    QString Input;
    QString Expected;
};

std::string CaseName(const ::testing::TestParamInfo<TTextCase>& info)
{
    return info.param.Name;
}

class RemoveFileExtCases : public ::testing::TestWithParam<TTextCase> {};
TEST_P(RemoveFileExtCases, Result)
{
    EXPECT_EQ(RemoveFileExt(GetParam().Input), GetParam().Expected);
}
INSTANTIATE_TEST_SUITE_P(Names, RemoveFileExtCases,
                         ::testing::Values(TTextCase{"DotInFolderOnly", "/a.b/c", "/a.b/c"},
                                           TTextCase{"LastExtensionOnly", "report.tar.gz", "report.tar"},
                                           TTextCase{"OnlyExtension", ".cfg", ""},
                                           TTextCase{"FullPath", "/opt/tools/tarq64.exe", "/opt/tools/tarq64"},
                                           TTextCase{"NoExtension", "/usr/bin/tarq", "/usr/bin/tarq"},
                                           TTextCase{"TrailingDot", "name.", "name"},
                                           TTextCase{"BackslashIsAFileNameCharacter", "a.b\\c", "a"},
                                           TTextCase{"ColonIsAFileNameCharacter", "a.b:c", "a"},
                                           TTextCase{"Empty", "", ""}),
                         CaseName);

class GetRegAppNameCases : public ::testing::TestWithParam<TTextCase> {};
TEST_P(GetRegAppNameCases, Result)
{
    EXPECT_EQ(GetRegAppName(GetParam().Input), GetParam().Expected);
}
INSTANTIATE_TEST_SUITE_P(Paths, GetRegAppNameCases,
                         ::testing::Values(TTextCase{"SixtyFourBuild", "/opt/Program Files/tarq64.exe", "tarq"},
                                           TTextCase{"PlainBuild", "tarq.exe", "tarq"},
                                           TTextCase{"OnlySixtyFour", "/opt/64.exe", ""},
                                           TTextCase{"LinuxProgram", "/usr/bin/tarq", "tarq"},
                                           TTextCase{"LinuxSixtyFour", "/usr/bin/tarq64", "tarq"},
                                           TTextCase{"SixtyFourOnlyOnce", "/x/tarq6464", "tarq64"},
                                           TTextCase{"SixtyFourInFolderIgnored", "/build64/tarq", "tarq"},
                                           TTextCase{"SixtyFourAsExtensionIsDropped", "/x/tarq.64", "tarq"}),
                         CaseName);

struct TFilterCase {
    const char* Name;
    QString Filter;
    int Index;
    QString Expected;
};

class GetFilterExtCases : public ::testing::TestWithParam<TFilterCase> {};
TEST_P(GetFilterExtCases, Result)
{
    EXPECT_EQ(GetFilterExt(GetParam().Filter, GetParam().Index), GetParam().Expected);
}
const QString StlFilter = QStringLiteral("STL files (*.stl)|*.stl|All files (*.*)|*.*");
INSTANTIATE_TEST_SUITE_P(
    Filters, GetFilterExtCases,
    ::testing::Values(TFilterCase{"FirstEntry", StlFilter, 1, "stl"},
                      TFilterCase{"SecondEntry", StlFilter, 2, "*"},
                      TFilterCase{"IndexZero", StlFilter, 0, ""},
                      TFilterCase{"IndexNegative", StlFilter, -1, ""},
                      TFilterCase{"IndexPastEnd", StlFilter, 3, ""},
                      TFilterCase{"FirstOfSeveralPatterns", "Meshes|*.stl;*.obj|Text|*.txt", 1, "stl"},
                      TFilterCase{"LaterEntryAfterList", "Meshes|*.stl;*.obj|Text|*.txt", 2, "txt"},
                      TFilterCase{"PatternWithoutDot", "Any|*", 1, ""},
                      TFilterCase{"DescriptionOnly", "Only a description", 1, ""},
                      TFilterCase{"EmptyFilter", "", 1, ""},
                      TFilterCase{"EmptyPatterns", "A||B|*.b", 1, ""},
                      TFilterCase{"AfterEmptyPatterns", "A||B|*.b", 2, "b"}),
    [](const ::testing::TestParamInfo<TFilterCase>& info) { return std::string(info.param.Name); });

class HtmlToPlainTextCases : public ::testing::TestWithParam<TTextCase> {};
TEST_P(HtmlToPlainTextCases, Result)
{
    EXPECT_EQ(HtmlToPlainText(GetParam().Input), GetParam().Expected);
}
INSTANTIATE_TEST_SUITE_P(
    Texts, HtmlToPlainTextCases,
    ::testing::Values(TTextCase{"BreakAndBold", "A<br>B<B>C</B>", "A\nBC"},
                      TTextCase{"BreakAnyCase", "a<BR>b<Br>c<bR>d", "a\nb\nc\nd"},
                      TTextCase{"SuccessMessage",
                                "STL file 'a.stl' has been repaired successfully!<BR><BR>Now you can open the fixed "
                                "file 'b.stl'.<BR><BR>",
                                "STL file 'a.stl' has been repaired successfully!\n\nNow you can open the fixed file "
                                "'b.stl'.\n\n"},
                      TTextCase{"LinkTags", "<a href=\"x\">here</a>", "here"},
                      TTextCase{"UnclosedTagEnds", "a<b", "a<b"},
                      TTextCase{"UnclosedAfterTags", "<B>x</B> y < z", "x y < z"},
                      TTextCase{"LoneGreater", "a > b", "a > b"},
                      TTextCase{"AdjacentTags", "<i><b>t</b></i>", "t"},
                      TTextCase{"Empty", "", ""}),
    CaseName);

TEST(TrackingCode, AddedWithoutEscapingEvenAfterQuery)
{
    EXPECT_EQ(AddTrackingCode("https://host/p/", ""), "https://host/p/");
    EXPECT_EQ(AddTrackingCode("https://host/p/", "news letter&x"), "https://host/p/?utm_source=news letter&x");
    EXPECT_EQ(AddTrackingCode("https://host/p/?a=1", "c1"), "https://host/p/?a=1?utm_source=c1");
}

class TrackingCodeStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        FOldXdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", FDir.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", FOldXdg); }
    QTemporaryDir FDir;
    QByteArray FOldXdg;
};

TEST_F(TrackingCodeStore, ReadFromTheFrameworkKeyOfTheProgram)
{
    EXPECT_EQ(GetTrackingCode("/opt/tarq64"), "");
    {
        TRegistryIniFile reg("\\Software\\tarq");
        reg.WriteString("Misc", "TrackingCode", "spring");
    }
    EXPECT_EQ(GetTrackingCode("/opt/tarq64"), "spring");
    EXPECT_EQ(GetTrackingCode("/opt/tarq"), "spring");
    EXPECT_EQ(GetTrackingCode("/opt/other"), "");

    // The running program's own key.
    {
        TRegistryIniFile reg("\\Software\\" + GetRegAppName(QCoreApplication::applicationFilePath()));
        reg.WriteString("Misc", "TrackingCode", "own");
    }
    EXPECT_EQ(AddTrackingCode("https://host/"), "https://host/?utm_source=own");
}

struct TElapsedCase {
    const char* Name;
    const QString* Pattern;
    double Elapsed;
    QString Expected;
};

class FormatElapsedTimeCases : public ::testing::TestWithParam<TElapsedCase> {};
TEST_P(FormatElapsedTimeCases, Result)
{
    EXPECT_EQ(FormatElapsedTime(*GetParam().Pattern, GetParam().Elapsed), GetParam().Expected);
}
INSTANTIATE_TEST_SUITE_P(
    Catalogue, FormatElapsedTimeCases,
    ::testing::Values(
        TElapsedCase{"LabelHourAndMinutes", &SConsumedTimeLabel, Hour + 5 * Minute, "0 day(s) 1 hour(s) 5 minute(s) "},
        TElapsedCase{"LabelZero", &SConsumedTimeLabel, 0, "0 day(s) 0 hour(s) 0 minute(s) "},
        TElapsedCase{"Consumed", &SConsumedTime, 2 + 3 * Hour + 4 * Minute + 5.006 * Second,
                     "Consumed time: 2 day(s) 3 hour(s) 4 minute(s) 5 second(s) 6 millisecond(s)."},
        TElapsedCase{"Batch", &SBatchConsumedTime, 1 + 59 * Second,
                     "Batch repair consumed time: 1 day(s) 0 hour(s) 0 minute(s) 59 second(s) 0 millisecond(s)."},
        TElapsedCase{"AlmostADayRoundsToOne", &SConsumedTime, 1 - 0.0001 * Second,
                     "Consumed time: 1 day(s) 0 hour(s) 0 minute(s) 0 second(s) 0 millisecond(s)."},
        TElapsedCase{"NegativeShowsZero", &SConsumedTimeLabel, -Hour, "0 day(s) 0 hour(s) 0 minute(s) "}),
    [](const ::testing::TestParamInfo<TElapsedCase>& info) { return std::string(info.param.Name); });

TEST(FormatElapsedTime, PatternsThatDoNotFitOneNumberFail)
{
    EXPECT_THROW(FormatElapsedTime("\"%s day(s)\" h", Hour), EFormatError);
    EXPECT_THROW(FormatElapsedTime("\"%d %d\" h", Hour), EFormatError);
    EXPECT_THROW(FormatElapsedTime("\"100%\"", Hour), EFormatError);
    // No "%d" at all: the days are simply not shown.
    EXPECT_EQ(FormatElapsedTime("h \"h\"", 2 + Hour), "1 h");
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        FOldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", FDir.path().toLocal8Bit());
        FRoot = QDir(FDir.path()).canonicalPath() + '/';
    }
    void TearDown() override { qputenv("TMPDIR", FOldTmp); }
    void Touch(const QString& name) const
    {
        QFile file(FRoot + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir FDir;
    QByteArray FOldTmp;
    QString FRoot;
};

TEST_F(TempFolder, UniqueNameSkipsTakenNamesAndCreatesNothing)
{
    EXPECT_EQ(GetUniqueTempFileName(".exe"), FRoot + "File0.exe");
    Touch("File0.exe");
    Touch("File1.exe");
    EXPECT_EQ(GetUniqueTempFileName(".exe"), FRoot + "File2.exe");
    // A folder or a dangling link takes the name as much as a file does.
    ASSERT_TRUE(QDir(FRoot).mkdir("File2.exe"));
    ASSERT_TRUE(QFile::link(FRoot + "missing", FRoot + "File3.exe"));
    EXPECT_EQ(GetUniqueTempFileName(".exe"), FRoot + "File4.exe");
    EXPECT_EQ(GetUniqueTempFileName(""), FRoot + "File0");
    EXPECT_FALSE(QFile::exists(FRoot + "File4.exe"));
}

TEST_F(TempFolder, ExecuteFileGoesThroughTheShell)
{
    TShellRecorder shell;
    Touch("fixed.stl");
    EXPECT_GT(ExecuteFile(nullptr, FRoot + "fixed.stl"), 32);
    shell.Result = false;
    EXPECT_LE(ExecuteFile(nullptr, FRoot + "fixed.stl"), 32);
    ASSERT_EQ(shell.Requests.size(), 2);
    EXPECT_EQ(shell.Requests[0].Target, FRoot + "fixed.stl");
    EXPECT_EQ(shell.Requests[0].Verb, "");

    // A missing file never reaches the desktop.
    EXPECT_EQ(ExecuteFile(nullptr, FRoot + "none.stl"), ExecuteFileNotFound);
    EXPECT_EQ(ExecuteFile(nullptr, ""), ExecuteFileNotFound);
    EXPECT_EQ(shell.Requests.size(), 2);
}

struct TConfirmCase {
    const char* Name;
    bool YesToAll, NoToAll;
    bool WithBox;
    int Answer;  // mrNone: the box must not be asked
    bool Result;
    bool YesToAllAfter, NoToAllAfter, CancelAfter;
};

class ConfirmOverwriteCases : public ::testing::TestWithParam<TConfirmCase> {};

TEST_P(ConfirmOverwriteCases, Result)
{
    const TConfirmCase& c = GetParam();
    TScriptedMessages script;
    if (c.Answer != mrNone)
        script.Answer({c.Answer});
    TbsSkinMessage box;
    bool yesToAll = c.YesToAll, noToAll = c.NoToAll, cancel = true;
    const QString question = Format(SFileExistWarning, QStringLiteral("/m/a_fixed.stl"));
    EXPECT_EQ(ConfirmOverwrite(c.WithBox ? &box : nullptr, question, yesToAll, noToAll, cancel), c.Result);
    EXPECT_EQ(yesToAll, c.YesToAllAfter);
    EXPECT_EQ(noToAll, c.NoToAllAfter);
    EXPECT_EQ(cancel, c.CancelAfter);
    if (c.Answer == mrNone) {
        EXPECT_TRUE(script.Asked.isEmpty());
        return;
    }
    ASSERT_EQ(script.Asked.size(), 1);
    EXPECT_EQ(script.Asked[0].Kind, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(script.Asked[0].Text, question);
    EXPECT_EQ(script.Asked[0].Buttons, (TMsgDlgButtons{mbYes, mbNo, mbCancel, mbNoToAll, mbYesToAll}));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ConfirmOverwriteCases,
    ::testing::Values(TConfirmCase{"Yes", false, false, true, mrYes, true, false, false, false},
                      TConfirmCase{"No", false, false, true, mrNo, false, false, false, false},
                      TConfirmCase{"NoToAll", false, false, true, mrNoToAll, false, false, true, false},
                      TConfirmCase{"YesToAll", false, false, true, mrYesToAll, true, true, false, false},
                      TConfirmCase{"Cancel", false, false, true, mrCancel, true, false, false, true},
                      TConfirmCase{"ClosedOtherwise", false, false, true, mrClose, true, false, false, false},
                      TConfirmCase{"NoToAllSetAsksNothing", false, true, true, mrNone, false, false, true, false},
                      TConfirmCase{"NoToAllWinsOverYesToAll", true, true, true, mrNone, false, true, true, false},
                      TConfirmCase{"YesToAllSetAsksNothing", true, false, true, mrNone, true, true, false, false},
                      TConfirmCase{"NoBoxMeansYes", false, false, false, mrNone, true, false, false, false}),
    [](const ::testing::TestParamInfo<TConfirmCase>& info) { return std::string(info.param.Name); });

} // namespace
