// Checked printf-like formatting: "%" [index ":"] ["-"] [width] ["." precision] type,
// with the types d u x e f g n s and "%%". Every placeholder is checked against
// the argument it takes, because most patterns come from translators: a broken
// pattern raises EFormatError instead of printing garbage or reading past the
// arguments. Arguments a pattern does not use are ignored, so a translation may
// drop a placeholder.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

class EFormatError : public std::runtime_error {
public:
    EFormatError(const QString& pattern, const QString& reason);

    const QString& Pattern() const { return FPattern; }
    const QString& Reason() const { return FReason; }

private:
    QString FPattern;
    QString FReason;
};

// One argument of Format. Booleans, characters and pointers other than text are
// refused at compile time: they would otherwise turn silently into numbers.
class TFormatArg {
public:
    enum class TKind { Integer, Unsigned, Float, Text };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char16_t>
                 && !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>)
    TFormatArg(T value)
    {
        if constexpr (std::is_signed_v<T>) {
            FKind = TKind::Integer;
            FInteger = static_cast<int64_t>(value);
        } else {
            FKind = TKind::Unsigned;
            FUnsigned = static_cast<uint64_t>(value);
        }
    }
    TFormatArg(double value) : FKind(TKind::Float), FFloat(value) {}
    TFormatArg(float value) : FKind(TKind::Float), FFloat(value) {}
    TFormatArg(const QString& value) : FKind(TKind::Text), FText(value) {}
    TFormatArg(QStringView value) : FKind(TKind::Text), FText(value.toString()) {}
    TFormatArg(const char16_t* value) : FKind(TKind::Text), FText(QString::fromUtf16(value)) {}
    TFormatArg(const char* value) : FKind(TKind::Text), FText(QString::fromUtf8(value)) {}
    TFormatArg(const std::string& value) : FKind(TKind::Text), FText(QString::fromStdString(value)) {}
    TFormatArg(bool) = delete;
    TFormatArg(const void*) = delete;

    TKind Kind() const { return FKind; }
    int64_t Integer() const { return FInteger; }
    uint64_t Unsigned() const { return FUnsigned; }
    double Float() const { return FFloat; }
    const QString& Text() const { return FText; }

private:
    TKind FKind;
    int64_t FInteger = 0;
    uint64_t FUnsigned = 0;
    double FFloat = 0;
    QString FText;
};

// Decimal and thousands separators come from this locale.
QString FormatWithLocale(const QLocale& locale, const QString& pattern,
                         std::span<const TFormatArg> args);

// The user's locale (the environment's LC_NUMERIC / LC_ALL / LANG), with
// thousands separators switched on even where the locale's defaults omit them.
QLocale UserFormatLocale();

inline QString FormatArgs(const QString& pattern, std::span<const TFormatArg> args)
{
    return FormatWithLocale(UserFormatLocale(), pattern, args);
}

template <typename... Args>
QString Format(const QString& pattern, const Args&... args)
{
    const std::array<TFormatArg, sizeof...(Args)> list{TFormatArg(args)...};
    return FormatArgs(pattern, list);
}
