#include "platform/Registry.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        FOldXdg = qgetenv("XDG_CONFIG_HOME");
        FOldHome = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", FDir.filePath("config").toLocal8Bit());
        qputenv("HOME", FDir.path().toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", FOldXdg);
        qputenv("HOME", FOldHome);
    }

    QString StoreFile() const { return FDir.filePath("config/meshwright/registry.ini"); }

    void WriteStore(const QByteArray& content) const
    {
        QDir().mkpath(FDir.filePath("config/meshwright"));
        QFile file(StoreFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray ReadStore() const
    {
        QFile file(StoreFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList FilesInStoreFolder() const { return QDir(FDir.filePath("config/meshwright")).entryList(QDir::Files); }

    QTemporaryDir FDir;
    QByteArray FOldXdg;
    QByteArray FOldHome;
};

TEST_F(Registry, StoreLivesUnderXdgConfigHome)
{
    EXPECT_EQ(RegistryFilePath(), StoreFile());
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(RegistryFilePath(), FDir.filePath(".config/meshwright/registry.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryFilePath(), FDir.filePath(".config/meshwright/registry.ini"));
}

TEST_F(Registry, RoundTripKeepsTypesAndTexts)
{
    const QString awkward = QStringLiteral("  lead and trail  \"q\" back\\slash\nline\ttab \u00e9\u4e2d\x01");
    {
        TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
        reg.WriteString("Misc", "OpenDirectory", "/home/ann/models/");
        reg.WriteString("Misc", "Awkward", awkward);
        reg.WriteString("Misc", "Empty", "");
        reg.WriteInteger("Misc", "BufSize", 512);
        reg.WriteInteger("Misc", "Negative", -3);
        reg.WriteBool("Misc", "AutoUpdate", true);
        reg.WriteBool("Misc", "OpenFixed", false);
        ASSERT_TRUE(reg.UpdateFile());
    }
    TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
    EXPECT_EQ(reg.ReadString("Misc", "OpenDirectory", "x"), "/home/ann/models/");
    EXPECT_EQ(reg.ReadString("Misc", "Awkward", "x"), awkward);
    EXPECT_EQ(reg.ReadString("Misc", "Empty", "x"), "");
    EXPECT_EQ(reg.ReadInteger("Misc", "BufSize", 1), 512);
    EXPECT_EQ(reg.ReadInteger("Misc", "Negative", 1), -3);
    EXPECT_TRUE(reg.ReadBool("Misc", "AutoUpdate", false));
    EXPECT_FALSE(reg.ReadBool("Misc", "OpenFixed", true));
    // Names compare without regard to case, as registry names do.
    EXPECT_EQ(reg.ReadInteger("misc", "BUFSIZE", 1), 512);

    const QByteArray disk = ReadStore();
    EXPECT_TRUE(disk.contains("[Software\\tarq\\Misc]")) << disk.constData();
    EXPECT_TRUE(disk.contains("BufSize=dword:00000200")) << disk.constData();
    EXPECT_TRUE(disk.contains("AutoUpdate=\"1\"")) << disk.constData();
}

TEST_F(Registry, MissingValuesGiveDefaults)
{
    TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
    EXPECT_EQ(reg.ReadString("Misc", "Language", "ENU"), "ENU");
    EXPECT_EQ(reg.ReadInteger("Misc", "BufSize", 512), 512);
    EXPECT_TRUE(reg.ReadBool("Misc", "AutoUpdate", true));
    EXPECT_FALSE(reg.ValueExists("Misc", "Language"));
    // Reading creates nothing.
    EXPECT_FALSE(QFile::exists(StoreFile()));
}

struct TStoredCase {
    const char* Name;
    const char* Line;
    int32_t AsInteger;   // default 1
    bool AsBool;         // default false
    const char* AsString;
};

class RegistryStoredValues : public Registry, public ::testing::WithParamInterface<TStoredCase> {};

TEST_P(RegistryStoredValues, ReadAsEachType)
{
    const TStoredCase& c = GetParam();
    WriteStore(QByteArray("[Software\\tarq\\Misc]\n") + c.Line + "\n");
    TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
    EXPECT_EQ(reg.ReadInteger("Misc", "V", 1), c.AsInteger);
    EXPECT_EQ(reg.ReadBool("Misc", "V", false), c.AsBool);
    EXPECT_EQ(reg.ReadString("Misc", "V", "default"), QString::fromUtf8(c.AsString));
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistryStoredValues,
    ::testing::Values(TStoredCase{"TextTwo", "V=\"2\"", 2, true, "2"},
                      TStoredCase{"TextAbc", "V=\"abc\"", 1, false, "abc"},
                      TStoredCase{"TextZero", "V=\"0\"", 0, false, "0"},
                      TStoredCase{"TextNegative", "V=\"-5\"", -5, true, "-5"},
                      TStoredCase{"TextTooLarge", "V=\"99999999999\"", 1, false, "99999999999"},
                      TStoredCase{"TextNumberWithJunk", "V=\"2x\"", 1, false, "2x"},
                      TStoredCase{"TextEmpty", "V=\"\"", 1, false, ""},
                      TStoredCase{"BareNumber", "V=7", 7, true, "7"},
                      TStoredCase{"BareText", "V = hello world ", 1, false, "hello world"},
                      TStoredCase{"DWord", "V=dword:0000000a", 10, true, "10"},
                      TStoredCase{"DWordAllBits", "V=dword:ffffffff", -1, true, "-1"},
                      TStoredCase{"DWordBroken", "V=dword:xyz", 1, false, "default"},
                      TStoredCase{"QuoteUnterminated", "V=\"abc", 1, false, "default"},
                      TStoredCase{"QuoteBadEscape", "V=\"a\\qb\"", 1, false, "default"}),
    [](const ::testing::TestParamInfo<TStoredCase>& info) { return std::string(info.param.Name); });

TEST_F(Registry, DamagedFileReadsAsEmpty)
{
    const QByteArray garbage[] = {
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
        QByteArray("[Software\\tarq\\Misc]\nLanguage=\"DEU\"\n\xff\xfe\xfd"),
        QByteArray(),
    };
    for (const QByteArray& content : garbage) {
        WriteStore(content);
        TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
        EXPECT_EQ(reg.ReadString("Misc", "Language", "ENU"), "ENU");
        EXPECT_EQ(reg.ReadSection("Misc"), QStringList());
    }
}

TEST_F(Registry, SenselessLinesAreSkippedOthersKept)
{
    WriteStore("Orphan=\"before any section\"\n"
               "[broken section\n"
               "Lost=\"1\"\n"
               "[Software\\tarq\\Misc]\n"
               "; a comment\n"
               "no equals sign\n"
               "=\"no name\"\n"
               "Language=\"DEU\"\n");
    TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
    EXPECT_EQ(reg.ReadSection("Misc"), QStringList{"Language"});
    EXPECT_EQ(reg.ReadString("Misc", "Language", "ENU"), "DEU");
}

TEST_F(Registry, SaveKeepsOtherKeysAndValuesWrittenMeanwhile)
{
    {
        TRegistryIniFile reg(QStringLiteral("\\Software\\tarq64"));
        reg.WriteString("Misc", "Epsilon", "1e-7");
    }
    TRegistryIniFile mine(QStringLiteral("\\Software\\tarq"));
    mine.WriteString("Misc", "Language", "FRA");
    {
        // Another instance saves after this one opened the key.
        TRegistryIniFile other(QStringLiteral("\\Software\\tarq"));
        other.WriteString("Misc", "TrackingCode", "abc");
    }
    ASSERT_TRUE(mine.UpdateFile());
    TRegistryIniFile check(QStringLiteral("Software/tarq"));
    EXPECT_EQ(check.ReadString("Misc", "Language", ""), "FRA");
    EXPECT_EQ(check.ReadString("Misc", "TrackingCode", ""), "abc");
    TRegistryIniFile product(QStringLiteral("\\Software\\tarq64"));
    EXPECT_EQ(product.ReadString("Misc", "Epsilon", ""), "1e-7");
}

TEST_F(Registry, DeleteAndEraseReachTheFile)
{
    {
        TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
        reg.WriteString("Misc", "A", "1");
        reg.WriteString("Misc", "B", "2");
        reg.WriteString("Other", "C", "3");
    }
    {
        TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
        reg.DeleteKey("Misc", "A");
        reg.EraseSection("Other");
        EXPECT_FALSE(reg.ValueExists("Misc", "A"));
    }
    TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
    EXPECT_EQ(reg.ReadSection("Misc"), QStringList{"B"});
    EXPECT_EQ(reg.ReadSection("Other"), QStringList());
}

TEST_F(Registry, NamesThatWouldBreakTheFileAreRefused)
{
    TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
    for (const QString& name : {QStringLiteral("a=b"), QStringLiteral("two\nlines"), QStringLiteral("[x"),
                               QStringLiteral(" padded"), QString()})
        EXPECT_THROW(reg.WriteString("Misc", name, "v"), std::invalid_argument) << name.toStdString();
    EXPECT_TRUE(reg.UpdateFile());
    EXPECT_FALSE(QFile::exists(StoreFile()));
}

// A write that fails halfway (here: the file-size limit) must leave the old
// store whole and no temporary file behind.
TEST_F(Registry, FailedSaveLeavesPreviousFileWhole)
{
    {
        TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
        reg.WriteString("Misc", "Language", "DEU");
        ASSERT_TRUE(reg.UpdateFile());
    }
    const QByteArray before = ReadStore();
    ASSERT_FALSE(before.isEmpty());

    TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
    reg.WriteString("Misc", "Language", "FRA");
    reg.WriteString("Misc", "Big", QString(20000, u'x'));

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = reg.UpdateFile();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadStore(), before);
    EXPECT_EQ(FilesInStoreFolder(), QStringList{"registry.ini"});

    // The writes are still pending and reach the file once saving works again.
    ASSERT_TRUE(reg.UpdateFile());
    TRegistryIniFile check(QStringLiteral("\\Software\\tarq"));
    EXPECT_EQ(check.ReadString("Misc", "Language", ""), "FRA");
    EXPECT_EQ(FilesInStoreFolder(), QStringList{"registry.ini"});
}

TEST_F(Registry, UnwritableFolderReportsFailure)
{
    WriteStore("");
    // A file where the folder should be cannot be worked around by any user, root included.
    qputenv("XDG_CONFIG_HOME", FDir.filePath("config/meshwright/registry.ini").toLocal8Bit());
    TRegistryIniFile reg(QStringLiteral("\\Software\\tarq"));
    reg.WriteString("Misc", "Language", "DEU");
    EXPECT_FALSE(reg.UpdateFile());
}

} // namespace
