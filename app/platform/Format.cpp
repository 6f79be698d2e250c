#include "platform/Format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

// Larger widths or precisions come only from broken patterns; refusing them
// keeps a typo like "%99999999d" from allocating gigabytes.
constexpr int MaxFieldSize = 4096;

QString DescribeKind(TFormatArg::TKind kind)
{
    switch (kind) {
    case TFormatArg::TKind::Integer:
    case TFormatArg::TKind::Unsigned:
        return QStringLiteral("a whole number");
    case TFormatArg::TKind::Float:
        return QStringLiteral("a floating-point number");
    case TFormatArg::TKind::Text:
        return QStringLiteral("a text");
    }
    return QString();
}

class TFormatter {
public:
    TFormatter(const QLocale& locale, const QString& pattern, std::span<const TFormatArg> args)
        : FLocale(locale), FPattern(pattern), FArgs(args)
    {
    }

    QString Run()
    {
        QString out;
        out.reserve(FPattern.size() + 16);
        qsizetype i = 0;
        const qsizetype n = FPattern.size();
        while (i < n) {
            const QChar c = FPattern[i];
            if (c != u'%') {
                out += c;
                ++i;
                continue;
            }
            FSpecStart = i;
            ++i;
            if (i >= n)
                Fail(QStringLiteral("the pattern ends inside a placeholder"));
            if (FPattern[i] == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            out += Placeholder(i);
        }
        return out;
    }

private:
    [[noreturn]] void Fail(const QString& what) const
    {
        throw EFormatError(FPattern, QStringLiteral("placeholder at position %1: %2")
                                         .arg(FSpecStart + 1)
                                         .arg(what));
    }

    // Reads digits or "*" at i; nullopt when there are none.
    std::optional<int> Number(qsizetype& i, bool allowStar)
    {
        const qsizetype n = FPattern.size();
        if (allowStar && i < n && FPattern[i] == u'*') {
            ++i;
            const TFormatArg& arg = Take();
            if (arg.Kind() == TFormatArg::TKind::Integer)
                return CheckedField(arg.Integer());
            if (arg.Kind() == TFormatArg::TKind::Unsigned)
                return CheckedField(static_cast<int64_t>(std::min<uint64_t>(arg.Unsigned(), INT64_MAX)));
            Fail(QStringLiteral("\"*\" needs a whole number, the argument is %1").arg(DescribeKind(arg.Kind())));
        }
        if (i >= n || !FPattern[i].isDigit() || FPattern[i].unicode() > u'9')
            return std::nullopt;
        int64_t value = 0;
        while (i < n && FPattern[i].unicode() >= u'0' && FPattern[i].unicode() <= u'9') {
            value = value * 10 + (FPattern[i].unicode() - u'0');
            if (value > MaxFieldSize)
                Fail(QStringLiteral("width, precision or index is too large"));
            ++i;
        }
        return static_cast<int>(value);
    }

    int CheckedField(int64_t value)
    {
        if (value < 0)
            Fail(QStringLiteral("\"*\" received a negative number"));
        if (value > MaxFieldSize)
            Fail(QStringLiteral("width or precision is too large"));
        return static_cast<int>(value);
    }

    const TFormatArg& Take()
    {
        if (FNextArg >= FArgs.size())
            Fail(QStringLiteral("there is no argument %1 (%2 given)").arg(FNextArg + 1).arg(FArgs.size()));
        return FArgs[FNextArg++];
    }

    QString Placeholder(qsizetype& i)
    {
        const qsizetype n = FPattern.size();
        // An index "n:" moves the argument position; it can only be told from a
        // width by the colon after the digits.
        {
            qsizetype j = i;
            std::optional<int> index = Number(j, false);
            if (index && j < n && FPattern[j] == u':') {
                if (static_cast<size_t>(*index) >= FArgs.size())
                    Fail(QStringLiteral("index %1 names no argument (%2 given)").arg(*index).arg(FArgs.size()));
                FNextArg = static_cast<size_t>(*index);
                i = j + 1;
            } else if (i < n && FPattern[i] == u'*') {
                // "*:" takes the index from an argument.
                qsizetype k = i + 1;
                if (k < n && FPattern[k] == u':') {
                    qsizetype s = i;
                    const int idx = *Number(s, true);
                    if (static_cast<size_t>(idx) >= FArgs.size())
                        Fail(QStringLiteral("index %1 names no argument (%2 given)").arg(idx).arg(FArgs.size()));
                    FNextArg = static_cast<size_t>(idx);
                    i = k + 1;
                }
            }
        }
        bool leftJustify = false;
        if (i < n && FPattern[i] == u'-') {
            leftJustify = true;
            ++i;
        }
        const std::optional<int> width = Number(i, true);
        std::optional<int> precision;
        if (i < n && FPattern[i] == u'.') {
            ++i;
            precision = Number(i, true);
            if (!precision)
                precision = 0;
        }
        if (i >= n)
            Fail(QStringLiteral("the pattern ends inside a placeholder"));
        const QChar type = FPattern[i].toLower();
        ++i;
        const TFormatArg& arg = Take();
        QString text = Convert(type, arg, precision);
        if (width && text.size() < *width) {
            const QString pad(*width - text.size(), u' ');
            text = leftJustify ? text + pad : pad + text;
        }
        return text;
    }

    QString Convert(QChar type, const TFormatArg& arg, std::optional<int> precision)
    {
        using K = TFormatArg::TKind;
        const bool integral = arg.Kind() == K::Integer || arg.Kind() == K::Unsigned;
        switch (type.unicode()) {
        case u'd':
            RequireKind(integral, type, arg);
            return IntegerText(arg, precision, false);
        case u'u':
            RequireKind(integral, type, arg);
            if (arg.Kind() == K::Integer && arg.Integer() < 0)
                Fail(QStringLiteral("\"%u\" received the negative number %1").arg(arg.Integer()));
            return IntegerText(arg, precision, false);
        case u'x':
            RequireKind(integral, type, arg);
            if (arg.Kind() == K::Integer && arg.Integer() < 0)
                Fail(QStringLiteral("\"%x\" received the negative number %1").arg(arg.Integer()));
            return IntegerText(arg, precision, true);
        case u'f':
        case u'n':
        case u'e':
        case u'g':
            RequireKind(integral || arg.Kind() == K::Float, type, arg);
            return FloatText(type, arg, precision);
        case u's':
            RequireKind(arg.Kind() == K::Text, type, arg);
            if (precision && arg.Text().size() > *precision)
                return arg.Text().left(*precision);
            return arg.Text();
        default:
            Fail(QStringLiteral("\"%1\" is not a known type").arg(type));
        }
    }

    void RequireKind(bool ok, QChar type, const TFormatArg& arg)
    {
        if (!ok) {
            const char* wanted = type == u's' ? "a text"
                                 : (type == u'd' || type == u'u' || type == u'x') ? "a whole number"
                                                                                   : "a number";
            Fail(QStringLiteral("\"%%1\" needs %2, argument %3 is %4")
                     .arg(type)
                     .arg(QLatin1String(wanted))
                     .arg(FNextArg)
                     .arg(DescribeKind(arg.Kind())));
        }
    }

    static QString IntegerText(const TFormatArg& arg, std::optional<int> precision, bool hex)
    {
        bool negative = false;
        uint64_t magnitude = 0;
        if (arg.Kind() == TFormatArg::TKind::Integer) {
            negative = arg.Integer() < 0;
            magnitude = negative ? 0 - static_cast<uint64_t>(arg.Integer()) : static_cast<uint64_t>(arg.Integer());
        } else {
            magnitude = arg.Unsigned();
        }
        QString digits = QString::number(magnitude, hex ? 16 : 10).toUpper();
        if (precision && digits.size() < *precision)
            digits.prepend(QString(*precision - digits.size(), u'0'));
        return negative ? u'-' + digits : digits;
    }

    // Groups the integral digits in threes with the locale's separator.
    QString Grouped(const QString& digits) const
    {
        const QString separator = FLocale.groupSeparator();
        QString out;
        const qsizetype n = digits.size();
        for (qsizetype k = 0; k < n; ++k) {
            if (k > 0 && (n - k) % 3 == 0)
                out += separator;
            out += digits[k];
        }
        return out;
    }

    QString FloatText(QChar type, const TFormatArg& arg, std::optional<int> precision) const
    {
        const QString decimal = FLocale.decimalPoint();
        // Whole numbers are rendered from their digits, not through a double, so
        // that sizes beyond 2^53 stay exact.
        if (arg.Kind() != TFormatArg::TKind::Float && (type == u'n' || type == u'f')) {
            const QString text = IntegerText(arg, std::nullopt, false);
            const bool negative = text.startsWith(u'-');
            QString digits = negative ? text.mid(1) : text;
            if (type == u'n')
                digits = Grouped(digits);
            const int places = precision.value_or(2);
            if (places > 0)
                digits += decimal + QString(places, u'0');
            return negative ? u'-' + digits : digits;
        }
        const double value = arg.Kind() == TFormatArg::TKind::Float ? arg.Float()
                             : arg.Kind() == TFormatArg::TKind::Integer
                                 ? static_cast<double>(arg.Integer())
                                 : static_cast<double>(arg.Unsigned());
        if (std::isnan(value))
            return QStringLiteral("NAN");
        if (std::isinf(value))
            return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

        if (type == u'f' || type == u'n') {
            const int places = precision.value_or(2);
            QString text = QString::number(value, 'f', places);
            const bool negative = text.startsWith(u'-');
            if (negative)
                text.remove(0, 1);
            const qsizetype dot = text.indexOf(u'.');
            QString whole = dot < 0 ? text : text.left(dot);
            const QString fraction = dot < 0 ? QString() : text.mid(dot + 1);
            if (type == u'n')
                whole = Grouped(whole);
            QString result = fraction.isEmpty() ? whole : whole + decimal + fraction;
            // "-0" for a value that rounds to zero reads as an error to users.
            const bool allZero = std::none_of(result.cbegin(), result.cend(), [](QChar ch) {
                return ch.unicode() >= u'1' && ch.unicode() <= u'9';
            });
            return negative && !allZero ? u'-' + result : result;
        }
        if (type == u'e') {
            // d.ddd...E+ddd with precision significant digits (15 by default).
            const int digits = std::clamp(precision.value_or(15), 1, 18);
            QString text = QString::number(value, 'E', digits - 1);
            const qsizetype e = text.indexOf(u'E');
            QString mantissa = text.left(e);
            QString exponent = text.mid(e + 1);
            const QChar sign = exponent[0];
            exponent.remove(0, 1);
            while (exponent.size() < 3)
                exponent.prepend(u'0');
            mantissa.replace(u'.', decimal);
            return mantissa + u'E' + sign + exponent;
        }
        // 'g': shortest of fixed and scientific with precision significant digits.
        const int digits = std::clamp(precision.value_or(15), 1, 18);
        QString text = QString::number(value, 'G', digits);
        text.replace(u'.', decimal);
        return text;
    }

    const QLocale& FLocale;
    const QString& FPattern;
    std::span<const TFormatArg> FArgs;
    size_t FNextArg = 0;
    qsizetype FSpecStart = 0;
};

} // namespace

EFormatError::EFormatError(const QString& pattern, const QString& reason)
    : std::runtime_error(QStringLiteral("Format \"%1\" is invalid or does not fit its arguments: %2")
                             .arg(pattern, reason)
                             .toStdString()),
      FPattern(pattern),
      FReason(reason)
{
}

QString FormatWithLocale(const QLocale& locale, const QString& pattern, std::span<const TFormatArg> args)
{
    return TFormatter(locale, pattern, args).Run();
}

QLocale UserFormatLocale()
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}
