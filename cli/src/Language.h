// The user's interface language as a Windows LANGID, which selects the engine's texts.
#pragma once

#include <cstdint>
#include <string_view>

namespace meshwright {

inline constexpr std::uint16_t kLangUSEnglish = 1033;

// A locale name such as "de_DE.UTF-8" or "pt_BR"; 0 when it names no language in the table.
std::uint16_t LangIdFromLocale(std::string_view name);

// LANGUAGE (a colon list), then LC_ALL, LC_MESSAGES, LANG, as gettext reads them; US English otherwise.
std::uint16_t LangIdFromEnvironment();

}  // namespace meshwright
