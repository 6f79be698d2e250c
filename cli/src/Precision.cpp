#include "Precision.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace meshwright {
namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The longest leading decimal number after blanks; empty when there is none.
// "nan", "inf" and hexadecimal forms are deliberately not numbers here.
std::string NumberPrefix(std::string_view text)
{
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < text.size() ? text[k] : '\0'; };
    while (IsBlank(at(i)))
        ++i;
    std::string number;
    if (at(i) == '+' || at(i) == '-')
        number += at(i++);
    std::size_t digits = 0;
    for (; IsDigit(at(i)); ++i, ++digits)
        number += at(i);
    if (at(i) == '.') {
        number += '.';
        for (++i; IsDigit(at(i)); ++i, ++digits)
            number += at(i);
    }
    if (digits == 0)
        return {};
    if (at(i) == 'e' || at(i) == 'E') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (at(j) == '+' || at(j) == '-')
            exponent += at(j++);
        if (IsDigit(at(j))) {
            for (; IsDigit(at(j)); ++j)
                exponent += at(j);
            number += exponent;
        }
    }
    return number;
}

}  // namespace

std::optional<float> ParsePrecision(std::string_view text)
{
    const std::string number = NumberPrefix(text);
    if (number.empty())
        return std::nullopt;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (errno == ERANGE)
        return std::nullopt;
    const float single = static_cast<float>(value);
    if (std::isinf(single) || single == 0.0f)
        return std::nullopt;
    return single;
}

}  // namespace meshwright
