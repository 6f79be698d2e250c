// The languages the program offers, the current language and everything that is
// looked up per language: language file, help file, pictures, skin and the
// language segment of web addresses.
#pragma once

#include <QString>
#include <QVector>

#include <cstdint>
#include <memory>

class QComboBox;
class QIODevice;
class QImage;

struct TLangInfo {
    uint32_t LangID = 0;          // Windows locale identifier (LCID)
    QString LangStr;              // three-letter code of files and resources
    QString URLStr;               // localized web-site segment with its "/", or empty
    QString NativeLangName;
    QString LocalizedLangName;    // in the user-interface language, cut before "("
    QString EngLangName;

    bool operator==(const TLangInfo&) const = default;
};

using TLangInfoArray = QVector<TLangInfo>;

inline constexpr int SupportedLangCount = 95;

// The offered languages, in the order they are offered.
extern const uint32_t SupportedLangIDs[SupportedLangCount];

// The languages of SupportedLangIDs that the locale data can name, in table order.
extern TLangInfoArray LangInfos;

// Host name of the maker's web site; LocalizeURL inserts the language segment after it.
extern const QString MakerWebHost;

// The code for the locale; "ENU" for an identifier the program has no code for.
QString GetLangStr(uint32_t LangID);
QString GetURLStr(uint32_t LangID);
QString GetNativeLangName(uint32_t LangID);
QString GetLocalizedLangName(uint32_t LangID);
QString GetEngLangName(uint32_t LangID);
// ISO 639 language + "-" + ISO 3166 country ("de-DE"); empty when either is unknown.
QString GetCultureCode(uint32_t LangID);

void InitLangInfoArray(TLangInfoArray& Infos);
TLangInfo GetLangInfoFromStr(const QString& LangStr);
bool IsSupportedLang(uint32_t LangID);
QString GetUserDefaultLangStr();

void InitLangComboBox(QComboBox* cmbLang);
QString GetLangComboBoxStr(const QComboBox* cmbLang);
void SetLangComboBoxStr(QComboBox* cmbLang, const QString& LangStr);
TLangInfo GetLangComboBoxInfo(const QComboBox* cmbLang);

// The locale the user's environment asks for (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, first one set), as an ICU locale id; empty for none or "C"/"POSIX".
QString UserEnvironmentLocale();
// POSIX locale name ("pt_BR.UTF-8", "sr_RS@latin") to an ICU locale id ("sr_Latn_RS").
QString PosixToIcuLocale(const QString& posixName);
// The LCID of an ICU locale id; 0 when it has none.
uint32_t LocaleToLangID(const QString& icuLocale);

// Where the per-language resources live (":/res" in the program); tests may
// point it at a folder of their own.
void SetLangResourceRoot(const QString& root);
QString LangResourceRoot();

class TAppLang {
public:
    TAppLang();
    ~TAppLang();

    const TLangInfo& CurLangInfo() const { return FCurLangInfo; }
    void SetCurLangInfo(const TLangInfo& Value) { FCurLangInfo = Value; }

    // The resource ResName + "_" + code, else ResName + "_ENU", else null; opened read-only.
    std::unique_ptr<QIODevice> CreateResStream(const QString& ResName) const;
    // Picture keeps its image when the resource is missing or not a readable JPEG.
    void LoadJPEGFromResource(QImage* Picture, const QString& ResName) const;
    // The skin is a style sheet; bsCompressedStoredSkin keeps its text on any failure.
    void LoadSkinFromResource(QString* bsCompressedStoredSkin, const QString& ResName) const;

    // Beside the program: Lang/<base>_<code>.ini, else the ENU name.
    QString GetLangIniFileName() const;
    QString GetLangIniFileName(const QString& exeFilePath) const;
    // Beside the program: Help/<base>_<code>.html, else the ENU name.
    QString GetHelpFileName() const;
    QString GetHelpFileName(const QString& exeFilePath) const;

    QString LocalizeURL(const QString& URL) const;

private:
    TLangInfo FCurLangInfo;
};

// Created and freed by the main window.
extern TAppLang* CurrentAppLang;

// The program's base name: file name without extension and without a trailing "64".
QString ProgramBaseName(const QString& exeFilePath);
