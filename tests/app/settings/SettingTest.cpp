#include "settings/Setting.h"

#include "../platform/QtPrinters.h"
#include "localization/AppLang.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const char* const EnvNames[] = {"XDG_CONFIG_HOME", "HOME", "TMPDIR", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        for (const char* name : EnvNames)
            FSaved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        qputenv("XDG_CONFIG_HOME", FDir.filePath("config").toLocal8Bit());
        qputenv("HOME", FDir.path().toLocal8Bit());
        QDir().mkpath(FDir.filePath("tmp"));
        qputenv("TMPDIR", FDir.filePath("tmp").toLocal8Bit());
        qunsetenv("LANGUAGE");
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", "fr_FR.UTF-8");
    }
    void TearDown() override
    {
        for (const auto& [name, set, value] : FSaved) {
            if (set)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }

    QString TempDir() const { return QDir(FDir.filePath("tmp")).canonicalPath() + '/'; }
    QString StoreFile() const { return FDir.filePath("config/meshwright/registry.ini"); }

    void WriteStore(const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(StoreFile()).absolutePath());
        QFile file(StoreFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static void ExpectDefaults(TSetting& s)
    {
        EXPECT_EQ(s.OpenDirectory, "");
        EXPECT_EQ(s.OpenFilterIndex, 1);
        EXPECT_EQ(s.SaveFilterIndex, 1);
        EXPECT_FALSE(s.TTarqSetting::OpenFixed);
        EXPECT_EQ(s.BufSize, 512);
        EXPECT_TRUE(s.AutoUpdate);
        EXPECT_EQ(s.Language, "FRA");
        EXPECT_EQ(s.ProductURL, "https://" + MakerWebHost + "/mesh-mender/");
        EXPECT_EQ(s.SupportURL, "https://" + MakerWebHost + "/support/");
        EXPECT_EQ(s.FacebookURL, "https://" + MakerWebHost + "/socialmedia/facebook.htm");
        EXPECT_EQ(s.FeedbackURL, "https://" + MakerWebHost + "/contact/");
        EXPECT_TRUE(s.OpenFixed);
        EXPECT_EQ(s.Epsilon, "1e-6");
    }

    struct TSavedEnv {
        const char* Name;
        bool Set;
        QByteArray Value;
    };
    QTemporaryDir FDir;
    std::vector<TSavedEnv> FSaved;
};

TEST_F(Settings, CreateSetsOnlyTheKeyNames)
{
    TSetting s("/opt/meshwright/tarq64");
    EXPECT_EQ(s.FRegAppName, "tarq");
    EXPECT_EQ(s.FrameworkKey(), "\\Software\\tarq");
    EXPECT_EQ(s.ProductKey(), "\\Software\\tarq64");
    EXPECT_EQ(s.OpenFilterIndex, 0);
    EXPECT_EQ(s.BufSize, 0);
    EXPECT_FALSE(s.AutoUpdate);
    EXPECT_TRUE(s.Language.isEmpty());
    EXPECT_TRUE(s.Epsilon.isEmpty());

    TSetting plain("/usr/bin/tarq");
    EXPECT_EQ(plain.FrameworkKey(), "\\Software\\tarq");
    EXPECT_EQ(plain.ProductKey(), "\\Software\\tarq");
}

TEST_F(Settings, FirstRunGivesDefaultsAndSavesEveryValue)
{
    TSetting s("/usr/bin/tarq");
    s.LoadSetting();
    ExpectDefaults(s);
    EXPECT_EQ(s.TempDir, TempDir());
    EXPECT_FALSE(QFile::exists(StoreFile()));

    ASSERT_TRUE(s.SaveSetting());
    const TRegistryIniFile reg("\\Software\\tarq");
    const QStringList names = reg.ReadSection("Misc");
    for (const char* name : {"OpenDirectory", "OpenFilterIndex", "SaveFilterIndex", "OpenFixed", "TempDir", "BufSize",
                             "AutoUpdate", "Language", "ProductURL", "SupportURL", "FacebookURL", "FeedbackURL",
                             "Epsilon"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(names.contains("TrackingCode"));
    EXPECT_EQ(reg.ReadString("Misc", "ProductURL", ""), DefaultProductURL());
    EXPECT_EQ(reg.ReadString("Misc", "FeedbackURL", ""), DefaultFeedbackURL());
}

TEST_F(Settings, RoundTripKeepsEveryValue)
{
    {
        TSetting s("/usr/bin/tarq");
        s.LoadSetting();
        s.OpenDirectory = "/home/ann/models/";
        s.OpenFilterIndex = 2;
        s.SaveFilterIndex = 2;
        s.TTarqSetting::OpenFixed = false;
        s.OpenFixed = false;
        s.TempDir = "/var/tmp/mesh/";
        s.BufSize = 4096;
        s.AutoUpdate = false;
        s.Language = "DEU";
        s.ProductURL = "https://other.example/p/";
        s.SupportURL = "https://other.example/s/";
        s.FacebookURL = "https://other.example/f/";
        s.FeedbackURL = "https://other.example/c/";
        s.Epsilon = "2.5e-7";
        ASSERT_TRUE(s.SaveSetting());
    }
    TSetting s("/usr/bin/tarq");
    s.LoadSetting();
    EXPECT_EQ(s.OpenDirectory, "/home/ann/models/");
    EXPECT_EQ(s.OpenFilterIndex, 2);
    EXPECT_EQ(s.SaveFilterIndex, 2);
    EXPECT_FALSE(s.TTarqSetting::OpenFixed);
    EXPECT_FALSE(s.OpenFixed);
    EXPECT_EQ(s.TempDir, "/var/tmp/mesh/");
    EXPECT_EQ(s.BufSize, 4096);
    EXPECT_FALSE(s.AutoUpdate);
    EXPECT_EQ(s.Language, "DEU");
    EXPECT_EQ(s.ProductURL, "https://other.example/p/");
    EXPECT_EQ(s.SupportURL, "https://other.example/s/");
    EXPECT_EQ(s.FacebookURL, "https://other.example/f/");
    EXPECT_EQ(s.FeedbackURL, "https://other.example/c/");
    EXPECT_EQ(s.Epsilon, "2.5e-7");
}

TEST_F(Settings, SixtyFourBuildSharesFrameworkValuesOnly)
{
    {
        TSetting plain("/usr/bin/tarq");
        plain.LoadSetting();
        plain.Language = "ITA";
        plain.Epsilon = "1e-5";
        plain.OpenFixed = plain.TTarqSetting::OpenFixed = true;
        ASSERT_TRUE(plain.SaveSetting());
    }
    TSetting wide("/usr/bin/tarq64");
    wide.LoadSetting();
    EXPECT_EQ(wide.Language, "ITA");
    EXPECT_TRUE(wide.TTarqSetting::OpenFixed);
    // The product values of the 64-bit build are its own.
    EXPECT_EQ(wide.Epsilon, "1e-6");

    wide.OpenFixed = wide.TTarqSetting::OpenFixed = false;
    wide.Epsilon = "3e-6";
    wide.TempDir = "/scratch/";
    wide.BufSize = 1024;
    ASSERT_TRUE(wide.SaveSetting());

    const TRegistryIniFile framework("\\Software\\tarq");
    const TRegistryIniFile product("\\Software\\tarq64");
    EXPECT_FALSE(framework.ReadBool("Misc", "OpenFixed", true));
    EXPECT_FALSE(product.ReadBool("Misc", "OpenFixed", true));
    EXPECT_EQ(product.ReadString("Misc", "Epsilon", ""), "3e-6");
    EXPECT_EQ(product.ReadString("Misc", "TempDir", ""), "/scratch/");
    EXPECT_EQ(product.ReadInteger("Misc", "BufSize", 0), 1024);
    EXPECT_EQ(framework.ReadString("Misc", "TempDir", ""), "/scratch/");
    EXPECT_EQ(framework.ReadString("Misc", "Epsilon", ""), "1e-5");
    EXPECT_EQ(product.ReadSection("Misc"), (QStringList{"OpenFixed", "Epsilon", "TempDir", "BufSize"}));
}

struct TStoredIndexCase {
    const char* Name;
    const char* Stored;
    int32_t Expected;
};

class StoredFilterIndex : public Settings, public ::testing::WithParamInterface<TStoredIndexCase> {};

TEST_P(StoredFilterIndex, ReadsAsNumberOrDefault)
{
    WriteStore(QByteArray("[Software\\tarq\\Misc]\nOpenFilterIndex=") + GetParam().Stored + "\n");
    TSetting s("/usr/bin/tarq");
    s.LoadSetting();
    EXPECT_EQ(s.OpenFilterIndex, GetParam().Expected);
    EXPECT_EQ(s.SaveFilterIndex, 1);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredFilterIndex,
                         ::testing::Values(TStoredIndexCase{"TextTwo", "\"2\"", 2},
                                           TStoredIndexCase{"TextAbc", "\"abc\"", 1},
                                           TStoredIndexCase{"DWordThree", "dword:00000003", 3},
                                           TStoredIndexCase{"Empty", "\"\"", 1}),
                         [](const ::testing::TestParamInfo<TStoredIndexCase>& info) {
                             return std::string(info.param.Name);
                         });

TEST_F(Settings, BooleansReadAsNumbers)
{
    WriteStore("[Software\\tarq\\Misc]\nAutoUpdate=\"0\"\nOpenFixed=dword:00000002\n"
               "[Software\\tarq64\\Misc]\nOpenFixed=\"no\"\n");
    TSetting s("/usr/bin/tarq64");
    s.LoadSetting();
    EXPECT_FALSE(s.AutoUpdate);
    EXPECT_TRUE(s.TTarqSetting::OpenFixed);
    // Not a number: the default (true) applies.
    EXPECT_TRUE(s.OpenFixed);
}

TEST_F(Settings, DamagedStoreGivesDefaultsAndIsReplacedOnSave)
{
    WriteStore(QByteArray("\x00\x01\x02[Software\\tarq\\Misc]\nLanguage=\"DEU\"\n", 36));
    TSetting s("/usr/bin/tarq");
    s.LoadSetting();
    ExpectDefaults(s);
    s.Language = "JPN";
    ASSERT_TRUE(s.SaveSetting());
    TSetting again("/usr/bin/tarq");
    again.LoadSetting();
    EXPECT_EQ(again.Language, "JPN");
}

TEST_F(Settings, FailedSaveReportsAndLeavesTheStore)
{
    {
        TSetting s("/usr/bin/tarq");
        s.LoadSetting();
        s.Language = "DEU";
        ASSERT_TRUE(s.SaveSetting());
    }
    QFile store(StoreFile());
    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    const QByteArray before = store.readAll();
    store.close();

    // The store's folder replaced by a file: nothing can be written there.
    const QString folder = QFileInfo(StoreFile()).absolutePath();
    ASSERT_TRUE(QFile::rename(folder, folder + ".saved"));
    { QFile blocker(folder); ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); }
    TSetting s("/usr/bin/tarq");
    s.LoadSetting();
    s.Language = "FRA";
    EXPECT_FALSE(s.SaveSetting());
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QFile::rename(folder + ".saved", folder));

    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    EXPECT_EQ(store.readAll(), before);
}

TEST_F(Settings, FrameworkAloneUsesItsOwnDefaults)
{
    TTarqSetting s("/usr/bin/tarq");
    s.LoadSetting();
    EXPECT_FALSE(s.OpenFixed);
    EXPECT_EQ(s.BufSize, 512);
    EXPECT_EQ(s.GetDefaultOpenDirectory(), "");
    ASSERT_TRUE(s.SaveSetting());
    const TRegistryIniFile reg("\\Software\\tarq");
    EXPECT_EQ(reg.ReadSection("Misc").size(), 12);
}

} // namespace
