#include "localization/LangStrings.h"

#include "localization/AppLang.h"
#include "localization/SpecLoadStr.h"
#include "localization/TarqLoadStr.h"
#include "platform/SkinTextList.h"

void ReadLangStrings(const TLangIniFile* IniFile)
{
    LoadStrings(IniFile);
    LoadStandardResStrings(IniFile, TSkinTextList::Active().Lines, EnglishStandardResStrings());
    LoadSpecStrings(IniFile);
}

namespace {

QString LoadFrom(const QString& fileName)
{
    const TLangIniFile iniFile(fileName);
    ReadLangStrings(&iniFile);
    return fileName;
}

} // namespace

QString LoadLangStrings()
{
    const TAppLang fallback;
    const TAppLang& lang = CurrentAppLang ? *CurrentAppLang : fallback;
    return LoadFrom(lang.GetLangIniFileName());
}

QString LoadLangStrings(const QString& exeFilePath)
{
    const TAppLang fallback;
    const TAppLang& lang = CurrentAppLang ? *CurrentAppLang : fallback;
    return LoadFrom(lang.GetLangIniFileName(exeFilePath));
}
