#include "platform/Format.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <vector>

namespace {

QString Render(const QLocale& locale, const QString& pattern, std::vector<TFormatArg> args)
{
    return FormatWithLocale(locale, pattern, args);
}

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

struct TFormatCase {
    const char* Name;
    QString Pattern;
    std::vector<TFormatArg> Args;
    QString Expected;
};

class FormatCases : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(FormatCases, RendersAsExpected)
{
    const TFormatCase& c = GetParam();
    EXPECT_EQ(Render(English, c.Pattern, c.Args), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, FormatCases,
    ::testing::Values(
        TFormatCase{"Text", "Cannot open file '%s'!", {QStringLiteral("/tmp/a b.stl")}, "Cannot open file '/tmp/a b.stl'!"},
        TFormatCase{"TwoTexts", "Free spaces on drive '%s' for '%s'", {"/", "x.stl"}, "Free spaces on drive '/' for 'x.stl'"},
        TFormatCase{"PercentGauge", "%u%% completed", {42}, "42% completed"},
        TFormatCase{"DroppedNumberIgnoresArgument", "%% completed", {42}, "% completed"},
        TFormatCase{"NoPlaceholders", "completed", {7, "x"}, "completed"},
        TFormatCase{"Decimal", "%d file(s) found", {-12}, "-12 file(s) found"},
        TFormatCase{"Int64", "%d", {int64_t(9007199254740993)}, "9007199254740993"},
        TFormatCase{"Unsigned64", "%u", {uint64_t(18446744073709551615ull)}, "18446744073709551615"},
        TFormatCase{"DecimalPrecisionPadsZeros", "%.4d", {-7}, "-0007"},
        TFormatCase{"Width", "[%5d]", {42}, "[   42]"},
        TFormatCase{"LeftJustified", "[%-5d]", {42}, "[42   ]"},
        TFormatCase{"StarWidth", "[%*d]", {4, 7}, "[   7]"},
        TFormatCase{"TextPrecisionCuts", "%.3s", {"abcdef"}, "abc"},
        TFormatCase{"Hex", "%x", {255}, "FF"},
        TFormatCase{"IndexRepeats", "%0:s-%1:s-%0:s", {"a", "b"}, "a-b-a"},
        TFormatCase{"IndexThenSequence", "%1:s %s", {"a", "b", "c"}, "b c"},
        TFormatCase{"UpperCaseType", "%S %D", {"x", 3}, "x 3"},
        TFormatCase{"ThousandsZeroDecimals", "%.0n bytes", {int64_t(1234567)}, "1,234,567 bytes"},
        TFormatCase{"ThousandsSmall", "%.0n", {999}, "999"},
        TFormatCase{"ThousandsNegative", "%.0n", {-1234}, "-1,234"},
        TFormatCase{"ThousandsHugeExact", "%.0n", {int64_t(9007199254740993)}, "9,007,199,254,740,993"},
        TFormatCase{"ThousandsFromFloat", "%.0n", {1234567.6}, "1,234,568"},
        TFormatCase{"ThousandsDefaultTwoDecimals", "%n", {1234.5}, "1,234.50"},
        TFormatCase{"Fixed", "%.3f", {2.5}, "2.500"},
        TFormatCase{"FixedNoMinusZero", "%.0f", {-0.2}, "0"},
        TFormatCase{"Scientific", "%.3e", {1234.5}, "1.23E+003"},
        TFormatCase{"General", "%g", {0.5}, "0.5"}),
    [](const ::testing::TestParamInfo<TFormatCase>& info) { return std::string(info.param.Name); });

TEST(Format, ThousandsSeparatorFollowsLocale)
{
    EXPECT_EQ(Render(German, "%.0n", {int64_t(1234567)}), "1.234.567");
    EXPECT_EQ(Render(German, "%.2f", {1.5}), "1,50");
}

TEST(Format, TemplateTakesMixedArguments)
{
    EXPECT_EQ(Format(QStringLiteral("%s has %d facets (%u%%)"), QStringLiteral("a.stl"), 12, 50u),
              "a.stl has 12 facets (50%)");
}

struct TBadCase {
    const char* Name;
    QString Pattern;
    std::vector<TFormatArg> Args;
};

class FormatErrors : public ::testing::TestWithParam<TBadCase> {};

TEST_P(FormatErrors, RaiseFormatError)
{
    const TBadCase& c = GetParam();
    try {
        Render(English, c.Pattern, c.Args);
        FAIL() << "no error for " << c.Pattern.toStdString();
    } catch (const EFormatError& e) {
        EXPECT_EQ(e.Pattern(), c.Pattern);
        EXPECT_FALSE(e.Reason().isEmpty());
        EXPECT_NE(std::string(e.what()).find(c.Pattern.toStdString()), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mismatches, FormatErrors,
    ::testing::Values(TBadCase{"TextForNumber", "%d", {"abc"}},
                      TBadCase{"NumberForText", "%s", {12}},
                      TBadCase{"FloatForDecimal", "%d", {1.5}},
                      TBadCase{"TextForThousands", "%.0n", {"1000"}},
                      TBadCase{"NegativeForUnsigned", "%u%%", {-1}},
                      TBadCase{"MissingArgument", "'%s' to '%s'", {"a"}},
                      TBadCase{"NoArguments", "%d", {}},
                      TBadCase{"UnknownType", "%k", {1}},
                      TBadCase{"PatternEndsInPlaceholder", "100%", {1}},
                      TBadCase{"PatternEndsAfterWidth", "%5", {1}},
                      TBadCase{"IndexPastArguments", "%3:s", {"a"}},
                      TBadCase{"HugeWidth", "%999999999d", {1}},
                      TBadCase{"StarTakesText", "%*d", {"x", 1}}),
    [](const ::testing::TestParamInfo<TBadCase>& info) { return std::string(info.param.Name); });

} // namespace
