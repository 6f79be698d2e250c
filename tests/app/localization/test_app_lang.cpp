#include "LocalizationTestSupport.h"

#include "localization/AppLang.h"

#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unicode/uloc.h>

#include <memory>

namespace {

// The offered languages in their order, with the codes that name their files.
const char* const kExpectedTable =
    "0409 ENU, 0C0A ESN, 000C FRA, 0007 DEU, 0010 ITA, 0016 PIG, 0419 RUS, 0411 JPN, 0412 KOR, "
    "0804 CHS, 041F TRK, 0402 BGR, 0405 CSY, 0406 DAN, 0408 ELL, 0425 ETI, 040B FIN, 040E HUN, "
    "0421 IND, 0427 LTH, 0426 LVI, 0413 NLD, 0414 NOR, 0415 PLK, 0418 ROM, 041B SKY, 0424 SLV, "
    "041D SVE, 0422 UKR, 0436 AFK, 045E AMH, 0401 ARA, 044D ASM, 042C AZE, 0423 BEL, 0445 BNG, "
    "141A BSB, 0403 CAT, 0404 CHT, 0483 COS, 0452 CYM, 0465 DIV, 042D EUQ, 0429 FAR, 0464 FPO, "
    "0462 FYN, 0491 GLA, 0456 GLC, 0447 GUJ, 0468 HAU, 040D HEB, 0439 HIN, 041A HRV, 042B HYE, "
    "0470 IBO, 003C IRE, 040F ISL, 0437 KAT, 044B KDI, 0453 KHM, 0487 KIN, 043F KKZ, 0440 KYR, "
    "0454 LAO, 046E LBX, 044E MAR, 042F MKI, 043A MLT, 0450 MNN, 0481 MRI, 043E MSL, 044C MYM, "
    "0461 NEP, 046C NSO, 0448 ORI, 0446 PAN, 0463 PAS, 044F SAN, 045B SIN, 041C SQI, 0C1A SRB, "
    "0441 SWK, 0428 TAJ, 0449 TAM, 044A TEL, 041E THA, 0444 TTT, 0442 TUK, 0480 UIG, 0420 URD, "
    "0443 UZB, 042A VIT, 0434 XHO, 046A YOR, 0435 ZUL";

// Builds the language list under a known user-interface language.
class LangTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ScopedLocaleEnvironment::Set("LANG", "en_US.UTF-8");
        InitLangInfoArray(LangInfos);
    }
    void TearDown() override { LangInfos.clear(); }

    static const TLangInfo* Find(const QString& code)
    {
        for (const TLangInfo& info : LangInfos)
            if (info.LangStr == code)
                return &info;
        return nullptr;
    }

    ScopedLocaleEnvironment FEnvironment;
};

TEST_F(LangTableTest, TableHoldsTheOfferedLanguagesInOrderWithTheirCodes)
{
    const QStringList expected = QString::fromLatin1(kExpectedTable).split(QStringLiteral(", "));
    ASSERT_EQ(expected.size(), SupportedLangCount);
    for (int i = 0; i < SupportedLangCount; ++i) {
        const QStringList parts = expected[i].split(u' ');
        bool ok = false;
        const uint32_t id = parts[0].toUInt(&ok, 16);
        ASSERT_TRUE(ok);
        EXPECT_EQ(SupportedLangIDs[i], id) << "position " << i;
        EXPECT_EQ(GetLangStr(id), parts[1]) << expected[i].toStdString();
    }
}

TEST_F(LangTableTest, CodesAreUniqueAndUnknownIdentifiersGiveEnglish)
{
    QSet<QString> codes;
    for (const uint32_t id : SupportedLangIDs)
        codes.insert(GetLangStr(id));
    EXPECT_EQ(codes.size(), SupportedLangCount);
    EXPECT_EQ(GetLangStr(0x0416), QStringLiteral("ENU"));  // Portuguese (Brazil) has no code of its own
    EXPECT_EQ(GetLangStr(0x046F), QStringLiteral("ENU"));
    EXPECT_EQ(GetLangStr(0), QStringLiteral("ENU"));
}

TEST_F(LangTableTest, UrlSegments)
{
    const struct {
        uint32_t id;
        const char* segment;
    } cases[] = {
        {0x0409, ""},    {0x0804, "/zh-CN"}, {0x0404, "/zh-TW"}, {0x040D, "/iw"}, {0x0414, "/no"},
        {0x0464, "/tl"}, {0x044D, ""},       {0x0442, ""},       {0x0444, ""},    {0x0448, ""},
        {0x044F, ""},    {0x0465, ""},       {0x046C, ""},       {0x0480, ""},    {0x0487, ""},
        {0x0C0A, "/es"}, {0x000C, "/fr"},    {0x0007, "/de"},    {0x0016, "/pt"}, {0x003C, "/ga"},
        {0x0411, "/ja"}, {0x0419, "/ru"},    {0x141A, "/bs"},    {0x0C1A, "/sr"}, {0x0491, "/gd"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetURLStr(c.id), QString::fromLatin1(c.segment)) << std::hex << c.id;
}

TEST_F(LangTableTest, NeutralEntriesHaveALanguageButNoCountry)
{
    for (const uint32_t id : {0x000Cu, 0x0007u, 0x0010u, 0x0016u, 0x003Cu}) {
        EXPECT_TRUE(GetCultureCode(id).isEmpty()) << std::hex << id;
        EXPECT_FALSE(GetEngLangName(id).isEmpty()) << std::hex << id;
        // No country, so nothing to cut: the localized name is the plain language.
        EXPECT_FALSE(GetLocalizedLangName(id).contains(u'(')) << std::hex << id;
        EXPECT_FALSE(GetLocalizedLangName(id).endsWith(u' ')) << std::hex << id;
    }
    EXPECT_EQ(GetCultureCode(0x0409), QStringLiteral("en-US"));
    EXPECT_EQ(GetCultureCode(0x0804), QStringLiteral("zh-CN"));
    EXPECT_EQ(GetCultureCode(0x0404), QStringLiteral("zh-TW"));
}

TEST_F(LangTableTest, CommonLanguagesAreNamedAndListedInTableOrder)
{
    for (const char* code : {"ENU", "ESN", "FRA", "DEU", "ITA", "PIG", "RUS", "JPN", "KOR", "CHS", "TRK", "CHT"}) {
        const TLangInfo* info = Find(QString::fromLatin1(code));
        ASSERT_NE(info, nullptr) << code;
        EXPECT_FALSE(info->NativeLangName.isEmpty()) << code;
        EXPECT_FALSE(info->LocalizedLangName.isEmpty()) << code;
        EXPECT_FALSE(info->EngLangName.isEmpty()) << code;
    }
    EXPECT_EQ(Find(QStringLiteral("DEU"))->EngLangName, QStringLiteral("German"));
    EXPECT_EQ(Find(QStringLiteral("DEU"))->NativeLangName, QStringLiteral("Deutsch"));
    EXPECT_EQ(Find(QStringLiteral("FRA"))->NativeLangName, QStringLiteral("français"));
    EXPECT_EQ(Find(QStringLiteral("RUS"))->LocalizedLangName, QStringLiteral("Russian "));

    // Entries keep the table's order.
    int previous = -1;
    for (const TLangInfo& info : LangInfos) {
        const auto* position = std::find(std::begin(SupportedLangIDs), std::end(SupportedLangIDs), info.LangID);
        ASSERT_NE(position, std::end(SupportedLangIDs));
        const int index = int(position - std::begin(SupportedLangIDs));
        EXPECT_GT(index, previous);
        previous = index;
    }
    EXPECT_EQ(LangInfos.first().LangStr, QStringLiteral("ENU"));
}

TEST_F(LangTableTest, LocalizedNamesFollowTheUserInterfaceLanguage)
{
    ScopedLocaleEnvironment::Set("LANGUAGE", "de_DE");
    EXPECT_EQ(GetLocalizedLangName(0x000C), QStringLiteral("Französisch"));
    EXPECT_EQ(GetLocalizedLangName(0x0409), QStringLiteral("Englisch "));
    EXPECT_EQ(GetEngLangName(0x000C), QStringLiteral("French"));
    EXPECT_EQ(GetNativeLangName(0x000C), QStringLiteral("français"));
}

TEST_F(LangTableTest, NamesDoNotDependOnTheProcessDefaultLocale)
{
    const QByteArray previous = uloc_getDefault();
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("de_DE", &status);
    ASSERT_TRUE(U_SUCCESS(status));
    // Corsican has no names of its own in the locale data; the English name
    // stands in rather than whatever language the process happens to run in.
    const QString corsican = GetNativeLangName(0x0483);
    const QString french = GetLocalizedLangName(0x000C);
    status = U_ZERO_ERROR;
    uloc_setDefault(previous.constData(), &status);
    EXPECT_EQ(corsican, GetEngLangName(0x0483));
    EXPECT_EQ(corsican, QStringLiteral("Corsican"));
    EXPECT_EQ(french, QStringLiteral("French"));
}

TEST_F(LangTableTest, SupportedLanguagesMatchExactlyOrByPrimaryLanguage)
{
    EXPECT_TRUE(IsSupportedLang(0x0409));
    EXPECT_TRUE(IsSupportedLang(0x0407));
    EXPECT_TRUE(IsSupportedLang(0x0007));   // neutral German, by its primary language
    EXPECT_TRUE(IsSupportedLang(0x3C07));   // an unassigned German sub-language
    EXPECT_FALSE(IsSupportedLang(0x03FF));  // no language has this primary identifier
}

TEST_F(LangTableTest, InfoFromCodeIsExactAndFallsBackToTheFirstLanguage)
{
    EXPECT_EQ(GetLangInfoFromStr(QStringLiteral("DEU")).LangID, 0x0007u);
    EXPECT_EQ(GetLangInfoFromStr(QStringLiteral("deu")).LangStr, QStringLiteral("ENU"));
    EXPECT_EQ(GetLangInfoFromStr(QStringLiteral("XYZ")).LangStr, QStringLiteral("ENU"));
    EXPECT_EQ(GetLangInfoFromStr(QString()).LangStr, QStringLiteral("ENU"));
}

TEST(LangTableWithoutList, InfoFromCodeStillGivesEnglishBeforeTheListIsBuilt)
{
    LangInfos.clear();
    const TLangInfo info = GetLangInfoFromStr(QStringLiteral("DEU"));
    EXPECT_EQ(info.LangStr, QStringLiteral("ENU"));
    EXPECT_EQ(info.LangID, 0x0409u);
}

// ---------------------------------------------------------------- default language

TEST(DefaultLanguage, FromTheUserEnvironment)
{
    const struct {
        const char* variable;
        const char* value;
        const char* code;
    } cases[] = {
        {"LANG", "pt_BR.UTF-8", "PIG"},   {"LANG", "pt_PT.UTF-8", "PIG"},  {"LANG", "kl_GL.UTF-8", "ENU"},
        {"LANG", "en_GB.UTF-8", "ENU"},   {"LANG", "en_US.UTF-8", "ENU"},  {"LANG", "de_AT.UTF-8", "DEU"},
        {"LANG", "de_DE.UTF-8", "DEU"},   {"LANG", "fr_CA", "FRA"},         {"LANG", "es_MX.UTF-8", "ESN"},
        {"LANG", "zh_CN.UTF-8", "CHS"},   {"LANG", "zh_TW.UTF-8", "CHT"},  {"LANG", "ja_JP.eucJP", "JPN"},
        {"LANG", "ga_IE.UTF-8", "IRE"},   {"LANG", "hr_HR.UTF-8", "HRV"},  {"LANG", "bs_BA.UTF-8", "BSB"},
        {"LANG", "sr_RS.UTF-8", "SRB"},   {"LANG", "sr_RS@latin", "SRB"},  {"LANG", "nb_NO.UTF-8", "NOR"},
        {"LANG", "C", "ENU"},             {"LANG", "POSIX", "ENU"},         {"LANG", "xx_YY.UTF-8", "ENU"},
        {"LC_MESSAGES", "it_IT.UTF-8", "ITA"}, {"LC_ALL", "ru_RU.UTF-8", "RUS"},
        {"LANGUAGE", "ko_KR:en_US", "KOR"}, {"LANGUAGE", ":tr_TR", "TRK"},
    };
    for (const auto& c : cases) {
        ScopedLocaleEnvironment environment;
        ScopedLocaleEnvironment::Set(c.variable, c.value);
        EXPECT_EQ(GetUserDefaultLangStr(), QString::fromLatin1(c.code)) << c.variable << "=" << c.value;
    }
}

TEST(DefaultLanguage, NothingSetGivesEnglish)
{
    ScopedLocaleEnvironment environment;
    EXPECT_EQ(GetUserDefaultLangStr(), QStringLiteral("ENU"));
}

TEST(DefaultLanguage, VariablesAreTakenInPrecedenceOrder)
{
    ScopedLocaleEnvironment environment;
    ScopedLocaleEnvironment::Set("LANG", "de_DE.UTF-8");
    ScopedLocaleEnvironment::Set("LC_MESSAGES", "it_IT.UTF-8");
    EXPECT_EQ(GetUserDefaultLangStr(), QStringLiteral("ITA"));
    ScopedLocaleEnvironment::Set("LC_ALL", "ja_JP.UTF-8");
    EXPECT_EQ(GetUserDefaultLangStr(), QStringLiteral("JPN"));
    ScopedLocaleEnvironment::Set("LANGUAGE", "fr_FR");
    EXPECT_EQ(GetUserDefaultLangStr(), QStringLiteral("FRA"));
    // An explicit C locale means the untranslated program, not a variable further down.
    ScopedLocaleEnvironment::Set("LANGUAGE", "");
    ScopedLocaleEnvironment::Set("LC_ALL", "C");
    EXPECT_EQ(GetUserDefaultLangStr(), QStringLiteral("ENU"));
}

TEST(DefaultLanguage, PosixNamesBecomeIcuLocales)
{
    EXPECT_EQ(PosixToIcuLocale(QStringLiteral("pt_BR.UTF-8")), QStringLiteral("pt_BR"));
    EXPECT_EQ(PosixToIcuLocale(QStringLiteral("sr_RS@latin")), QStringLiteral("sr_Latn_RS"));
    EXPECT_EQ(PosixToIcuLocale(QStringLiteral("uz_UZ.UTF-8@cyrillic")), QStringLiteral("uz_Cyrl_UZ"));
    EXPECT_EQ(PosixToIcuLocale(QStringLiteral("ca_ES@valencia")), QStringLiteral("ca_ES"));
    EXPECT_EQ(PosixToIcuLocale(QStringLiteral("DE")), QStringLiteral("de"));
    EXPECT_EQ(PosixToIcuLocale(QStringLiteral("C.UTF-8")), QStringLiteral(""));
    EXPECT_EQ(PosixToIcuLocale(QString()), QStringLiteral(""));
}

// ---------------------------------------------------------------- per-language files

class LangFileNameTest : public ::testing::Test {
protected:
    QString Program(const char* name) const { return FDir.path() + u'/' + QString::fromLatin1(name); }
    void Touch(const char* relative) const { WriteFile(FDir.path() + u'/' + QString::fromLatin1(relative), "x"); }
    static TAppLang In(const char* code)
    {
        TAppLang lang;
        TLangInfo info;
        info.LangStr = QString::fromLatin1(code);
        lang.SetCurLangInfo(info);
        return lang;
    }

    QTemporaryDir FDir;
};

TEST_F(LangFileNameTest, LanguageFileOfTheCurrentCodeBesideTheProgram)
{
    Touch("Lang/tarq_FRA.ini");
    EXPECT_EQ(In("FRA").GetLangIniFileName(Program("tarq64")), FDir.path() + QStringLiteral("/Lang/tarq_FRA.ini"));
    EXPECT_EQ(In("FRA").GetLangIniFileName(Program("tarq")), FDir.path() + QStringLiteral("/Lang/tarq_FRA.ini"));
    EXPECT_EQ(In("FRA").GetLangIniFileName(Program("tarq.exe")), FDir.path() + QStringLiteral("/Lang/tarq_FRA.ini"));
}

TEST_F(LangFileNameTest, MissingFileGivesTheEnglishNameWhetherOrNotItExists)
{
    Touch("Lang/tarq_PIG.ini");
    EXPECT_EQ(In("DEU").GetLangIniFileName(Program("tarq")), FDir.path() + QStringLiteral("/Lang/tarq_ENU.ini"));
    Touch("Lang/tarq_ENU.ini");
    EXPECT_EQ(In("DEU").GetLangIniFileName(Program("tarq")), FDir.path() + QStringLiteral("/Lang/tarq_ENU.ini"));
    EXPECT_EQ(In("PIG").GetLangIniFileName(Program("tarq")), FDir.path() + QStringLiteral("/Lang/tarq_PIG.ini"));
}

TEST_F(LangFileNameTest, HelpFileFollowsTheSameRules)
{
    Touch("Help/tarq_PIG.html");
    EXPECT_EQ(In("PIG").GetHelpFileName(Program("tarq64")), FDir.path() + QStringLiteral("/Help/tarq_PIG.html"));
    EXPECT_EQ(In("JPN").GetHelpFileName(Program("tarq64")), FDir.path() + QStringLiteral("/Help/tarq_ENU.html"));
    // A language file does not stand in for a help file.
    Touch("Lang/tarq_JPN.ini");
    EXPECT_EQ(In("JPN").GetHelpFileName(Program("tarq")), FDir.path() + QStringLiteral("/Help/tarq_ENU.html"));
}

TEST(ProgramBaseNameTest, ExtensionAndTrailing64AreRemoved)
{
    const struct {
        const char* path;
        const char* base;
    } cases[] = {
        {"/opt/tarq/tarq", "tarq"},          {"/opt/tarq/tarq64", "tarq"},       {"tarq64.exe", "tarq"},
        {"/a/b/tarq.exe", "tarq"},           {"/a/my.tool64.bin", "my.tool"},    {"/a/tarq6464", "tarq64"},
        {"/a/tarq64x", "tarq64x"},           {"/a/64", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramBaseName(QString::fromLatin1(c.path)), QString::fromLatin1(c.base)) << c.path;
}

// ---------------------------------------------------------------- web addresses

TEST_F(LangTableTest, LocalizeUrlInsertsTheLanguageSegmentAfterTheHost)
{
    const QString page = QStringLiteral("https://") + MakerWebHost + QStringLiteral("/support/index.html");
    const struct {
        const char* code;
        QString expected;
    } cases[] = {
        {"CHS", QStringLiteral("https://") + MakerWebHost + QStringLiteral("/zh-CN/support/index.html")},
        {"CHT", QStringLiteral("https://") + MakerWebHost + QStringLiteral("/zh-TW/support/index.html")},
        {"HEB", QStringLiteral("https://") + MakerWebHost + QStringLiteral("/iw/support/index.html")},
        {"DEU", QStringLiteral("https://") + MakerWebHost + QStringLiteral("/de/support/index.html")},
        {"ASM", page},
        {"ENU", page},
    };
    for (const auto& c : cases) {
        TAppLang lang;
        lang.SetCurLangInfo(GetLangInfoFromStr(QString::fromLatin1(c.code)));
        ASSERT_EQ(lang.CurLangInfo().LangStr, QString::fromLatin1(c.code));
        EXPECT_EQ(lang.LocalizeURL(page), c.expected) << c.code;
    }
}

TEST_F(LangTableTest, LocalizeUrlLeavesOtherHostsAndReplacesEveryOccurrence)
{
    TAppLang lang;
    lang.SetCurLangInfo(GetLangInfoFromStr(QStringLiteral("FRA")));
    EXPECT_EQ(lang.LocalizeURL(QStringLiteral("https://example.org/page")), QStringLiteral("https://example.org/page"));
    EXPECT_EQ(lang.LocalizeURL(QStringLiteral("https://") + MakerWebHost.toUpper() + QStringLiteral("/x")), QStringLiteral("https://") + MakerWebHost.toUpper() + QStringLiteral("/x"));
    EXPECT_EQ(lang.LocalizeURL(QStringLiteral("https://") + MakerWebHost + QStringLiteral("/go?to=") + MakerWebHost),
              QStringLiteral("https://") + MakerWebHost + QStringLiteral("/fr/go?to=") + MakerWebHost + QStringLiteral("/fr"));
}

// ---------------------------------------------------------------- language box

TEST_F(LangTableTest, ComboBoxListsEveryLanguageWithItsCaption)
{
    QComboBox cmbLang;
    cmbLang.addItem(QStringLiteral("stale"));
    InitLangComboBox(&cmbLang);
    ASSERT_EQ(cmbLang.count(), LangInfos.size());
    // English under an English interface: the localized name keeps the blank before "(".
    EXPECT_EQ(cmbLang.itemText(0), QStringLiteral("English(English )"));
    const int german = int(Find(QStringLiteral("DEU")) - LangInfos.constData());
    EXPECT_EQ(cmbLang.itemText(german), QStringLiteral("Deutsch(German)"));
}

TEST_F(LangTableTest, ComboBoxCaptionIsTheNativeNameAloneWhenBothNamesAgree)
{
    ScopedLocaleEnvironment::Set("LANGUAGE", "de");
    InitLangInfoArray(LangInfos);
    QComboBox cmbLang;
    InitLangComboBox(&cmbLang);
    const int german = int(Find(QStringLiteral("DEU")) - LangInfos.constData());
    EXPECT_EQ(cmbLang.itemText(german), QStringLiteral("Deutsch"));
    EXPECT_EQ(cmbLang.itemText(0), QStringLiteral("English(Englisch )"));
}

TEST_F(LangTableTest, ComboBoxSelectionByCode)
{
    QComboBox cmbLang;
    InitLangComboBox(&cmbLang);
    SetLangComboBoxStr(&cmbLang, QStringLiteral("DEU"));
    EXPECT_EQ(GetLangComboBoxStr(&cmbLang), QStringLiteral("DEU"));
    EXPECT_EQ(GetLangComboBoxInfo(&cmbLang).LangID, 0x0007u);

    SetLangComboBoxStr(&cmbLang, QStringLiteral("XYZ"));
    EXPECT_EQ(cmbLang.currentIndex(), 0);
    EXPECT_EQ(GetLangComboBoxStr(&cmbLang), QStringLiteral("ENU"));

    SetLangComboBoxStr(&cmbLang, QStringLiteral("jpn"));  // codes compare exactly
    EXPECT_EQ(GetLangComboBoxStr(&cmbLang), QStringLiteral("ENU"));

    cmbLang.setCurrentIndex(-1);
    EXPECT_EQ(GetLangComboBoxStr(&cmbLang), QStringLiteral("ENU"));
    EXPECT_EQ(GetLangComboBoxInfo(&cmbLang).LangStr, QStringLiteral("ENU"));
}

TEST_F(LangTableTest, ComboBoxItemWithoutAnEntryGivesTheFirstLanguage)
{
    QComboBox cmbLang;
    InitLangComboBox(&cmbLang);
    cmbLang.addItem(QStringLiteral("foreign"));
    cmbLang.setCurrentIndex(cmbLang.count() - 1);
    EXPECT_EQ(GetLangComboBoxStr(&cmbLang), QStringLiteral("ENU"));
}

TEST_F(LangTableTest, LanguageTheSystemCannotNameCannotBeSelected)
{
    LangInfos.removeIf([](const TLangInfo& info) { return info.LangStr == QStringLiteral("JPN"); });
    QComboBox cmbLang;
    InitLangComboBox(&cmbLang);
    SetLangComboBoxStr(&cmbLang, QStringLiteral("KOR"));
    SetLangComboBoxStr(&cmbLang, QStringLiteral("JPN"));
    EXPECT_EQ(GetLangComboBoxStr(&cmbLang), QStringLiteral("ENU"));
    EXPECT_EQ(GetLangInfoFromStr(QStringLiteral("JPN")).LangStr, QStringLiteral("ENU"));
}

// ---------------------------------------------------------------- per-language resources

class LangResourceTest : public ::testing::Test {
protected:
    void TearDown() override { SetLangResourceRoot(FOriginalRoot); }
    static TAppLang In(const char* code)
    {
        TAppLang lang;
        TLangInfo info;
        info.LangStr = QString::fromLatin1(code);
        lang.SetCurLangInfo(info);
        return lang;
    }
    static QByteArray Read(const std::unique_ptr<QIODevice>& stream) { return stream ? stream->readAll() : QByteArray(); }

    const QString FOriginalRoot = LangResourceRoot();
};

TEST_F(LangResourceTest, BuiltInResourcesExistForEnglishAndFallBackToIt)
{
    const QByteArray english = Read(In("ENU").CreateResStream(QStringLiteral("BUTTON_SKIN")));
    const QByteArray german = Read(In("DEU").CreateResStream(QStringLiteral("BUTTON_SKIN")));
    ASSERT_FALSE(english.isEmpty());
    ASSERT_FALSE(german.isEmpty());
    EXPECT_NE(english, german);
    EXPECT_TRUE(english.contains("startbutton"));
    EXPECT_TRUE(english.contains("stopbutton"));
    EXPECT_EQ(Read(In("FRA").CreateResStream(QStringLiteral("BUTTON_SKIN"))), english);
    EXPECT_EQ(In("DEU").CreateResStream(QStringLiteral("NO_SUCH_RESOURCE")), nullptr);
}

TEST_F(LangResourceTest, StreamIsReadOnly)
{
    const std::unique_ptr<QIODevice> stream = In("ENU").CreateResStream(QStringLiteral("IMAGE_64BIT"));
    ASSERT_NE(stream, nullptr);
    EXPECT_TRUE(stream->isReadable());
    EXPECT_FALSE(stream->isWritable());
}

TEST_F(LangResourceTest, PictureOfTheLanguageOrOfEnglish)
{
    QImage english;
    In("ENU").LoadJPEGFromResource(&english, QStringLiteral("IMAGE_64BIT"));
    ASSERT_FALSE(english.isNull());
    EXPECT_EQ(english.size(), QSize(96, 32));
    QImage german;
    In("DEU").LoadJPEGFromResource(&german, QStringLiteral("IMAGE_64BIT"));
    ASSERT_FALSE(german.isNull());
    // The two pictures differ in colour: blue for English, red for German.
    const QColor englishCorner = english.pixelColor(1, 1);
    const QColor germanCorner = german.pixelColor(1, 1);
    EXPECT_GT(englishCorner.blue(), englishCorner.red());
    EXPECT_GT(germanCorner.red(), germanCorner.blue());
    QImage italian;
    In("ITA").LoadJPEGFromResource(&italian, QStringLiteral("IMAGE_64BIT"));
    EXPECT_EQ(italian, english);
}

TEST_F(LangResourceTest, PictureStaysAsItWasWhenNothingCanBeLoaded)
{
    QTemporaryDir dir;
    WriteFile(dir.path() + QStringLiteral("/IMAGE_64BIT_ENU"), "this is not a JPEG picture");
    SetLangResourceRoot(dir.path());

    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QImage before = picture;
    In("DEU").LoadJPEGFromResource(&picture, QStringLiteral("IMAGE_64BIT"));
    EXPECT_EQ(picture, before);
    In("DEU").LoadJPEGFromResource(&picture, QStringLiteral("MISSING"));
    EXPECT_EQ(picture, before);
    In("DEU").LoadJPEGFromResource(nullptr, QStringLiteral("IMAGE_64BIT"));
}

TEST_F(LangResourceTest, SkinLoadsOrStaysAsItWas)
{
    QString skin = QStringLiteral("previous");
    In("FRA").LoadSkinFromResource(&skin, QStringLiteral("MISSING"));
    EXPECT_EQ(skin, QStringLiteral("previous"));
    In("FRA").LoadSkinFromResource(&skin, QStringLiteral("BUTTON_SKIN"));
    EXPECT_TRUE(skin.contains(QStringLiteral("startbutton")));
    In("FRA").LoadSkinFromResource(nullptr, QStringLiteral("BUTTON_SKIN"));
}

TEST(AppLangObject, NewObjectStartsInEnglishAndCopiesTheRecord)
{
    TAppLang lang;
    EXPECT_EQ(lang.CurLangInfo().LangStr, QStringLiteral("ENU"));
    TLangInfo info;
    info.LangID = 0x0411;
    info.LangStr = QStringLiteral("JPN");
    lang.SetCurLangInfo(info);
    info.LangStr = QStringLiteral("changed");
    EXPECT_EQ(lang.CurLangInfo().LangStr, QStringLiteral("JPN"));
}

} // namespace
