#include "Json.h"

#include "Utf.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace meshwright {

std::string JsonString(std::string_view text)
{
    const std::string clean = SanitizeUtf8(text);
    std::string out = "\"";
    for (const char ch : clean) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

void JsonObject::Name(std::string_view name)
{
    if (!m_members.empty())
        m_members += ',';
    m_members += JsonString(name);
    m_members += ':';
}

JsonObject& JsonObject::Add(std::string_view name, std::string_view value)
{
    Name(name);
    m_members += JsonString(value);
    return *this;
}

JsonObject& JsonObject::Add(std::string_view name, std::uint64_t value)
{
    Name(name);
    m_members += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::Add(std::string_view name, std::optional<std::uint64_t> value)
{
    if (!value)
        return AddNull(name);
    return Add(name, *value);
}

JsonObject& JsonObject::Add(std::string_view name, bool value)
{
    Name(name);
    m_members += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::AddNumber(std::string_view name, double value, int decimals)
{
    if (!std::isfinite(value))
        return AddNull(name);  // JSON has no infinities
    Name(name);
    char buffer[64];
    // to_chars: a "." whatever the locale says.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    m_members.append(buffer, result.ptr);
    return *this;
}

JsonObject& JsonObject::AddNull(std::string_view name)
{
    Name(name);
    m_members += "null";
    return *this;
}

JsonObject& JsonObject::Add(std::string_view name, const JsonObject& value)
{
    Name(name);
    m_members += value.Text();
    return *this;
}

JsonObject& JsonObject::Add(std::string_view name, const std::vector<std::string>& values)
{
    Name(name);
    m_members += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            m_members += ',';
        m_members += JsonString(values[i]);
    }
    m_members += ']';
    return *this;
}

}  // namespace meshwright
