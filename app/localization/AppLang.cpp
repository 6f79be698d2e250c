#include "localization/AppLang.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <unicode/uloc.h>
#include <unicode/ustring.h>

#include <mutex>

namespace {

struct TLangTableEntry {
    uint32_t LangID;
    const char* LangStr;
    const char* Locale;  // ICU locale id
};

// The three-letter codes are the ones the language files, help files and
// resources are named with; they differ from ISO 639-2 on purpose.
const TLangTableEntry kLangTable[SupportedLangCount] = {
    {0x0409, "ENU", "en_US"},      {0x0C0A, "ESN", "es_ES"},      {0x000C, "FRA", "fr"},
    {0x0007, "DEU", "de"},         {0x0010, "ITA", "it"},         {0x0016, "PIG", "pt"},
    {0x0419, "RUS", "ru_RU"},      {0x0411, "JPN", "ja_JP"},      {0x0412, "KOR", "ko_KR"},
    {0x0804, "CHS", "zh_Hans_CN"}, {0x041F, "TRK", "tr_TR"},      {0x0402, "BGR", "bg_BG"},
    {0x0405, "CSY", "cs_CZ"},      {0x0406, "DAN", "da_DK"},      {0x0408, "ELL", "el_GR"},
    {0x0425, "ETI", "et_EE"},      {0x040B, "FIN", "fi_FI"},      {0x040E, "HUN", "hu_HU"},
    {0x0421, "IND", "id_ID"},      {0x0427, "LTH", "lt_LT"},      {0x0426, "LVI", "lv_LV"},
    {0x0413, "NLD", "nl_NL"},      {0x0414, "NOR", "nb_NO"},      {0x0415, "PLK", "pl_PL"},
    {0x0418, "ROM", "ro_RO"},      {0x041B, "SKY", "sk_SK"},      {0x0424, "SLV", "sl_SI"},
    {0x041D, "SVE", "sv_SE"},      {0x0422, "UKR", "uk_UA"},      {0x0436, "AFK", "af_ZA"},
    {0x045E, "AMH", "am_ET"},      {0x0401, "ARA", "ar_SA"},      {0x044D, "ASM", "as_IN"},
    {0x042C, "AZE", "az_Latn_AZ"}, {0x0423, "BEL", "be_BY"},      {0x0445, "BNG", "bn_IN"},
    {0x141A, "BSB", "bs_Latn_BA"}, {0x0403, "CAT", "ca_ES"},      {0x0404, "CHT", "zh_Hant_TW"},
    {0x0483, "COS", "co_FR"},      {0x0452, "CYM", "cy_GB"},      {0x0465, "DIV", "dv_MV"},
    {0x042D, "EUQ", "eu_ES"},      {0x0429, "FAR", "fa_IR"},      {0x0464, "FPO", "fil_PH"},
    {0x0462, "FYN", "fy_NL"},      {0x0491, "GLA", "gd_GB"},      {0x0456, "GLC", "gl_ES"},
    {0x0447, "GUJ", "gu_IN"},      {0x0468, "HAU", "ha_Latn_NG"}, {0x040D, "HEB", "he_IL"},
    {0x0439, "HIN", "hi_IN"},      {0x041A, "HRV", "hr_HR"},      {0x042B, "HYE", "hy_AM"},
    {0x0470, "IBO", "ig_NG"},      {0x003C, "IRE", "ga"},         {0x040F, "ISL", "is_IS"},
    {0x0437, "KAT", "ka_GE"},      {0x044B, "KDI", "kn_IN"},      {0x0453, "KHM", "km_KH"},
    {0x0487, "KIN", "rw_RW"},      {0x043F, "KKZ", "kk_KZ"},      {0x0440, "KYR", "ky_KG"},
    {0x0454, "LAO", "lo_LA"},      {0x046E, "LBX", "lb_LU"},      {0x044E, "MAR", "mr_IN"},
    {0x042F, "MKI", "mk_MK"},      {0x043A, "MLT", "mt_MT"},      {0x0450, "MNN", "mn_MN"},
    {0x0481, "MRI", "mi_NZ"},      {0x043E, "MSL", "ms_MY"},      {0x044C, "MYM", "ml_IN"},
    {0x0461, "NEP", "ne_NP"},      {0x046C, "NSO", "nso_ZA"},     {0x0448, "ORI", "or_IN"},
    {0x0446, "PAN", "pa_IN"},      {0x0463, "PAS", "ps_AF"},      {0x044F, "SAN", "sa_IN"},
    {0x045B, "SIN", "si_LK"},      {0x041C, "SQI", "sq_AL"},      {0x0C1A, "SRB", "sr_Cyrl_RS"},
    {0x0441, "SWK", "sw_KE"},      {0x0428, "TAJ", "tg_Cyrl_TJ"}, {0x0449, "TAM", "ta_IN"},
    {0x044A, "TEL", "te_IN"},      {0x041E, "THA", "th_TH"},      {0x0444, "TTT", "tt_RU"},
    {0x0442, "TUK", "tk_TM"},      {0x0480, "UIG", "ug_CN"},      {0x0420, "URD", "ur_PK"},
    {0x0443, "UZB", "uz_Latn_UZ"}, {0x042A, "VIT", "vi_VN"},      {0x0434, "XHO", "xh_ZA"},
    {0x046A, "YOR", "yo_NG"},      {0x0435, "ZUL", "zu_ZA"},
};

constexpr uint32_t kPrimaryLangMask = 0x3FF;
constexpr uint32_t kEnglishUS = 0x0409;

const TLangTableEntry* FindTableEntry(uint32_t LangID)
{
    for (const TLangTableEntry& entry : kLangTable)
        if (entry.LangID == LangID)
            return &entry;
    return nullptr;
}

// The ICU locale of an identifier: ours for the offered languages, ICU's own
// mapping for any other.
QByteArray LocaleOf(uint32_t LangID)
{
    if (const TLangTableEntry* entry = FindTableEntry(LangID))
        return entry->Locale;
    char buffer[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uloc_getLocaleForLCID(LangID, buffer, sizeof buffer, &status);
    if (U_FAILURE(status) || length <= 0)
        return {};
    return QByteArray(buffer, length);
}

QByteArray LanguageOf(const QByteArray& locale)
{
    char buffer[ULOC_LANG_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uloc_getLanguage(locale.constData(), buffer, sizeof buffer, &status);
    if (U_FAILURE(status) || length <= 0)
        return {};
    return QByteArray(buffer, length);
}

QByteArray CountryOf(const QByteArray& locale)
{
    char buffer[ULOC_COUNTRY_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uloc_getCountry(locale.constData(), buffer, sizeof buffer, &status);
    if (U_FAILURE(status) || length <= 0)
        return {};
    return QByteArray(buffer, length);
}

using DisplayFunction = int32_t (*)(const char*, const char*, UChar*, int32_t, UErrorCode*);

// A display name, or empty when ICU has none for the locale. ICU answers an
// unknown language with its bare code, and fills a name it lacks in the display
// language from the process default locale; the caller is told of the latter.
QString DisplayName(DisplayFunction function, const QByteArray& locale, const QByteArray& displayLocale,
                    bool* fromDefaultLocale = nullptr)
{
    if (locale.isEmpty())
        return {};
    UChar buffer[256];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = function(locale.constData(), displayLocale.constData(), buffer, 256, &status);
    if (U_FAILURE(status) || length <= 0)
        return {};
    if (fromDefaultLocale)
        *fromDefaultLocale = status == U_USING_DEFAULT_WARNING;
    const QString name = QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer), qMin(length, 256));
    const QByteArray language = LanguageOf(locale);
    if (name.compare(QString::fromLatin1(language), Qt::CaseInsensitive) == 0
        || name.compare(QString::fromLatin1(locale), Qt::CaseInsensitive) == 0)
        return {};
    return name;
}

QByteArray UserInterfaceLocale()
{
    const QString locale = UserEnvironmentLocale();
    return locale.isEmpty() ? QByteArray("en_US") : locale.toLatin1();
}

QString ResourceRoot = QStringLiteral(":/res");

QString ExecutableFilePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

QString PerLanguageFile(const QString& exeFilePath, const QString& subFolder, const QString& LangStr,
                        const QString& extension)
{
    const QFileInfo program(exeFilePath);
    const QString stem = program.absolutePath() + u'/' + subFolder + u'/' + ProgramBaseName(exeFilePath) + u'_';
    const QString localized = stem + LangStr + extension;
    if (QFileInfo::exists(localized))
        return localized;
    return stem + QStringLiteral("ENU") + extension;
}

} // namespace

// Outside any namespace: the resource initialiser must be seen under its own name,
// and calling it keeps the linker from dropping the resources of this static library.
static void InitLangResources()
{
    Q_INIT_RESOURCE(AppLangResources);
}

const uint32_t SupportedLangIDs[SupportedLangCount] = {
    0x0409, 0x0C0A, 0x000C, 0x0007, 0x0010, 0x0016, 0x0419, 0x0411, 0x0412, 0x0804, 0x041F, 0x0402,
    0x0405, 0x0406, 0x0408, 0x0425, 0x040B, 0x040E, 0x0421, 0x0427, 0x0426, 0x0413, 0x0414, 0x0415,
    0x0418, 0x041B, 0x0424, 0x041D, 0x0422, 0x0436, 0x045E, 0x0401, 0x044D, 0x042C, 0x0423, 0x0445,
    0x141A, 0x0403, 0x0404, 0x0483, 0x0452, 0x0465, 0x042D, 0x0429, 0x0464, 0x0462, 0x0491, 0x0456,
    0x0447, 0x0468, 0x040D, 0x0439, 0x041A, 0x042B, 0x0470, 0x003C, 0x040F, 0x0437, 0x044B, 0x0453,
    0x0487, 0x043F, 0x0440, 0x0454, 0x046E, 0x044E, 0x042F, 0x043A, 0x0450, 0x0481, 0x043E, 0x044C,
    0x0461, 0x046C, 0x0448, 0x0446, 0x0463, 0x044F, 0x045B, 0x041C, 0x0C1A, 0x0441, 0x0428, 0x0449,
    0x044A, 0x041E, 0x0444, 0x0442, 0x0480, 0x0420, 0x0443, 0x042A, 0x0434, 0x046A, 0x0435,
};

TLangInfoArray LangInfos;

const QString MakerWebHost = QStringLiteral("www.meshwright.example");

TAppLang* CurrentAppLang = nullptr;

QString GetLangStr(uint32_t LangID)
{
    if (const TLangTableEntry* entry = FindTableEntry(LangID))
        return QString::fromLatin1(entry->LangStr);
    return QStringLiteral("ENU");
}

QString GetURLStr(uint32_t LangID)
{
    switch (LangID) {
    case kEnglishUS:
        return {};
    case 0x0804:
    case 0x0404: {
        const QByteArray locale = LocaleOf(LangID);
        QByteArray language = LanguageOf(locale);
        QByteArray country = CountryOf(locale);
        if (language.isEmpty())
            language = "zh";
        if (country.isEmpty())
            country = LangID == 0x0804 ? "CN" : "TW";
        return u'/' + QString::fromLatin1(language) + u'-' + QString::fromLatin1(country);
    }
    case 0x040D:
        return QStringLiteral("/iw");
    case 0x0414:
        return QStringLiteral("/no");
    case 0x0464:
        return QStringLiteral("/tl");
    // The web site has no pages in these languages.
    case 0x044D: case 0x0442: case 0x0444: case 0x0448: case 0x044F:
    case 0x0465: case 0x046C: case 0x0480: case 0x0487:
        return {};
    default: {
        const QByteArray language = LanguageOf(LocaleOf(LangID));
        return language.isEmpty() ? QString() : u'/' + QString::fromLatin1(language);
    }
    }
}

QString GetNativeLangName(uint32_t LangID)
{
    const QByteArray locale = LocaleOf(LangID);
    bool fromDefault = false;
    const QString name = DisplayName(uloc_getDisplayLanguage, locale, locale, &fromDefault);
    // Without native data ICU would answer in whatever the process locale is;
    // the English name is the stable choice.
    if (fromDefault)
        return GetEngLangName(LangID);
    return name;
}

QString GetLocalizedLangName(uint32_t LangID)
{
    QString name = DisplayName(uloc_getDisplayName, LocaleOf(LangID), UserInterfaceLocale());
    const qsizetype parenthesis = name.indexOf(u'(');
    if (parenthesis >= 0)
        name.truncate(parenthesis);
    return name;
}

QString GetEngLangName(uint32_t LangID)
{
    return DisplayName(uloc_getDisplayLanguage, LocaleOf(LangID), "en");
}

QString GetCultureCode(uint32_t LangID)
{
    const QByteArray locale = LocaleOf(LangID);
    const QByteArray language = LanguageOf(locale);
    const QByteArray country = CountryOf(locale);
    if (language.isEmpty() || country.isEmpty())
        return {};
    return QString::fromLatin1(language) + u'-' + QString::fromLatin1(country);
}

void InitLangInfoArray(TLangInfoArray& Infos)
{
    Infos.clear();
    for (const uint32_t id : SupportedLangIDs) {
        TLangInfo info;
        info.LangID = id;
        info.LangStr = GetLangStr(id);
        info.URLStr = GetURLStr(id);
        info.NativeLangName = GetNativeLangName(id);
        info.LocalizedLangName = GetLocalizedLangName(id);
        info.EngLangName = GetEngLangName(id);
        if (!info.LocalizedLangName.isEmpty() && !info.EngLangName.isEmpty())
            Infos.append(info);
    }
}

TLangInfo GetLangInfoFromStr(const QString& LangStr)
{
    for (const TLangInfo& info : LangInfos)
        if (info.LangStr == LangStr)
            return info;
    if (!LangInfos.isEmpty())
        return LangInfos.first();
    // Before the table is built there is still a language to fall back to.
    TLangInfo english;
    english.LangID = kEnglishUS;
    english.LangStr = QStringLiteral("ENU");
    return english;
}

bool IsSupportedLang(uint32_t LangID)
{
    static const QSet<uint32_t> supported = [] {
        QSet<uint32_t> ids;
        const int32_t count = uloc_countAvailable();
        for (int32_t i = 0; i < count; ++i)
            if (const uint32_t id = uloc_getLCID(uloc_getAvailable(i)))
                ids.insert(id);
        return ids;
    }();
    if (supported.contains(LangID))
        return true;
    for (const uint32_t id : supported)
        if ((id & kPrimaryLangMask) == (LangID & kPrimaryLangMask))
            return true;
    return false;
}

QString GetUserDefaultLangStr()
{
    const QString userLocale = UserEnvironmentLocale();
    if (userLocale.isEmpty())
        return QStringLiteral("ENU");
    TLangInfoArray built;
    const TLangInfoArray* infos = &LangInfos;
    if (infos->isEmpty()) {
        InitLangInfoArray(built);
        infos = &built;
    }
    const uint32_t userID = LocaleToLangID(userLocale);
    if (userID != 0)
        for (const TLangInfo& info : *infos)
            if (info.LangID == userID)
                return info.LangStr;
    // Croatian, Serbian and Bosnian share one primary identifier; the language
    // itself picks the right one of them before the identifiers are compared.
    const QByteArray userLanguage = LanguageOf(userLocale.toLatin1());
    if (!userLanguage.isEmpty())
        for (const TLangInfo& info : *infos)
            if (LanguageOf(LocaleOf(info.LangID)) == userLanguage)
                return info.LangStr;
    if (userID != 0)
        for (const TLangInfo& info : *infos)
            if ((info.LangID & kPrimaryLangMask) == (userID & kPrimaryLangMask))
                return info.LangStr;
    return QStringLiteral("ENU");
}

void InitLangComboBox(QComboBox* cmbLang)
{
    if (!cmbLang)
        return;
    cmbLang->clear();
    for (qsizetype i = 0; i < LangInfos.size(); ++i) {
        const TLangInfo& info = LangInfos[i];
        const QString caption = info.NativeLangName == info.LocalizedLangName
            ? info.NativeLangName
            : info.NativeLangName + u'(' + info.LocalizedLangName + u')';
        cmbLang->addItem(caption, QVariant::fromValue(static_cast<int>(i)));
    }
}

QString GetLangComboBoxStr(const QComboBox* cmbLang)
{
    const QString fallback = LangInfos.isEmpty() ? QStringLiteral("ENU") : LangInfos.first().LangStr;
    if (!cmbLang || cmbLang->currentIndex() < 0)
        return fallback;
    bool ok = false;
    const int entry = cmbLang->currentData().toInt(&ok);
    if (!ok || entry < 0 || entry >= LangInfos.size())
        return fallback;
    return LangInfos[entry].LangStr;
}

void SetLangComboBoxStr(QComboBox* cmbLang, const QString& LangStr)
{
    if (!cmbLang || cmbLang->count() == 0)
        return;
    cmbLang->setCurrentIndex(0);
    for (int item = 0; item < cmbLang->count(); ++item) {
        bool ok = false;
        const int entry = cmbLang->itemData(item).toInt(&ok);
        if (ok && entry >= 0 && entry < LangInfos.size() && LangInfos[entry].LangStr == LangStr) {
            cmbLang->setCurrentIndex(item);
            return;
        }
    }
}

TLangInfo GetLangComboBoxInfo(const QComboBox* cmbLang)
{
    return GetLangInfoFromStr(GetLangComboBoxStr(cmbLang));
}

QString PosixToIcuLocale(const QString& posixName)
{
    QString name = posixName.trimmed();
    QString modifier;
    if (const qsizetype at = name.indexOf(u'@'); at >= 0) {
        modifier = name.mid(at + 1).toLower();
        name.truncate(at);
    }
    if (const qsizetype dot = name.indexOf(u'.'); dot >= 0)
        name.truncate(dot);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    name.replace(u'-', u'_');
    QStringList parts = name.split(u'_', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    parts[0] = parts[0].toLower();
    const bool hasScript = parts.size() > 1 && parts[1].size() == 4;
    if (!hasScript) {
        if (modifier == u"latin")
            parts.insert(1, QStringLiteral("Latn"));
        else if (modifier == u"cyrillic")
            parts.insert(1, QStringLiteral("Cyrl"));
    }
    return parts.join(u'_');
}

QString UserEnvironmentLocale()
{
    const QString language = qEnvironmentVariable("LANGUAGE");
    if (!language.isEmpty()) {
        for (const QString& item : language.split(u':', Qt::SkipEmptyParts))
            if (const QString locale = PosixToIcuLocale(item); !locale.isEmpty())
                return locale;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return PosixToIcuLocale(value);
    }
    return {};
}

uint32_t LocaleToLangID(const QString& icuLocale)
{
    if (icuLocale.isEmpty())
        return 0;
    return uloc_getLCID(icuLocale.toLatin1().constData());
}

void SetLangResourceRoot(const QString& root)
{
    ResourceRoot = root;
}

QString LangResourceRoot()
{
    return ResourceRoot;
}

QString ProgramBaseName(const QString& exeFilePath)
{
    QString name = QFileInfo(exeFilePath).fileName();
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot > 0)
        name.truncate(dot);
    if (name.endsWith(u"64"))
        name.chop(2);
    return name;
}

TAppLang::TAppLang()
{
    FCurLangInfo = GetLangInfoFromStr(QStringLiteral("ENU"));
}

TAppLang::~TAppLang() = default;

std::unique_ptr<QIODevice> TAppLang::CreateResStream(const QString& ResName) const
{
    static std::once_flag resourcesReady;
    std::call_once(resourcesReady, InitLangResources);
    for (const QString& code : {FCurLangInfo.LangStr, QStringLiteral("ENU")}) {
        if (code.isEmpty())
            continue;
        auto stream = std::make_unique<QFile>(ResourceRoot + u'/' + ResName + u'_' + code);
        if (stream->open(QIODevice::ReadOnly))
            return stream;
    }
    return nullptr;
}

void TAppLang::LoadJPEGFromResource(QImage* Picture, const QString& ResName) const
{
    if (!Picture)
        return;
    const std::unique_ptr<QIODevice> stream = CreateResStream(ResName);
    if (!stream)
        return;
    QImageReader reader(stream.get(), "jpeg");
    QImage image;
    if (reader.read(&image))
        *Picture = image;
}

void TAppLang::LoadSkinFromResource(QString* bsCompressedStoredSkin, const QString& ResName) const
{
    if (!bsCompressedStoredSkin)
        return;
    const std::unique_ptr<QIODevice> stream = CreateResStream(ResName);
    if (!stream)
        return;
    const QByteArray data = stream->readAll();
    if (!data.isEmpty())
        *bsCompressedStoredSkin = QString::fromUtf8(data);
}

QString TAppLang::GetLangIniFileName() const
{
    return GetLangIniFileName(ExecutableFilePath());
}

QString TAppLang::GetLangIniFileName(const QString& exeFilePath) const
{
    return PerLanguageFile(exeFilePath, QStringLiteral("Lang"), FCurLangInfo.LangStr, QStringLiteral(".ini"));
}

QString TAppLang::GetHelpFileName() const
{
    return GetHelpFileName(ExecutableFilePath());
}

QString TAppLang::GetHelpFileName(const QString& exeFilePath) const
{
    return PerLanguageFile(exeFilePath, QStringLiteral("Help"), FCurLangInfo.LangStr, QStringLiteral(".html"));
}

QString TAppLang::LocalizeURL(const QString& URL) const
{
    if (FCurLangInfo.URLStr.isEmpty())
        return URL;
    QString result = URL;
    result.replace(MakerWebHost, MakerWebHost + FCurLangInfo.URLStr, Qt::CaseSensitive);
    return result;
}
