// The precision text as the engine will read it, so that the program can warn
// before the engine silently falls back to its default.
#pragma once

#include <optional>
#include <string_view>

namespace meshwright {

inline constexpr const char* kDefaultPrecisionText = "1e-6";

// The single-precision epsilon the text gives, or nullopt when the engine would use
// its default instead: no number at the start, or a value that is zero, infinite or
// out of range in single precision.
std::optional<float> ParsePrecision(std::string_view text);

}  // namespace meshwright
