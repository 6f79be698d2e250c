// The engine's own localized texts: a table compiled into the library.
#pragma once

#include <cstdint>
#include <string_view>

namespace kalvo {

enum EngineTextId : unsigned {
    IDS_PROCESSED_FACETS = 8,   // "Total count of processed facets: %u."
    IDS_FINAL_PROCESSING = 9,   // "Final data processing."
    IDS_ERROR_FILE = 10,        // "Error 1: Cannot open the file to be repaired. %s"
    IDS_ERROR_GENERAL = 11,     // "Error 2: General error. %s"
    IDS_ERROR_UNKNOWN = 12,     // "Error 3: Unknown error in %s."
    IDS_SHARE_VIOLATION = 28,   // "Share violation when opening the source file '%s'. ..."
    IDS_WHOLE_PROCESS = 29,     // "whole recovery process"
};

constexpr unsigned kEngineTextIds[] = {8, 9, 10, 11, 12, 28, 29};
constexpr std::uint16_t kLangUSEnglish = 1033;

// The table's text for (language, id); nullptr when the table has no such entry.
const char16_t* FindEngineText(std::uint16_t langId, unsigned id);

// The LANGIDs the table holds, in ascending order.
std::basic_string_view<std::uint16_t> EngineTextLanguages();

// LANGID for a POSIX locale name ("de_DE.UTF-8", "pt", "sr_RS@latin", "zh_TW");
// 0 when the name says nothing we can map ("", "C", "POSIX", unknown languages).
std::uint16_t LangIdFromLocaleName(std::string_view name);

}  // namespace kalvo
