#include "LocalizationTestSupport.h"

#include "localization/AppLang.h"
#include "localization/LangStrings.h"
#include "localization/SpecLoadStr.h"
#include "localization/SpecStrings.h"
#include "localization/TarqLoadStr.h"
#include "localization/TarqStrings.h"
#include "platform/SkinTextList.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TStringEntry> AllEntries()
{
    std::vector<TStringEntry> entries(TarqStringEntries().begin(), TarqStringEntries().end());
    entries.insert(entries.end(), SpecStringEntries().begin(), SpecStringEntries().end());
    return entries;
}

QString English(const TStringEntry& entry)
{
    return QString::fromUtf16(entry.EnglishDefault);
}

void Scramble()
{
    for (const TStringEntry& entry : AllEntries())
        *entry.Variable = QStringLiteral("stale ") + QString::fromLatin1(entry.Key);
    SCopyrightNotice = QStringLiteral("stale notice");
    TSkinTextList::Active().Lines = QStringList{QStringLiteral("STALE=1")};
}

void LoadAll(const TLangIniFile& ini)
{
    ReadLangStrings(&ini);
}

class CatalogueTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Leave English behind for whatever test runs next.
        LoadAll(TLangIniFile::FromBytes(QByteArray()));
    }
};

TEST_F(CatalogueTest, KeysAreUniqueWithinTheirSectionAndEachHasItsOwnVariable)
{
    QSet<QString> keys;
    QSet<const QString*> variables;
    for (const TStringEntry& entry : AllEntries()) {
        const QString id = QString::fromLatin1(entry.Section).toLower() + u'/' + QString::fromLatin1(entry.Key).toLower();
        EXPECT_FALSE(keys.contains(id)) << entry.Key;
        keys.insert(id);
        EXPECT_FALSE(variables.contains(entry.Variable)) << entry.Key;
        variables.insert(entry.Variable);
    }
    EXPECT_EQ(SpecStringEntries().size(), 7u);
}

TEST_F(CatalogueTest, EmptyOrMissingFileGivesEveryEnglishText)
{
    QTemporaryDir dir;
    for (const TLangIniFile& ini : {TLangIniFile::FromBytes(QByteArray()), TLangIniFile(dir.path() + QStringLiteral("/none.ini"))}) {
        Scramble();
        LoadAll(ini);
        for (const TStringEntry& entry : AllEntries())
            EXPECT_EQ(*entry.Variable, English(entry)) << entry.Key;
        EXPECT_EQ(SCopyrightNotice, SCopyrightNotice1 + SCopyrightNotice2 + SCopyrightNotice3);
        EXPECT_EQ(TSkinTextList::Active().Lines, EnglishStandardResStrings());
    }
    // A few texts other windows rely on, exactly.
    EXPECT_EQ(SRepairTabCaption, QStringLiteral("&Repair"));
    EXPECT_EQ(SConsumedTimePromptLabel, QStringLiteral("Time consumed:  "));
    EXPECT_EQ(SConsumedTimeLabel, QStringLiteral("\"%d day(s)\" h \"hour(s)\" n \"minute(s) \""));
    EXPECT_EQ(SFileExistWarning, QStringLiteral("Warning 1: A file named '%s' already exists. Overwrite it?"));
    EXPECT_EQ(SRepairSuccessTitle, QStringLiteral("Successful!"));
    EXPECT_EQ(MSG_CAP_INFORMATION, QStringLiteral("Information"));
}

TEST_F(CatalogueTest, NoFileObjectChangesNothing)
{
    Scramble();
    LoadStrings(nullptr);
    LoadSpecStrings(nullptr);
    QStringList lines{QStringLiteral("KEEP=1")};
    LoadStandardResStrings(nullptr, lines, EnglishStandardResStrings());
    EXPECT_EQ(SRepairTabCaption, QStringLiteral("stale SRepairTabCaption"));
    EXPECT_EQ(SOpenFilter, QStringLiteral("stale SOpenFilter"));
    EXPECT_EQ(lines, QStringList{QStringLiteral("KEEP=1")});
}

TEST_F(CatalogueTest, NoticeFromOneTranslatedPartAndTwoEnglishOnes)
{
    LoadAll(TLangIniFile::FromBytes("[MainForm]\nSCopyrightNotice2=\"[zweiter Teil] \"\n"));
    const auto english = [](const char* key) {
        for (const TStringEntry& entry : TarqStringEntries())
            if (qstrcmp(entry.Key, key) == 0)
                return English(entry);
        return QString();
    };
    EXPECT_EQ(SCopyrightNotice, english("SCopyrightNotice1") + QStringLiteral("[zweiter Teil] ") + english("SCopyrightNotice3"));
}

TEST_F(CatalogueTest, KeyMissingFromTheNextFileReturnsToEnglish)
{
    LoadAll(TLangIniFile::FromBytes("[MainForm]\nSRepairTabCaption=&Reparieren\nSOpenFixedFileOption=Öffnen\n"
                                    "[CommonButtons]\nSYesCaption=&Ja\n"));
    EXPECT_EQ(SRepairTabCaption, QStringLiteral("&Reparieren"));
    EXPECT_EQ(SOpenFixedFileOption, QStringLiteral("Öffnen"));
    EXPECT_EQ(SYesCaption, QStringLiteral("&Ja"));

    LoadAll(TLangIniFile::FromBytes("[CommonButtons]\nSYesCaption=&Oui\n"));
    EXPECT_EQ(SRepairTabCaption, QStringLiteral("&Repair"));
    EXPECT_EQ(SOpenFixedFileOption, QStringLiteral("Op&en the fixed file when finished"));
    EXPECT_EQ(SYesCaption, QStringLiteral("&Oui"));
}

TEST_F(CatalogueTest, KeyIsLookedUpOnlyInItsOwnSection)
{
    LoadAll(TLangIniFile::FromBytes("[ErrorMessages]\nSRepairTabCaption=wrong place\n"));
    EXPECT_EQ(SRepairTabCaption, QStringLiteral("&Repair"));
}

TEST_F(CatalogueTest, TranslatedValueIsTakenUnchangedEvenWhenItDropsAPlaceholder)
{
    LoadAll(TLangIniFile::FromBytes("[MainForm]\nSGaugePercentCompleted=%u abgeschlossen\n"));
    EXPECT_EQ(SGaugePercentCompleted, QStringLiteral("%u abgeschlossen"));
}

TEST_F(CatalogueTest, SkinTextsFromTheFileReplaceTheWholeList)
{
    LoadAll(TLangIniFile::FromBytes("[StandardResStrings]\nMSG_BTN_YES=&Oui\n"));
    EXPECT_EQ(TSkinTextList::Active().Lines, QStringList{QStringLiteral("MSG_BTN_YES=&Oui")});
    // The caption of the message window is not in that file, so it is English.
    EXPECT_EQ(MSG_CAP_INFORMATION, QStringLiteral("Information"));
}

TEST_F(CatalogueTest, SkinTextsWithoutTheSectionAreTheEnglishList)
{
    LoadAll(TLangIniFile::FromBytes("[MainForm]\nSRepairTabCaption=&Reparieren\n[StandardResStrings]\n; nothing\n"));
    const QStringList& lines = TSkinTextList::Active().Lines;
    EXPECT_EQ(lines, EnglishStandardResStrings());
    EXPECT_EQ(lines.size(), 134);
    EXPECT_EQ(TSkinTextList::Active().Value(QStringLiteral("MSG_BTN_YES"), QString()), QStringLiteral("&Yes"));
    EXPECT_EQ(TSkinTextList::Active().Value(QStringLiteral("MSG_BTN_NOTOALL"), QString()), QStringLiteral("N&oToAll"));
    EXPECT_EQ(TSkinTextList::Active().Value(QStringLiteral("MSG_CAP_SHOWFLAG"), QString()),
              QStringLiteral("Do not display this message again"));
}

TEST_F(CatalogueTest, EnglishSkinListNamesAreUniqueAndGrouped)
{
    QSet<QString> names;
    QMap<QString, int> groups;
    for (const QString& line : EnglishStandardResStrings()) {
        const QString name = line.left(line.indexOf(u'='));
        ASSERT_FALSE(name.isEmpty()) << line.toStdString();
        EXPECT_FALSE(line.mid(name.size() + 1).isEmpty()) << line.toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        for (const char* prefix : {"MI_", "EDIT_", "MSG_", "FONTDLG_", "DB_", "FLV_", "PRNDLG_", "FIND_", "DBNAV_"})
            if (name.startsWith(QString::fromLatin1(prefix)))
                ++groups[QString::fromLatin1(prefix)];
    }
    EXPECT_EQ(names.size(), 134);
    EXPECT_EQ(groups.value(QStringLiteral("MI_")), 6);
    EXPECT_EQ(groups.value(QStringLiteral("EDIT_")), 6);
    EXPECT_EQ(groups.value(QStringLiteral("MSG_")), 37);
    EXPECT_EQ(groups.value(QStringLiteral("FONTDLG_")), 7);
    EXPECT_EQ(groups.value(QStringLiteral("DB_")), 2);
    EXPECT_EQ(groups.value(QStringLiteral("FLV_")), 8);
    EXPECT_EQ(groups.value(QStringLiteral("PRNDLG_")), 30);
    EXPECT_EQ(groups.value(QStringLiteral("FIND_")), 11);
    EXPECT_EQ(groups.value(QStringLiteral("DBNAV_")), 10);
    for (const char* name : {"CALC_CAP", "ERROR", "NODISKINDRIVE", "NOVALIDDRIVEID", "MSG_BTN_YESTOALL", "RESTORE_HINT"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
}

// ---------------------------------------------------------------- loading the current language

class LoadLangStringsTest : public CatalogueTest {
protected:
    void SetUp() override
    {
        FSavedLang = CurrentAppLang;
        CurrentAppLang = &FLang;
    }
    void TearDown() override
    {
        CurrentAppLang = FSavedLang;
        CatalogueTest::TearDown();
    }
    void Use(const char* code)
    {
        TLangInfo info;
        info.LangStr = QString::fromLatin1(code);
        FLang.SetCurLangInfo(info);
    }
    QString Program() const { return FDir.path() + QStringLiteral("/tarq64"); }

    QTemporaryDir FDir;
    TAppLang FLang;
    TAppLang* FSavedLang = nullptr;
};

TEST_F(LoadLangStringsTest, ReadsTheFileOfTheCurrentLanguage)
{
    WriteFile(FDir.path() + QStringLiteral("/Lang/tarq_FRA.ini"), "[MainForm]\nSRepairTabCaption=&Réparer\nSEpsilonPrompt=&Précision :\n"
                                                   "[StandardResStrings]\nMSG_BTN_YES=&Oui\n");
    WriteFile(FDir.path() + QStringLiteral("/Lang/tarq_ENU.ini"), "[MainForm]\nSRepairTabCaption=English file\n");
    Use("FRA");
    EXPECT_EQ(LoadLangStrings(Program()), FDir.path() + QStringLiteral("/Lang/tarq_FRA.ini"));
    EXPECT_EQ(SRepairTabCaption, QStringLiteral("&Réparer"));
    EXPECT_EQ(SEpsilonPrompt, QStringLiteral("&Précision :"));
    EXPECT_EQ(TSkinTextList::Active().Lines, QStringList{QStringLiteral("MSG_BTN_YES=&Oui")});
}

TEST_F(LoadLangStringsTest, FallsBackToTheEnglishFile)
{
    WriteFile(FDir.path() + QStringLiteral("/Lang/tarq_ENU.ini"), "[MainForm]\nSRepairTabCaption=English file\n");
    Use("DEU");
    EXPECT_EQ(LoadLangStrings(Program()), FDir.path() + QStringLiteral("/Lang/tarq_ENU.ini"));
    EXPECT_EQ(SRepairTabCaption, QStringLiteral("English file"));
}

TEST_F(LoadLangStringsTest, NoFileAtAllGivesTheBuiltInEnglish)
{
    Use("DEU");
    Scramble();
    LoadLangStrings(Program());
    for (const TStringEntry& entry : AllEntries())
        EXPECT_EQ(*entry.Variable, English(entry)) << entry.Key;
    EXPECT_EQ(TSkinTextList::Active().Lines, EnglishStandardResStrings());
}

// ---------------------------------------------------------------- the shipped language files

QString ShippedLangFolder()
{
    return QStringLiteral(TARQ_SOURCE_DIR "/resources/Lang");
}

// The parts of a text a translation must keep, in order: format placeholders and
// markup tags; for the elapsed-time patterns also the letters outside quotes.
QStringList Placeholders(const QString& text, bool timePattern)
{
    QStringList tokens;
    static const QRegularExpression token(QStringLiteral(R"(%\.0n|%[sdu%]|%|</?B>|<BR>)"));
    if (timePattern) {
        const QStringList parts = text.split(u'"');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i % 2 == 0) {
                tokens.append(QStringLiteral("outside:") + parts[i].simplified());
            } else {
                auto matches = token.globalMatch(parts[i]);
                while (matches.hasNext())
                    tokens.append(matches.next().captured());
            }
        }
        return tokens;
    }
    auto matches = token.globalMatch(text);
    while (matches.hasNext())
        tokens.append(matches.next().captured());
    return tokens;
}

bool IsTimePattern(const QString& key)
{
    return key == QStringLiteral("SConsumedTimeLabel") || key == QStringLiteral("SConsumedTime") || key == QStringLiteral("SBatchConsumedTime");
}

TEST(ShippedLanguageFiles, EveryFileKeepsThePlaceholdersAndUsesOnlyKnownKeys)
{
    QMap<QString, QMap<QString, QString>> english;  // section (lower) -> key (lower) -> English
    for (const TStringEntry& entry : AllEntries())
        english[QString::fromLatin1(entry.Section).toLower()][QString::fromLatin1(entry.Key).toLower()] = English(entry);
    QMap<QString, QString> englishSkin;
    for (const QString& line : EnglishStandardResStrings())
        englishSkin[line.left(line.indexOf(u'=')).toLower()] = line.mid(line.indexOf(u'=') + 1);

    QStringList files = QDir(ShippedLangFolder()).entryList({QStringLiteral("tarq_*.ini")}, QDir::Files, QDir::Name);
    ASSERT_TRUE(files.contains(QStringLiteral("tarq_ENU.ini")));
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString code = name.mid(5, name.size() - 9);
        EXPECT_TRUE(std::any_of(std::begin(SupportedLangIDs), std::end(SupportedLangIDs),
                                [&](uint32_t id) { return GetLangStr(id) == code; }))
            << "no language has the code " << code.toStdString();

        QFile file(ShippedLangFolder() + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = TLangIniFile::DecodeText(file.readAll());
        const TLangIniFile ini = TLangIniFile::FromBytes(text.toUtf8());

        // Every key in the file belongs to the catalogue or to the skin list.
        QString section;
        int keysInFile = 0;
        for (const QString& rawLine : text.split(u'\n')) {
            const QString line = rawLine.trimmed();
            if (line.isEmpty() || line.startsWith(u';'))
                continue;
            if (line.startsWith(u'[')) {
                section = line.mid(1, line.indexOf(u']') - 1).trimmed().toLower();
                continue;
            }
            const QString key = line.left(line.indexOf(u'=')).trimmed().toLower();
            ++keysInFile;
            const bool known = (section == QStringLiteral("standardresstrings") && englishSkin.contains(key))
                || (english.contains(section) && english[section].contains(key));
            EXPECT_TRUE(known) << "[" << section.toStdString() << "] " << key.toStdString();
        }
        EXPECT_GT(keysInFile, 0);

        // Every catalogue text is there and keeps the placeholders of its English text.
        for (const TStringEntry& entry : AllEntries()) {
            const QString sectionName = QString::fromLatin1(entry.Section);
            const QString key = QString::fromLatin1(entry.Key);
            ASSERT_TRUE(ini.ValueExists(sectionName, key)) << entry.Key;
            const QString value = ini.ReadString(sectionName, key, QString());
            EXPECT_FALSE(value.trimmed().isEmpty()) << entry.Key;
            EXPECT_EQ(Placeholders(value, IsTimePattern(key)).join(u' ').toStdString(),
                      Placeholders(English(entry), IsTimePattern(key)).join(u' ').toStdString())
                << entry.Key << ": " << value.toStdString();
        }
        for (const QString& line : ini.ReadSectionValues(QStringLiteral("StandardResStrings"))) {
            const QString key = line.left(line.indexOf(u'=')).toLower();
            EXPECT_EQ(Placeholders(line.mid(line.indexOf(u'=') + 1), false).join(u' ').toStdString(),
                      Placeholders(englishSkin.value(key), false).join(u' ').toStdString())
                << line.toStdString();
        }
        EXPECT_EQ(ini.ReadSectionValues(QStringLiteral("StandardResStrings")).size(), 134);
    }
}

TEST(ShippedLanguageFiles, EnglishFileGivesExactlyTheBuiltInTexts)
{
    Scramble();
    const TLangIniFile ini(ShippedLangFolder() + QStringLiteral("/tarq_ENU.ini"));
    ASSERT_TRUE(ini.Exists());
    ReadLangStrings(&ini);
    for (const TStringEntry& entry : AllEntries())
        EXPECT_EQ(*entry.Variable, English(entry)) << entry.Key;
    EXPECT_EQ(TSkinTextList::Active().Lines, EnglishStandardResStrings());
}

TEST(ShippedLanguageFiles, AreCopiedBesideTheProgram)
{
    const QStringList shipped = QDir(ShippedLangFolder()).entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    const QStringList copied =
        QDir(QStringLiteral(TARQ_BINARY_DIR "/bin/Lang")).entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    EXPECT_EQ(copied, shipped);
}

} // namespace
