// Texts for people: quoted paths and grouped numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace meshwright {

// 'path' in single quotes; bytes that are not valid UTF-8 or are control characters
// appear as \xNN, so a hostile file name cannot drive the terminal.
std::string Quoted(std::string_view path);

// 1234567 -> "1,234,567"
std::string Grouped(std::uint64_t value);

}  // namespace meshwright
