// Fills the repair product's catalogue variables from a language file.
#pragma once

#include "localization/LangIniFile.h"

// Sets every product variable: the file's value, or the English text where the
// file has none; without a file, nothing changes.
void LoadSpecStrings(const TLangIniFile* IniFile);
