#include "localization/SpecLoadStr.h"

#include "localization/SpecStrings.h"
#include "localization/TarqLoadStr.h"

void LoadSpecStrings(const TLangIniFile* IniFile)
{
    if (!IniFile)
        return;
    LoadStringEntries(*IniFile, SpecStringEntries());
}
