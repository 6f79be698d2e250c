// The source reader: window refill choice, sector-split error-tolerant reads.
#include "FileEx.h"
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <memory>

using namespace enginetest;
using kalvo::CFile;
using kalvo::CFileEx;

namespace {

Bytes Pattern(std::size_t n)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<unsigned char>((i * 131 + i / 251) & 0xFF);
    return b;
}

class FileExTest : public ::testing::Test {
protected:
    FaultScope faults;
    TempDir dir;
    std::string path = dir.File("source.bin");
    Bytes content;
    std::unique_ptr<CFileEx> owned = std::make_unique<CFileEx>();
    CFileEx* fp = owned.get();

    void OpenWith(std::size_t size, unsigned sectorSize = 512)
    {
        content = Pattern(size);
        WriteFile(path, content);
        FaultyOs::watchedPath = path;
        FaultyOs::sectorSize = sectorSize;
        ASSERT_TRUE(fp->Open(U16(path).c_str(), CFile::modeRead | CFile::shareDenyWrite));
        FaultyOs::readSizes.clear();
    }
    Bytes ReadAt(std::uint64_t pos, unsigned n)
    {
        fp->Seek(static_cast<std::int64_t>(pos), CFile::begin);
        Bytes out(n);
        out.resize(fp->Read(out.data(), n));
        return out;
    }
    Bytes Slice(std::uint64_t pos, std::size_t n) const
    {
        const std::size_t end = std::min<std::size_t>(content.size(), pos + n);
        return Bytes(content.begin() + static_cast<std::ptrdiff_t>(pos), content.begin() + static_cast<std::ptrdiff_t>(end));
    }
};

TEST_F(FileExTest, ReadAtTheEndIsShortUntilTheNextPositionChange)
{
    OpenWith(1000);
    EXPECT_EQ(ReadAt(1000, 12).size(), 0u);
    EXPECT_TRUE(fp->IsShortRead());
    fp->Seek(1000, CFile::begin);  // same position: still short
    EXPECT_TRUE(fp->IsShortRead());
    fp->Seek(10, CFile::begin);
    EXPECT_FALSE(fp->IsShortRead());
    EXPECT_EQ(ReadAt(995, 12), Slice(995, 5));
    EXPECT_TRUE(fp->IsShortRead());
    EXPECT_EQ(fp->GetPosition(), 1000u);
}

TEST_F(FileExTest, RefillChoiceFollowsThePositionRules)
{
    OpenWith(400000);
    // Fresh object: A loads at P.
    EXPECT_EQ(ReadAt(65530, 12), Slice(65530, 12));
    EXPECT_EQ(fp->WindowA().offset, 65530u);
    EXPECT_EQ(fp->WindowA().valid, 65536u);
    // Back before A: B is still empty, so B loads there.
    EXPECT_EQ(ReadAt(65500, 12), Slice(65500, 12));
    EXPECT_EQ(fp->WindowB().offset, 65500u);
    // Both usable, both below P, neither holds it: the lower offset (B) is replaced.
    EXPECT_EQ(ReadAt(300000, 12), Slice(300000, 12));
    EXPECT_EQ(fp->WindowB().offset, 300000u);
    EXPECT_EQ(fp->WindowA().offset, 65530u);
    // Both above P: B is replaced.
    EXPECT_EQ(ReadAt(100, 12), Slice(100, 12));
    EXPECT_EQ(fp->WindowB().offset, 100u);
    EXPECT_EQ(fp->WindowA().offset, 65530u);
}

TEST_F(FileExTest, WindowAboveThePositionIsReplacedWhenTheOtherLiesBelow)
{
    OpenWith(400000);
    ReadAt(300000, 12);  // A
    ReadAt(100, 12);     // B, holding 100..65635
    EXPECT_EQ(ReadAt(70000, 12), Slice(70000, 12));
    EXPECT_EQ(fp->WindowA().offset, 70000u);
    EXPECT_EQ(fp->WindowB().offset, 100u);
}

TEST_F(FileExTest, ReadAcrossBothWindowsTouchesNoFile)
{
    OpenWith(200000);
    ReadAt(65536, 1);   // A at 65536
    ReadAt(0, 1);       // B at 0, ends where A begins
    FaultyOs::readSizes.clear();
    EXPECT_EQ(ReadAt(65530, 40), Slice(65530, 40));
    EXPECT_TRUE(FaultyOs::readSizes.empty());
}

TEST_F(FileExTest, RefillIsOneReadWhenTheWholeWindowCanBeRead)
{
    OpenWith(200000, 512);
    EXPECT_EQ(ReadAt(1000, 12), Slice(1000, 12));
    EXPECT_EQ(FaultyOs::readSizes, std::vector<std::size_t>{65536});
    EXPECT_EQ(fp->WindowA().valid, 65536u);
}

TEST_F(FileExTest, RefillThatMeetsAnErrorIsSplitOnSectorBoundaries)
{
    OpenWith(200000, 512);
    FaultyOs::badRanges = {{40000, 40001}};
    EXPECT_EQ(ReadAt(1000, 12), Slice(1000, 12));
    std::vector<std::size_t> expected{65536, 24};
    expected.insert(expected.end(), 127, 512);
    expected.push_back(488);
    EXPECT_EQ(FaultyOs::readSizes, expected);
    // Only the sector that failed reads as zeros.
    Bytes window = Slice(1000, 65536);
    std::fill(window.begin() + (39936 - 1000), window.begin() + (40448 - 1000), 0);
    EXPECT_EQ(ReadAt(1000, 65536), window);
}

TEST_F(FileExTest, LargeRequestsBypassTheWindows)
{
    OpenWith(300000, 4096);
    EXPECT_EQ(ReadAt(1000, 200000), Slice(1000, 200000));
    // 196608 bytes straight into the destination, then one window refill.
    std::size_t direct = 0, i = 0;
    for (; direct < 196608 && i < FaultyOs::readSizes.size(); ++i)
        direct += FaultyOs::readSizes[i];
    EXPECT_EQ(direct, 196608u);
    EXPECT_EQ(fp->WindowA().offset, 1000u + 196608u);
    EXPECT_EQ(fp->WindowA().valid, 65536u);
}

TEST_F(FileExTest, UnreadableSectorReadsAsExactlyOneSectorOfZeros)
{
    struct Case {
        unsigned sector;
        std::uint64_t badBegin, badEnd;
        std::uint64_t readAt;
    } cases[] = {
        {512, 4096, 4608, 1000},      // one sector in the middle of a refill
        {512, 1000, 1001, 1000},      // inside the head chunk: the head's 24 bytes
        {4096, 8192, 12288, 0},       // a 4 KiB sector
        {512, 65536, 66048, 65000},   // inside the last chunks of a refill
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.badBegin);
        owned = std::make_unique<CFileEx>();
        fp = owned.get();
        OpenWith(200000, c.sector);
        FaultyOs::badRanges = {{c.badBegin, c.badEnd}};
        Bytes expected = Slice(c.readAt, 65536);
        // The zeros cover the whole chunks the bad range touches.
        for (std::uint64_t pos = c.readAt; pos < c.readAt + 65536; ++pos) {
            const std::uint64_t chunkStart = pos == c.readAt ? pos : std::max(c.readAt, pos - pos % c.sector);
            const std::uint64_t chunkEnd = std::min(c.readAt + 65536, (pos / c.sector + 1) * c.sector);
            if (chunkStart < c.badEnd && chunkEnd > c.badBegin)
                expected[pos - c.readAt] = 0;
        }
        EXPECT_EQ(ReadAt(c.readAt, 65536), expected);
        EXPECT_EQ(ReadAt(c.readAt + 65536, 100), Slice(c.readAt + 65536, 100));
    }
}

TEST_F(FileExTest, ShortOperatingSystemReadsAreCountedAndTheNextChunkFollows)
{
    OpenWith(10000, 512);
    FaultyOs::readCap = 100;  // every read delivers at most 100 bytes
    const Bytes got = ReadAt(0, 12);
    EXPECT_EQ(got, Slice(0, 12));
    // Each 512-byte chunk delivers 100 bytes and the next chunk goes on from
    // there, so the refill still gets the whole file rather than its first 100 bytes.
    EXPECT_EQ(fp->WindowA().valid, 10000u);
    EXPECT_EQ(ReadAt(0, 2000), Slice(0, 2000));
}

TEST_F(FileExTest, FailedSeekReadsNothing)
{
    OpenWith(1000);
    FaultyOs::failSeeks = true;
    EXPECT_EQ(ReadAt(0, 12).size(), 0u);
    EXPECT_TRUE(fp->IsShortRead());
}

TEST_F(FileExTest, UnsupportedOperationsRaiseTheFrameworkError)
{
    OpenWith(100);
    EXPECT_THROW(fp->Duplicate(), kalvo::CNotSupportedException);
    EXPECT_THROW(fp->LockRange(0, 1), kalvo::CNotSupportedException);
    EXPECT_THROW(fp->UnlockRange(0, 1), kalvo::CNotSupportedException);
}

TEST_F(FileExTest, AllocationFailureEndsTheJobWithoutAWord)
{
    const Bytes source = RandomMesh(3, 1).File();
    WriteFile(path, source);
    FaultyOs::failAllocation = true;
    Recorder rec;
    EXPECT_EQ(RunJob(U16(path), U16(dir.File("out.stl")), &rec), 0);
    EXPECT_TRUE(rec.events.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.stl")));
}

TEST_F(FileExTest, WriteFailureThroughTheSeamNamesTheTarget)
{
    const Bytes source = RandomMesh(3000, 1).File();
    WriteFile(path, source);
    FaultyOs::watchedPath = path;
    FaultyOs::writeBudget = 84 + 50 * 1500;
    FaultyOs::writeErrno = EIO;
    Recorder rec;
    const std::string out = dir.File("out.stl");
    EXPECT_EQ(RunJob(U16(path), U16(out), &rec), 0);
    EXPECT_EQ(rec.Texts(EM_ERROR), std::vector<std::u16string>{
        u"Error 1: Cannot open the file to be repaired. Encountered a hardware I/O error while accessing " + U16(out) + u"."});
    EXPECT_EQ(rec.Of(EM_FACET_COUNT).at(0).number, 0u);
    Bytes expected(source.begin(), source.begin() + 84 + 50 * 1500);
    std::fill(expected.begin() + 80, expected.begin() + 84, 0);
    EXPECT_EQ(ReadFile(out), expected);
}

}  // namespace
