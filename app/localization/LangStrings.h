// Loading the current language's texts as a whole, as the main window does on
// start and after every change of language.
#pragma once

#include "localization/LangIniFile.h"

#include <QString>

// Program texts, skin texts into TSkinTextList::Active(), then the product texts.
void ReadLangStrings(const TLangIniFile* IniFile);

// Reads the current language's file (CurrentAppLang; a missing file reads as
// empty, so every text is English) and returns the name of the file it used.
QString LoadLangStrings();
// The same with the program path given, for callers that know it.
QString LoadLangStrings(const QString& exeFilePath);
