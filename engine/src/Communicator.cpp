#include "Communicator.h"

#include "EngineStrings.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace kalvo {

std::uint16_t g_wJobLanguage = kLangUSEnglish;

namespace {

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The longest prefix of text (after blanks) that is a decimal number, in ASCII;
// empty when there is none.
std::string NumberPrefix(const char16_t* text)
{
    std::size_t i = 0;
    while (IsBlank(text[i]))
        ++i;
    std::string number;
    if (text[i] == u'+' || text[i] == u'-')
        number += static_cast<char>(text[i++]);
    std::size_t digits = 0;
    for (; IsDigit(text[i]); ++i, ++digits)
        number += static_cast<char>(text[i]);
    if (text[i] == u'.') {
        number += '.';
        for (++i; IsDigit(text[i]); ++i, ++digits)
            number += static_cast<char>(text[i]);
    }
    if (digits == 0)
        return {};
    if (text[i] == u'e' || text[i] == u'E') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == u'+' || text[j] == u'-')
            exponent += static_cast<char>(text[j++]);
        if (IsDigit(text[j])) {
            for (; IsDigit(text[j]); ++j)
                exponent += static_cast<char>(text[j]);
            number += exponent;
        }
    }
    return number;
}

std::uint16_t TableLanguageFor(std::uint16_t langId)
{
    if (langId == 0)
        return 0;
    if (FindEngineText(langId, IDS_FINAL_PROCESSING))
        return langId;
    // Same primary language (the low 10 bits), as resource lookup falls back.
    for (std::uint16_t candidate : EngineTextLanguages())
        if ((candidate & 0x3FF) == (langId & 0x3FF))
            return candidate;
    return 0;
}

std::u16string TextOrEmpty(std::uint16_t langId, unsigned id)
{
    const char16_t* text = FindEngineText(langId, id);
    return text ? std::u16string(text) : std::u16string();
}

}  // namespace

float ParseEpsilon(const char16_t* text)
{
    if (!text)
        return COptions::kDefaultEpsilon;
    const std::string number = NumberPrefix(text);
    if (number.empty())
        return COptions::kDefaultEpsilon;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (errno == ERANGE)
        return COptions::kDefaultEpsilon;
    const float single = static_cast<float>(value);
    if (std::isinf(single) || single == 0.0f)
        return COptions::kDefaultEpsilon;
    return single;
}

void FillOptions(COptions& options, const TOptionsStruct* record)
{
    if (!record)
        return;
    g_wJobLanguage = record->wLangID;
    options.m_fEpsilon = ParseEpsilon(record->lpszEpsilon);
}

std::uint16_t DefaultResourceLanguage()
{
    if (const char* language = std::getenv("LANGUAGE"); language && *language) {
        const std::string list(language);
        for (std::size_t start = 0; start <= list.size();) {
            const std::size_t end = std::min(list.find(':', start), list.size());
            if (std::uint16_t id = TableLanguageFor(LangIdFromLocaleName(list.substr(start, end - start))))
                return id;
            start = end + 1;
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            const std::uint16_t id = TableLanguageFor(LangIdFromLocaleName(value));
            return id != 0 ? id : kLangUSEnglish;
        }
    }
    return kLangUSEnglish;
}

// A language-only identifier (sublanguage 0, as the program sends for German,
// French, Italian, Portuguese and Irish) names the language whatever the
// country: the table's entry for that language serves it. Any other identifier
// the table lacks stays unmatched.
std::uint16_t JobTextLanguage(std::uint16_t langId)
{
    if ((langId >> 10) != 0 || FindEngineText(langId, IDS_FINAL_PROCESSING))
        return langId;
    return TableLanguageFor(langId);
}

std::u16string LoadEngineString(unsigned id)
{
    for (std::uint16_t lang : {JobTextLanguage(g_wJobLanguage), kLangUSEnglish, DefaultResourceLanguage()}) {
        const char16_t* text = FindEngineText(lang, id);
        if (text && *text)
            return text;
    }
    return {};
}

std::u16string LoadDefaultLanguageString(unsigned id)
{
    std::u16string text = TextOrEmpty(DefaultResourceLanguage(), id);
    return text.empty() ? TextOrEmpty(kLangUSEnglish, id) : text;
}

}  // namespace kalvo
