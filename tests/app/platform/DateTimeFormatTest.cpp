#include "platform/DateTimeFormat.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>

namespace {

constexpr double Hour = 1.0 / 24;
constexpr double Minute = Hour / 60;
constexpr double Second = Minute / 60;

const QLocale English(QLocale::English, QLocale::UnitedStates);

struct TPatternCase {
    const char* Name;
    QString Pattern;
    double Value;
    QString Expected;
};

class DateTimePatterns : public ::testing::TestWithParam<TPatternCase> {};

TEST_P(DateTimePatterns, Render)
{
    const TPatternCase& c = GetParam();
    EXPECT_EQ(FormatDateTime(c.Pattern, c.Value, English), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, DateTimePatterns,
    ::testing::Values(
        TPatternCase{"QuotedTextIsLiteral", "\"%d day(s)\" h \"hour(s)\" n \"minute(s) \"", Hour + 5 * Minute,
                     "%d day(s) 1 hour(s) 5 minute(s) "},
        TPatternCase{"SingleQuotes", "'h n s' h", 3 * Hour, "h n s 3"},
        TPatternCase{"NoLeadingZeros", "h:n:s.z", 2 * Hour + 4 * Minute + 5 * Second + 0.006 * Second, "2:4:5.6"},
        TPatternCase{"LeadingZeros", "hh:nn:ss.zzz", 2 * Hour + 4 * Minute + 5 * Second + 0.006 * Second,
                     "02:04:05.006"},
        TPatternCase{"MinutesAfterHour", "h:mm", 7 * Hour + 9 * Minute, "7:09"},
        TPatternCase{"MonthNotAfterHour", "m/d/yyyy", 2.0, "1/1/1900"},
        TPatternCase{"UpperCaseTokens", "H N S Z", 1 * Hour + 2 * Minute + 3 * Second, "1 2 3 0"},
        TPatternCase{"TwelveHourClock", "h:nn am/pm", 15 * Hour + 30 * Minute, "3:30 pm"},
        TPatternCase{"TwelveHourUpper", "h AM/PM", 0.0, "12 AM"},
        TPatternCase{"ShortHalfDay", "h a/p", 13 * Hour, "1 p"},
        TPatternCase{"OtherCharactersStay", "[h] #", 4 * Hour, "[4] #"},
        TPatternCase{"UnterminatedQuoteKeepsRest", "h \"rest", Hour, "1 rest"},
        TPatternCase{"TimeOfDayOnly", "h", 2 + 3 * Hour, "3"},
        TPatternCase{"NegativeAsMagnitude", "h n", -(Hour + Minute), "1 1"},
        TPatternCase{"MillisecondRounding", "s z", 5.006 * Second, "5 6"}),
    [](const ::testing::TestParamInfo<TPatternCase>& info) { return std::string(info.param.Name); });

TEST(DateTimeFormat, NowMatchesTheClock)
{
    const TDateTime now = DateTimeNow();
    const QDateTime clock = QDateTime::currentDateTime();
    const double expected = QDate(1899, 12, 30).daysTo(clock.date()) + clock.time().msecsSinceStartOfDay() / MSecsPerDay;
    EXPECT_NEAR(now, expected, 5 * Second);
}

} // namespace
