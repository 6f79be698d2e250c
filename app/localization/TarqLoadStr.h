// Fills the program's catalogue variables and the skin texts from a language file.
#pragma once

#include "localization/LangIniFile.h"
#include "localization/TarqStrings.h"

#include <QStringList>

// Sets every program variable: the file's value, or the English text where the
// file has none; without a file, nothing changes.
void LoadStrings(const TLangIniFile* IniFile);

// Replaces Strings with the lines of section StandardResStrings, in file order;
// when the section gives none, Strings becomes a copy of EnglishStrings.
// Without a file, nothing changes.
void LoadStandardResStrings(const TLangIniFile* IniFile, QStringList& Strings, const QStringList& EnglishStrings);

// The skin's built-in English texts, one "NAME=value" line per name.
const QStringList& EnglishStandardResStrings();

// Sets each entry's variable from the file, or from its English text.
void LoadStringEntries(const TLangIniFile& IniFile, std::span<const TStringEntry> entries);
