// UTF-16 text helpers of the engine: path conversion and printf-style formatting.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kalvo {

// Strict conversion for paths: a lone surrogate makes the text unusable.
std::optional<std::string> Utf16ToUtf8(std::u16string_view text);

// Lenient conversion for texts shown to the user: invalid bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// Length of a NUL-terminated UTF-16 text.
std::size_t Utf16Length(const char16_t* text);

using FormatArg = std::variant<std::uint32_t, std::u16string_view>;

// printf-style: "%u" and "%d" take a number, "%s" a text, "%%" is a percent sign.
// A placeholder whose argument is missing or of the other kind is written as it
// stands, so a broken translation can never read past its arguments.
std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args);

// Replaces every occurrence of what in text.
std::u16string ReplaceAll(std::u16string text, std::u16string_view what, std::u16string_view with);

}  // namespace kalvo
