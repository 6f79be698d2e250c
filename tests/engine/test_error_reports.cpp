// How failures inside a job reach the host: the file-error causes and their
// texts, and the mapping of each kind of error to EM_ERROR and EM_SHOW_MESSAGE.
#include "EngineStrings.h"
#include "engine_test_support.h"
#include "framework/Exceptions.h"
#include "framework/Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

using namespace enginetest;
using kalvo::CFileException;

namespace {

TEST(FileErrorTexts, EveryCauseNamesTheFile)
{
    const std::u16string name = u"/data/part.stl";
    const std::pair<int, std::u16string> cases[] = {
        {0, u"No error occurred."},
        {1, u"An unknown error occurred while accessing /data/part.stl."},
        {2, u"/data/part.stl was not found."},
        {3, u"/data/part.stl contains an incorrect path."},
        {4, u"Could not open /data/part.stl because there are too many open files."},
        {5, u"Access to /data/part.stl was denied."},
        {6, u"An incorrect file handle was associated with /data/part.stl."},
        {7, u"Could not remove /data/part.stl because it is the current directory."},
        {8, u"Could not create /data/part.stl because the directory is full."},
        {9, u"Seek failed on /data/part.stl"},
        {10, u"Encountered a hardware I/O error while accessing /data/part.stl."},
        {11, u"Encountered a sharing violation while accessing /data/part.stl."},
        {12, u"Encountered a locking violation while accessing /data/part.stl."},
        {13, u"Disk full while accessing /data/part.stl."},
        {14, u"Attempted to access /data/part.stl past its end."},
    };
    for (const auto& [cause, text] : cases) {
        std::u16string message;
        EXPECT_TRUE(CFileException(cause, 0, name).GetErrorMessage(message));
        EXPECT_EQ(message, text) << cause;
    }
    std::u16string unnamed;
    CFileException(13).GetErrorMessage(unnamed);
    EXPECT_EQ(unnamed, u"Disk full while accessing an unnamed file.");
}

TEST(FileErrorTexts, OperatingSystemCodesMapToCauses)
{
    const std::pair<int, int> cases[] = {
        {ENOENT, CFileException::fileNotFound},   {ENAMETOOLONG, CFileException::badPath},
        {EMFILE, CFileException::tooManyOpenFiles}, {ENFILE, CFileException::tooManyOpenFiles},
        {EACCES, CFileException::accessDenied},   {EPERM, CFileException::accessDenied},
        {EBADF, CFileException::invalidFile},     {EIO, CFileException::hardIO},
        {ENOSPC, CFileException::diskFull},       {EDQUOT, CFileException::diskFull},
        {EFBIG, CFileException::diskFull},        {EAGAIN, CFileException::sharingViolation},
        {ENOLCK, CFileException::lockViolation},  {ESPIPE, CFileException::badSeek},
        {EPROTO, CFileException::genericException},
    };
    for (const auto& [err, cause] : cases)
        EXPECT_EQ(CFileException::OsErrorToCause(err), cause) << err;
}

class ErrorReportTest : public ::testing::Test {
protected:
    FaultScope faults;
    TempDir dir;
    std::string src = dir.File("in.stl"), dst = dir.File("out.stl");
    void SetUp() override { WriteFile(src, RandomMesh(3000, 5).File()); }
};

TEST_F(ErrorReportTest, SharingViolationShowsTheCloseOtherProgramsText)
{
    FaultyOs::watchedPath = src;
    FaultyOs::writeBudget = 84 + 50 * 100;
    FaultyOs::writeErrno = EAGAIN;
    Recorder rec;
    EXPECT_EQ(RunJob(U16(src), U16(dst), &rec), 0);
    EXPECT_EQ(rec.Texts(EM_ERROR), std::vector<std::u16string>{
        u"Error 1: Cannot open the file to be repaired. Encountered a sharing violation while accessing " + U16(dst) + u"."});
    EXPECT_EQ(rec.Texts(EM_SHOW_MESSAGE), std::vector<std::u16string>{kalvo::FormatText(
        kalvo::FindEngineText(1033, kalvo::IDS_SHARE_VIOLATION), {std::u16string_view(U16(dst))})});
}

// A host callback that throws once, at the first abort question.
template <typename Thrown>
struct ThrowingHost {
    static inline bool thrown = false;
    static inline Recorder recorder;
    static std::int32_t Callback(std::uint32_t message, std::uintptr_t param, void* context)
    {
        if (message == EM_QUERY_ABORT && !thrown) {
            thrown = true;
            throw Thrown{};
        }
        return Recorder::Callback(message, param, context);
    }
};

template <typename Thrown>
std::vector<std::u16string> ErrorsWhenTheHostThrows(const std::string& src, const std::string& dst)
{
    using Host = ThrowingHost<Thrown>;
    Host::thrown = false;
    Host::recorder = Recorder{};
    const std::u16string s = U16(src), t = U16(dst), eps = u"1e-6";
    TOptionsStruct options{0, 1033, nullptr, eps.c_str()};
    RepairJob job{s.c_str(), &options, 0, t.c_str(), &Host::Callback, &Host::recorder};
    unsigned char block[sizeof job];
    std::memcpy(block, &job, sizeof job);
    for (unsigned char& b : block)
        b ^= RepairJobKey;
    EXPECT_EQ(RunRepairJob(block), 0);
    EXPECT_EQ(Host::recorder.Texts(EM_SHOW_MESSAGE), Host::recorder.Texts(EM_ERROR));
    EXPECT_EQ(Host::recorder.Of(EM_FACET_COUNT).at(0).number, 0u);
    return Host::recorder.Texts(EM_ERROR);
}

struct NotAnException {};

TEST_F(ErrorReportTest, OtherErrorsUseFormatTwoOrThree)
{
    EXPECT_EQ(ErrorsWhenTheHostThrows<std::bad_alloc>(src, dst),
              std::vector<std::u16string>{u"Error 2: General error. Out of memory."});
    EXPECT_EQ(ErrorsWhenTheHostThrows<NotAnException>(src, dst),
              std::vector<std::u16string>{u"Error 3: Unknown error in whole recovery process."});
}

// Formats 1 and 2 follow the operating system's language, not the job's.
TEST_F(ErrorReportTest, FileErrorFormatFollowsTheSystemLanguage)
{
    const char* saved = std::getenv("LC_ALL");
    const std::string keep = saved ? saved : "";
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    FaultyOs::watchedPath = src;
    FaultyOs::writeBudget = 0;
    Recorder rec;
    RunJob(U16(src), U16(dst), &rec, u"1e-6", 1036 /* French job */);
    if (saved)
        setenv("LC_ALL", keep.c_str(), 1);
    else
        unsetenv("LC_ALL");
    const std::u16string description = u"Disk full while accessing " + U16(dst) + u".";
    EXPECT_EQ(rec.Texts(EM_ERROR), std::vector<std::u16string>{kalvo::FormatText(
        kalvo::FindEngineText(1031, kalvo::IDS_ERROR_FILE), {std::u16string_view(description)})});
    // The log lines follow the job's language.
    FaultyOs::writeBudget = -1;
    Recorder french;
    RunJob(U16(src), U16(dst), &french, u"1e-6", 1036);
    ASSERT_FALSE(french.Texts(EM_LOG).empty());
    EXPECT_EQ(french.Texts(EM_LOG).back(), kalvo::FindEngineText(1036, kalvo::IDS_FINAL_PROCESSING));
}

}  // namespace
