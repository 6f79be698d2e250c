// Date-time values as days since 1899-12-30 (the fraction is the time of day),
// the representation stored durations and start times use, and the pattern
// language that renders them.
#pragma once

#include <QLocale>
#include <QString>

using TDateTime = double;

inline constexpr double MSecsPerDay = 86400000.0;

// The current local time.
TDateTime DateTimeNow();

// Renders value with pattern. Text in double or single quotes is copied as it
// stands. Tokens (any letter case):
//   h hh        hours of the time of day (hh: two digits; 12-hour with am/pm)
//   n nn        minutes; m mm right after an hour token are minutes too
//   s ss        seconds
//   z zzz       milliseconds
//   d dd        day of the month; ddd dddd short and long day name
//   m mm        month; mmm mmmm short and long month name
//   yy yyyy     year
//   am/pm a/p ampm   the half of the day
// Every other character is copied unchanged. Negative values render as their
// magnitude: a duration shown to the user never has a sign.
QString FormatDateTime(const QString& pattern, TDateTime value, const QLocale& locale = QLocale::system());
