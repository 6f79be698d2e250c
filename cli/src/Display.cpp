#include "Display.h"

#include "Utf.h"

#include <cstdio>

namespace meshwright {

std::string Quoted(std::string_view path)
{
    std::string out = "'";
    for (std::size_t i = 0; i < path.size();) {
        const auto c = static_cast<unsigned char>(path[i]);
        std::size_t length = 1;
        if (c >= 0x80) {
            length = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
            if (i + length > path.size() || !IsValidUtf8(path.substr(i, length)))
                length = 0;
        } else if (c < 0x20 || c == 0x7F) {
            length = 0;
        }
        if (length == 0) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
            out += buffer;
            ++i;
        } else {
            out.append(path.substr(i, length));
            i += length;
        }
    }
    return out + "'";
}

std::string Grouped(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace meshwright
