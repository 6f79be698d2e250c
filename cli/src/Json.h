// Just enough JSON output for one object per line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meshwright {

// A JSON string literal, quotes included. The output is UTF-8: ill-formed input
// bytes become U+FFFD, control characters are escaped.
std::string JsonString(std::string_view text);

// Builds one object, members in the order they are added.
class JsonObject {
public:
    JsonObject& Add(std::string_view name, std::string_view value);
    JsonObject& Add(std::string_view name, const char* value) { return Add(name, std::string_view(value)); }
    JsonObject& Add(std::string_view name, std::uint64_t value);
    JsonObject& Add(std::string_view name, std::optional<std::uint64_t> value);  // null when empty
    JsonObject& Add(std::string_view name, bool value);
    JsonObject& AddNumber(std::string_view name, double value, int decimals);
    JsonObject& AddNull(std::string_view name);
    JsonObject& Add(std::string_view name, const JsonObject& value);
    JsonObject& Add(std::string_view name, const std::vector<std::string>& values);
    std::string Text() const { return "{" + m_members + "}"; }

private:
    void Name(std::string_view name);
    std::string m_members;
};

}  // namespace meshwright
