#include "Language.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace meshwright {
namespace {

struct LanguageEntry {
    const char* name;  // language, or language_TERRITORY for the territories that differ
    std::uint16_t langId;
};

// Territory-specific entries first: the first match wins.
constexpr LanguageEntry kLanguages[] = {
    {"en_gb", 2057}, {"pt_br", 1046}, {"zh_tw", 1028}, {"zh_hk", 3076}, {"fr_ca", 3084},
    {"es_mx", 2058}, {"de_at", 3079}, {"de_ch", 2055}, {"sr_latn", 2074},
    {"ar", 1025}, {"bg", 1026}, {"ca", 1027}, {"cs", 1029}, {"da", 1030}, {"de", 1031},
    {"el", 1032}, {"en", 1033}, {"es", 3082}, {"et", 1061}, {"eu", 1069}, {"fa", 1065},
    {"fi", 1035}, {"fr", 1036}, {"he", 1037}, {"hi", 1081}, {"hr", 1050}, {"hu", 1038},
    {"id", 1057}, {"is", 1039}, {"it", 1040}, {"ja", 1041}, {"ko", 1042}, {"lt", 1063},
    {"lv", 1062}, {"mk", 1071}, {"ms", 1086}, {"nb", 1044}, {"nl", 1043}, {"nn", 2068},
    {"no", 1044}, {"pl", 1045}, {"pt", 2070}, {"ro", 1048}, {"ru", 1049}, {"sk", 1051},
    {"sl", 1060}, {"sq", 1052}, {"sr", 3098}, {"sv", 1053}, {"th", 1054}, {"tr", 1055},
    {"uk", 1058}, {"ur", 1056}, {"vi", 1066}, {"zh", 2052},
};

std::string Lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

std::uint16_t LangIdFromLocale(std::string_view name)
{
    // language[_territory][.codeset][@modifier]
    std::string_view modifier;
    if (const auto at = name.find('@'); at != std::string_view::npos) {
        modifier = name.substr(at + 1);
        name = name.substr(0, at);
    }
    if (const auto dot = name.find('.'); dot != std::string_view::npos)
        name = name.substr(0, dot);
    std::string_view language = name;
    std::string_view territory;
    if (const auto sep = name.find_first_of("_-"); sep != std::string_view::npos) {
        language = name.substr(0, sep);
        territory = name.substr(sep + 1);
    }
    const std::string lang = Lowered(language);
    if (lang.size() < 2 || lang.size() > 3)
        return 0;  // also "C" and "POSIX"
    std::string specific = lang + "_" + Lowered(territory);
    if (lang == "sr" && Lowered(modifier) == "latin")
        specific = "sr_latn";
    for (const LanguageEntry& entry : kLanguages)
        if (specific == entry.name)
            return entry.langId;
    for (const LanguageEntry& entry : kLanguages)
        if (lang == entry.name)
            return entry.langId;
    return 0;
}

std::uint16_t LangIdFromEnvironment()
{
    if (const char* list = std::getenv("LANGUAGE"); list && *list) {
        const std::string_view names(list);
        for (std::size_t start = 0; start <= names.size();) {
            const std::size_t end = std::min(names.find(':', start), names.size());
            if (const std::uint16_t id = LangIdFromLocale(names.substr(start, end - start)))
                return id;
            start = end + 1;
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            const std::uint16_t id = LangIdFromLocale(value);
            return id ? id : kLangUSEnglish;
        }
    }
    return kLangUSEnglish;
}

}  // namespace meshwright
