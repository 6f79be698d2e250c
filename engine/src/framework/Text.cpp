#include "framework/Text.h"

#include <vector>

namespace kalvo {

std::optional<std::string> Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return std::nullopt;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = byte(i);
        const std::size_t need = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : 4;
        char32_t c = 0xFFFD;
        std::size_t len = 1;
        if (need == 0) {
            c = b;
        } else if (need < 4 && i + need < text.size()) {
            char32_t v = b & (0x3F >> need);
            bool ok = true;
            for (std::size_t k = 1; ok && k <= need; ++k) {
                ok = (byte(i + k) & 0xC0) == 0x80;
                v = (v << 6) | (byte(i + k) & 0x3F);
            }
            static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
            if (ok && v >= kMin[need] && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) {
                c = v;
                len = need + 1;
            }
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += len;
    }
    return out;
}

std::size_t Utf16Length(const char16_t* text)
{
    std::size_t n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args)
{
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char16_t c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const char16_t conversion = format[i + 1];
        if (conversion == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        if (conversion != u'u' && conversion != u'd' && conversion != u's') {
            out += c;
            continue;
        }
        const bool wantsText = conversion == u's';
        if (next == args.end() || std::holds_alternative<std::u16string_view>(*next) != wantsText) {
            out += c;
            continue;
        }
        if (wantsText) {
            out += std::get<std::u16string_view>(*next);
        } else {
            const std::uint32_t value = std::get<std::uint32_t>(*next);
            const std::string digits = conversion == u'd' ? std::to_string(static_cast<std::int32_t>(value))
                                                    : std::to_string(value);
            out.append(digits.begin(), digits.end());
        }
        ++next;
        ++i;
    }
    return out;
}

std::u16string ReplaceAll(std::u16string text, std::u16string_view what, std::u16string_view with)
{
    if (what.empty())
        return text;
    for (std::size_t pos = text.find(what); pos != std::u16string::npos; pos = text.find(what, pos + with.size()))
        text.replace(pos, what.size(), with);
    return text;
}

}  // namespace kalvo
