// UTF-8 <-> UTF-16 for the engine boundary, whose texts are UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace meshwright {

// Strict: nullopt for any ill-formed sequence (overlong forms, surrogates, > U+10FFFF).
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);

// Lone surrogates become U+FFFD, so the result is always valid UTF-8.
std::string Utf16ToUtf8(std::u16string_view utf16);

bool IsValidUtf8(std::string_view text);

// Replaces every ill-formed sequence with U+FFFD.
std::string SanitizeUtf8(std::string_view text);

}  // namespace meshwright
