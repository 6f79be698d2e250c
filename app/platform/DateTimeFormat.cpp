#include "platform/DateTimeFormat.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

namespace {

const QDate DateTimeEpoch(1899, 12, 30);

struct TParts {
    QDate Date;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int MSec = 0;
};

TParts Decode(TDateTime value)
{
    // Rounded to the millisecond first so that 5.006 s does not show as 5.005 s.
    const double magnitude = std::fabs(value);
    const long long totalMs = std::isfinite(magnitude) ? std::llround(magnitude * MSecsPerDay) : 0;
    const long long msPerDay = static_cast<long long>(MSecsPerDay);
    TParts parts;
    parts.Date = DateTimeEpoch.addDays(totalMs / msPerDay);
    long long ms = totalMs % msPerDay;
    parts.Hour = static_cast<int>(ms / 3600000);
    ms %= 3600000;
    parts.Minute = static_cast<int>(ms / 60000);
    ms %= 60000;
    parts.Second = static_cast<int>(ms / 1000);
    parts.MSec = static_cast<int>(ms % 1000);
    return parts;
}

// Length of the run of ch (case-insensitive) starting at i, at most max.
qsizetype Run(const QString& pattern, qsizetype i, QChar ch, qsizetype max)
{
    qsizetype k = 0;
    while (i + k < pattern.size() && k < max && pattern[i + k].toLower() == ch)
        ++k;
    return k;
}

bool StartsWithAt(const QString& pattern, qsizetype i, QLatin1String token)
{
    return QStringView(pattern).mid(i).startsWith(token, Qt::CaseInsensitive);
}

// Whether the pattern asks for a 12-hour clock, looking outside quoted text.
bool UsesHalfDay(const QString& pattern)
{
    QChar quote;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'"' || c == u'\'') {
            quote = c;
            continue;
        }
        if (StartsWithAt(pattern, i, QLatin1String("am/pm")) || StartsWithAt(pattern, i, QLatin1String("a/p"))
            || StartsWithAt(pattern, i, QLatin1String("ampm")))
            return true;
    }
    return false;
}

QString Padded(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

} // namespace

TDateTime DateTimeNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const double days = static_cast<double>(DateTimeEpoch.daysTo(now.date()));
    return days + now.time().msecsSinceStartOfDay() / MSecsPerDay;
}

QString FormatDateTime(const QString& pattern, TDateTime value, const QLocale& locale)
{
    const TParts parts = Decode(value);
    const bool halfDay = UsesHalfDay(pattern);
    QString out;
    bool afterHour = false;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        const QChar lower = c.toLower();
        if (c == u'"' || c == u'\'') {
            const qsizetype end = pattern.indexOf(c, i + 1);
            // An unterminated quote keeps the rest as text.
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += QStringView(pattern).mid(i + 1, stop - i - 1);
            i = end < 0 ? pattern.size() : end + 1;
            continue;
        }
        if (lower == u'h') {
            const qsizetype k = Run(pattern, i, u'h', 2);
            int hour = parts.Hour;
            if (halfDay) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += k == 2 ? Padded(hour, 2) : QString::number(hour);
            i += k;
            afterHour = true;
            continue;
        }
        if (lower == u'n' || (lower == u'm' && afterHour && Run(pattern, i, u'm', 3) <= 2)) {
            const qsizetype k = Run(pattern, i, lower, 2);
            out += k == 2 ? Padded(parts.Minute, 2) : QString::number(parts.Minute);
            i += k;
            afterHour = false;
            continue;
        }
        if (lower == u's') {
            const qsizetype k = Run(pattern, i, u's', 2);
            out += k == 2 ? Padded(parts.Second, 2) : QString::number(parts.Second);
            i += k;
            afterHour = false;
            continue;
        }
        if (lower == u'z') {
            const qsizetype k = Run(pattern, i, u'z', 3) == 3 ? 3 : 1;
            out += k == 3 ? Padded(parts.MSec, 3) : QString::number(parts.MSec);
            i += k;
            afterHour = false;
            continue;
        }
        if (lower == u'd') {
            const qsizetype k = Run(pattern, i, u'd', 4);
            if (k == 1)
                out += QString::number(parts.Date.day());
            else if (k == 2)
                out += Padded(parts.Date.day(), 2);
            else
                out += locale.dayName(parts.Date.dayOfWeek(), k == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            i += k;
            afterHour = false;
            continue;
        }
        if (lower == u'm') {
            const qsizetype k = Run(pattern, i, u'm', 4);
            if (k == 1)
                out += QString::number(parts.Date.month());
            else if (k == 2)
                out += Padded(parts.Date.month(), 2);
            else
                out += locale.monthName(parts.Date.month(), k == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            i += k;
            afterHour = false;
            continue;
        }
        if (lower == u'y') {
            const qsizetype k = Run(pattern, i, u'y', 4);
            out += k <= 2 ? Padded(parts.Date.year() % 100, 2) : Padded(parts.Date.year(), 4);
            i += k;
            afterHour = false;
            continue;
        }
        if (lower == u'a') {
            const bool pm = parts.Hour >= 12;
            if (StartsWithAt(pattern, i, QLatin1String("am/pm"))) {
                // The letter case of the pattern decides the case of the text.
                const QStringView token = QStringView(pattern).mid(i + (pm ? 3 : 0), 2);
                out += token;
                i += 5;
                afterHour = false;
                continue;
            }
            if (StartsWithAt(pattern, i, QLatin1String("a/p"))) {
                out += pattern[i + (pm ? 2 : 0)];
                i += 3;
                afterHour = false;
                continue;
            }
            if (StartsWithAt(pattern, i, QLatin1String("ampm"))) {
                out += pm ? locale.pmText() : locale.amText();
                i += 4;
                afterHour = false;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}
