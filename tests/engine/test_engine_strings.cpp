// The engine's string table and the locale-name mapping that picks its language.
#include "EngineStrings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kalvo::FindEngineText;
using kalvo::kEngineTextIds;
using kalvo::kLangUSEnglish;

const std::vector<std::uint16_t> kOfferedLanguages = {
    60,   1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1035, 1036, 1037, 1038,
    1039, 1040, 1041, 1042, 1043, 1044, 1045, 1048, 1049, 1050, 1051, 1052, 1053, 1054,
    1055, 1056, 1057, 1058, 1059, 1060, 1061, 1062, 1063, 1064, 1065, 1066, 1067, 1068,
    1069, 1071, 1076, 1077, 1078, 1079, 1081, 1082, 1086, 1087, 1088, 1089, 1090, 1091,
    1092, 1093, 1094, 1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1106,
    1107, 1108, 1110, 1115, 1118, 1121, 1122, 1123, 1124, 1125, 1128, 1130, 1132, 1134,
    1136, 1152, 1153, 1155, 1159, 1169, 2052, 2070, 3082, 3098, 5146};

std::u16string_view Text(std::uint16_t lang, unsigned id) {
    const char16_t* text = FindEngineText(lang, id);
    return text ? std::u16string_view(text) : std::u16string_view();
}

// The printf conversions of a text in order, e.g. "%u" or "%s"; a stray "%" shows up too.
std::vector<std::u16string> Placeholders(std::u16string_view text) {
    std::vector<std::u16string> tokens;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%') {
            tokens.emplace_back(text.substr(i, 2));
            ++i;
        }
    }
    return tokens;
}

std::string Describe(std::uint16_t lang, unsigned id) {
    return "LANGID " + std::to_string(lang) + ", text " + std::to_string(id);
}

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u00A0' ||
           c == u'\u3000';
}

TEST(EngineTextTable, HoldsExactlyTheOfferedLanguagesInAscendingOrder) {
    const auto languages = kalvo::EngineTextLanguages();
    const std::vector<std::uint16_t> actual(languages.begin(), languages.end());
    EXPECT_EQ(actual, kOfferedLanguages);
    EXPECT_TRUE(std::is_sorted(actual.begin(), actual.end()));
}

TEST(EngineTextTable, FindsALanguageExactlyWhenTheListHoldsIt) {
    // Every LANGID, so a lookup that drifts to a neighbouring row cannot pass.
    for (unsigned lang = 0; lang <= 0xFFFF; ++lang) {
        const bool offered = std::binary_search(kOfferedLanguages.begin(),
                                                kOfferedLanguages.end(), lang);
        for (unsigned id : kEngineTextIds) {
            ASSERT_EQ(FindEngineText(static_cast<std::uint16_t>(lang), id) != nullptr, offered)
                << Describe(static_cast<std::uint16_t>(lang), id);
        }
    }
}

TEST(EngineTextTable, EachIdFindsItsOwnText) {
    // The rows are positional; a text filed under the wrong id shows as the wrong
    // English text or as a placeholder mismatch against it.
    EXPECT_EQ(Text(1031, 9), u"Abschließende Datenverarbeitung.");
    EXPECT_EQ(Text(1031, 29), u"gesamten Wiederherstellungsprozess");
    EXPECT_EQ(Text(5146, 8), u"Ukupan broj obrađenih ploha: %u.");
    EXPECT_EQ(Text(60, 11), u"Earráid 2: Earráid ghinearálta. %s");
}

TEST(EngineTextTable, IdsOutsideTheTableGiveNull) {
    for (unsigned id : {0u, 1u, 7u, 13u, 27u, 30u, 1524u, 0xFFFFFFFFu}) {
        EXPECT_EQ(FindEngineText(kLangUSEnglish, id), nullptr) << "text " << id;
        EXPECT_EQ(FindEngineText(1031, id), nullptr) << "text " << id;
    }
}

TEST(EngineTextTable, LanguagesOutsideTheTableGiveNull) {
    // Neighbours of held LANGIDs and regional variants that only map onto them.
    for (std::uint16_t lang : {0, 1, 59, 61, 1024, 1034, 1046, 2057, 3076, 3081, 5145,
                               5147, 0xFFFF}) {
        EXPECT_EQ(FindEngineText(lang, 8), nullptr) << "LANGID " << lang;
    }
}

TEST(EngineTextTable, USEnglishIsTheReferenceWording) {
    EXPECT_EQ(Text(1033, 8), u"Total count of processed facets: %u.");
    EXPECT_EQ(Text(1033, 9), u"Final data processing.");
    EXPECT_EQ(Text(1033, 10), u"Error 1: Cannot open the file to be repaired. %s");
    EXPECT_EQ(Text(1033, 11), u"Error 2: General error. %s");
    EXPECT_EQ(Text(1033, 12), u"Error 3: Unknown error in %s.");
    EXPECT_EQ(Text(1033, 28),
              u"Share violation when opening the source file '%s'.\n"
              u"Please close any other applications accessing the file and try again.\n"
              u"If this still cannot work, then please make a copy of the source file, "
              u"then repair the copy instead.");
    EXPECT_EQ(Text(1033, 29), u"whole recovery process");
}

TEST(EngineTextTable, EveryTextIsPresentAndCleanlyFormed) {
    for (std::uint16_t lang : kOfferedLanguages) {
        for (unsigned id : kEngineTextIds) {
            const std::u16string_view text = Text(lang, id);
            SCOPED_TRACE(Describe(lang, id));
            ASSERT_FALSE(text.empty());
            EXPECT_FALSE(IsSpace(text.front()));
            EXPECT_FALSE(IsSpace(text.back()));
            EXPECT_EQ(text.find(u'\r'), std::u16string_view::npos);
            EXPECT_EQ(text.find(u'\uFFFD'), std::u16string_view::npos);
            EXPECT_EQ(text.find(u"  "), std::u16string_view::npos);
            for (std::size_t i = 0; i < text.size(); ++i) {
                const char16_t c = text[i];
                if (c >= 0xD800 && c <= 0xDBFF) {
                    ASSERT_LT(i + 1, text.size());
                    EXPECT_TRUE(text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF);
                    ++i;
                } else {
                    EXPECT_FALSE(c >= 0xDC00 && c <= 0xDFFF);
                }
            }
        }
    }
}

TEST(EngineTextTable, PlaceholdersMatchTheEnglishInOrderAndCount) {
    for (unsigned id : kEngineTextIds) {
        const auto expected = Placeholders(Text(kLangUSEnglish, id));
        for (std::uint16_t lang : kOfferedLanguages) {
            EXPECT_EQ(Placeholders(Text(lang, id)), expected) << Describe(lang, id);
        }
    }
}

TEST(EngineTextTable, ShareViolationKeepsItsThreeLinesAndQuotedName) {
    for (std::uint16_t lang : kOfferedLanguages) {
        const std::u16string_view text = Text(lang, 28);
        SCOPED_TRACE(Describe(lang, 28));
        EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'), 2);
        EXPECT_NE(text.find(u"'%s'"), std::u16string_view::npos);
        // No empty line: each break separates two sentences.
        EXPECT_EQ(text.find(u"\n\n"), std::u16string_view::npos);
    }
    for (unsigned id : {8u, 9u, 10u, 11u, 12u, 29u}) {
        for (std::uint16_t lang : kOfferedLanguages) {
            EXPECT_EQ(Text(lang, id).find(u'\n'), std::u16string_view::npos)
                << Describe(lang, id);
        }
    }
}

TEST(EngineTextTable, ErrorTextsKeepTheirNumber) {
    const struct {
        unsigned id;
        char16_t digit;
    } numbered[] = {{10, u'1'}, {11, u'2'}, {12, u'3'}};
    for (const auto& error : numbered) {
        for (std::uint16_t lang : kOfferedLanguages) {
            const std::u16string_view text = Text(lang, error.id);
            SCOPED_TRACE(Describe(lang, error.id));
            const auto digits = std::count_if(text.begin(), text.end(),
                                              [](char16_t c) { return c >= u'0' && c <= u'9'; });
            EXPECT_EQ(digits, 1);
            EXPECT_NE(text.find(error.digit), std::u16string_view::npos);
            // The number heads the message, never the details that follow it.
            EXPECT_LT(text.find(error.digit), text.find(u'%'));
        }
    }
}

TEST(EngineTextTable, OtherLanguagesAreTranslatedNotCopied) {
    for (std::uint16_t lang : kOfferedLanguages) {
        if (lang == kLangUSEnglish) {
            continue;
        }
        for (unsigned id : kEngineTextIds) {
            EXPECT_NE(Text(lang, id), Text(kLangUSEnglish, id)) << Describe(lang, id);
        }
    }
}

TEST(EngineTextTable, TextsDifferBetweenIdsOfOneLanguage) {
    // Catches a row whose texts slipped by one position.
    for (std::uint16_t lang : kOfferedLanguages) {
        for (std::size_t a = 0; a < std::size(kEngineTextIds); ++a) {
            for (std::size_t b = a + 1; b < std::size(kEngineTextIds); ++b) {
                EXPECT_NE(Text(lang, kEngineTextIds[a]), Text(lang, kEngineTextIds[b]))
                    << "LANGID " << lang << ", texts " << kEngineTextIds[a] << " and "
                    << kEngineTextIds[b];
            }
        }
    }
}

struct LocaleCase {
    const char* name;
    std::uint16_t lang;
};

class LocaleNameMapping : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleNameMapping, GivesTheLangId) {
    EXPECT_EQ(kalvo::LangIdFromLocaleName(GetParam().name), GetParam().lang)
        << '"' << GetParam().name << '"';
}

TEST_P(LocaleNameMapping, IgnoresCase) {
    std::string upper = GetParam().name;
    std::string lower = upper;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(kalvo::LangIdFromLocaleName(upper), GetParam().lang) << '"' << upper << '"';
    EXPECT_EQ(kalvo::LangIdFromLocaleName(lower), GetParam().lang) << '"' << lower << '"';
}

INSTANTIATE_TEST_SUITE_P(
    NamesWithoutALanguage, LocaleNameMapping,
    testing::Values(LocaleCase{"", 0}, LocaleCase{"C", 0}, LocaleCase{"POSIX", 0},
                    LocaleCase{"C.UTF-8", 0}, LocaleCase{"C@latin", 0},
                    LocaleCase{"x", 0}, LocaleCase{"xx_YY", 0}, LocaleCase{"qqq", 0},
                    LocaleCase{"deutsch", 0}, LocaleCase{"_DE", 0}, LocaleCase{".UTF-8", 0},
                    LocaleCase{"@latin", 0}, LocaleCase{"12_DE", 0}, LocaleCase{"d1", 0},
                    LocaleCase{"de DE", 0}));

INSTANTIATE_TEST_SUITE_P(
    BareLanguageGivesTheTableEntry, LocaleNameMapping,
    testing::Values(LocaleCase{"es", 3082}, LocaleCase{"pt", 2070}, LocaleCase{"zh", 2052},
                    LocaleCase{"ga", 60}, LocaleCase{"sr", 3098}, LocaleCase{"bs", 5146},
                    LocaleCase{"fr", 1036}, LocaleCase{"en", 1033}, LocaleCase{"de", 1031},
                    LocaleCase{"no", 1044}, LocaleCase{"nb", 1044}, LocaleCase{"fil", 1124},
                    LocaleCase{"tl", 1124}, LocaleCase{"nso", 1132}, LocaleCase{"iw", 1037},
                    LocaleCase{"in", 1057}, LocaleCase{"uz", 1091}, LocaleCase{"az", 1068}));

INSTANTIATE_TEST_SUITE_P(
    TerritoryGivesTheStandardLangId, LocaleNameMapping,
    testing::Values(LocaleCase{"zh_TW", 1028}, LocaleCase{"zh_HK", 3076},
                    LocaleCase{"zh_CN", 2052}, LocaleCase{"zh_SG", 4100},
                    LocaleCase{"pt_BR", 1046}, LocaleCase{"pt_PT", 2070},
                    LocaleCase{"en_GB", 2057}, LocaleCase{"en_US", 1033},
                    LocaleCase{"en_AU", 3081}, LocaleCase{"de_AT", 3079},
                    LocaleCase{"de_CH", 2055}, LocaleCase{"fr_CA", 3084},
                    LocaleCase{"fr_BE", 2060}, LocaleCase{"es_ES", 3082},
                    LocaleCase{"es_MX", 2058}, LocaleCase{"es_AR", 11274},
                    LocaleCase{"ar_EG", 3073}, LocaleCase{"ga_IE", 2108},
                    LocaleCase{"nn_NO", 2068}, LocaleCase{"sv_FI", 2077},
                    LocaleCase{"sr_RS", 10266}, LocaleCase{"bn_BD", 2117},
                    LocaleCase{"ms_BN", 2110}, LocaleCase{"ta_LK", 2121},
                    LocaleCase{"hr_BA", 4122}, LocaleCase{"pt-BR", 1046}));

INSTANTIATE_TEST_SUITE_P(
    UnknownTerritoryFallsBackToTheLanguage, LocaleNameMapping,
    testing::Values(LocaleCase{"de_BE", 1031}, LocaleCase{"es_GQ", 3082},
                    LocaleCase{"pt_AO", 2070}, LocaleCase{"fr_SN", 1036},
                    LocaleCase{"ru_UA", 1049}, LocaleCase{"sw_TZ", 1089},
                    LocaleCase{"tr_CY", 1055}, LocaleCase{"de_", 1031},
                    LocaleCase{"en_001", 1033}));

INSTANTIATE_TEST_SUITE_P(
    CodesetAndModifier, LocaleNameMapping,
    testing::Values(LocaleCase{"de_DE.UTF-8", 1031}, LocaleCase{"en_GB.utf8", 2057},
                    LocaleCase{"zh_CN.GB18030", 2052}, LocaleCase{"de_DE@euro", 1031},
                    LocaleCase{"de_AT.UTF-8@euro", 3079}, LocaleCase{"fr.ISO-8859-1", 1036},
                    LocaleCase{"sr_RS@latin", 9242}, LocaleCase{"sr_RS.UTF-8@latin", 9242},
                    LocaleCase{"sr@latin", 2074}, LocaleCase{"sr_ME@latin", 11290},
                    LocaleCase{"sr_XK@latin", 2074}, LocaleCase{"bs_BA@cyrillic", 8218},
                    LocaleCase{"uz_UZ@cyrillic", 2115}, LocaleCase{"uz_UZ", 1091},
                    LocaleCase{"ca_ES@valencia", 2051}, LocaleCase{"be_BY@latin", 1059},
                    LocaleCase{"tt_RU@iqtelif", 1092}, LocaleCase{"ga_IE@euro", 2108}));

INSTANTIATE_TEST_SUITE_P(
    LanguagesTheTableDoesNotHold, LocaleNameMapping,
    testing::Values(LocaleCase{"fo_FO", 1080}, LocaleCase{"br_FR", 1150},
                    LocaleCase{"yi", 1085}, LocaleCase{"se_SE", 2107}));

// Whichever language the user runs in, a locale name leads to that language's texts.
TEST(LocaleNames, EveryOfferedLanguageIsReachable) {
    const LocaleCase names[] = {
        {"ga_IE", 60},    {"ar_SA", 1025}, {"bg_BG", 1026}, {"ca_ES", 1027}, {"zh_TW", 1028},
        {"cs_CZ", 1029},  {"da_DK", 1030}, {"de_DE", 1031}, {"el_GR", 1032}, {"en_US", 1033},
        {"fi_FI", 1035},  {"fr_FR", 1036}, {"he_IL", 1037}, {"hu_HU", 1038}, {"is_IS", 1039},
        {"it_IT", 1040},  {"ja_JP", 1041}, {"ko_KR", 1042}, {"nl_NL", 1043}, {"nb_NO", 1044},
        {"pl_PL", 1045},  {"ro_RO", 1048}, {"ru_RU", 1049}, {"hr_HR", 1050}, {"sk_SK", 1051},
        {"sq_AL", 1052},  {"sv_SE", 1053}, {"th_TH", 1054}, {"tr_TR", 1055}, {"ur_PK", 1056},
        {"id_ID", 1057},  {"uk_UA", 1058}, {"be_BY", 1059}, {"sl_SI", 1060}, {"et_EE", 1061},
        {"lv_LV", 1062},  {"lt_LT", 1063}, {"tg_TJ", 1064}, {"fa_IR", 1065}, {"vi_VN", 1066},
        {"hy_AM", 1067},  {"az_AZ", 1068}, {"eu_ES", 1069}, {"mk_MK", 1071}, {"xh_ZA", 1076},
        {"zu_ZA", 1077},  {"af_ZA", 1078}, {"ka_GE", 1079}, {"hi_IN", 1081}, {"mt_MT", 1082},
        {"ms_MY", 1086},  {"kk_KZ", 1087}, {"ky_KG", 1088}, {"sw_KE", 1089}, {"tk_TM", 1090},
        {"uz_UZ", 1091},  {"tt_RU", 1092}, {"bn_IN", 1093}, {"pa_IN", 1094}, {"gu_IN", 1095},
        {"or_IN", 1096},  {"ta_IN", 1097}, {"te_IN", 1098}, {"kn_IN", 1099}, {"ml_IN", 1100},
        {"as_IN", 1101},  {"mr_IN", 1102}, {"sa_IN", 1103}, {"mn_MN", 1104}, {"cy_GB", 1106},
        {"km_KH", 1107},  {"lo_LA", 1108}, {"gl_ES", 1110}, {"si_LK", 1115}, {"am_ET", 1118},
        {"ne_NP", 1121},  {"fy_NL", 1122}, {"ps_AF", 1123}, {"fil_PH", 1124}, {"dv_MV", 1125},
        {"ha_NG", 1128},  {"yo_NG", 1130}, {"nso_ZA", 1132}, {"lb_LU", 1134}, {"ig_NG", 1136},
        {"ug_CN", 1152},  {"mi_NZ", 1153}, {"co_FR", 1155}, {"rw_RW", 1159}, {"gd_GB", 1169},
        {"zh_CN", 2052},  {"pt_PT", 2070}, {"es_ES", 3082}, {"sr_CS", 3098}, {"bs_BA", 5146},
    };
    std::vector<std::uint16_t> reached;
    for (const LocaleCase& locale : names) {
        // The bare language (the text before "_") must lead to the same row, except for
        // the languages whose table row is one regional variant among several.
        const std::string bare = std::string(locale.name).substr(0, std::string(locale.name).find('_'));
        std::uint16_t lang = kalvo::LangIdFromLocaleName(locale.name);
        if (FindEngineText(lang, 8) == nullptr) {
            lang = kalvo::LangIdFromLocaleName(bare);
        }
        EXPECT_EQ(lang, locale.lang) << locale.name;
        EXPECT_NE(FindEngineText(lang, 8), nullptr) << locale.name;
        reached.push_back(lang);
    }
    std::sort(reached.begin(), reached.end());
    EXPECT_EQ(reached, kOfferedLanguages);
}

}  // namespace
