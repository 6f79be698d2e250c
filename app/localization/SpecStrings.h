// The repair product's own translatable texts, loaded after the program's.
#pragma once

#include "localization/TarqStrings.h"

// [MainForm]
extern QString SOpenFilter;
extern QString SSaveFilter;
extern QString SOpenFixedFileOption;
extern QString SEpsilonPrompt;
// [ErrorMessages]
extern QString SInvalidFloatPointNumberError;
// [SuccessMsgForm]
extern QString SRepairSuccessTitle;
extern QString SRepairSuccessMessage;

// Every entry of this catalogue, in language-file order.
std::span<const TStringEntry> SpecStringEntries();
