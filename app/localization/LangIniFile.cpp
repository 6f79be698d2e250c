#include "localization/LangIniFile.h"

#include <QFile>

namespace {

// Windows-1252 for 0x80..0x9F; the five unassigned bytes keep their C1 code.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Cp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kCp1252High[byte - 0x80];
    return byte;
}

// Length of the valid UTF-8 sequence at data[i], or 0 when there is none.
int Utf8SequenceAt(const unsigned char* data, qsizetype size, qsizetype i, char32_t* codePoint)
{
    const unsigned char lead = data[i];
    int length;
    char32_t value;
    char32_t minimum;
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2; value = lead & 0x1F; minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3; value = lead & 0x0F; minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4; value = lead & 0x07; minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > size)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = data[i + k];
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\f' || c == u'\v';
}

QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

TLangIniFile::TLangIniFile(const QString& FileName) : FFileName(FileName)
{
    QFile file(FileName);
    if (FileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return;
    FExists = true;
    Parse(DecodeText(content));
}

TLangIniFile TLangIniFile::FromBytes(const QByteArray& content)
{
    TLangIniFile ini;
    ini.FExists = true;
    ini.Parse(DecodeText(content));
    return ini;
}

QString TLangIniFile::DecodeText(const QByteArray& content)
{
    const auto* data = reinterpret_cast<const unsigned char*>(content.constData());
    const qsizetype size = content.size();
    if (size >= 2 && (data[0] == 0xFF && data[1] == 0xFE)) {
        QString text;
        text.reserve((size - 2) / 2);
        for (qsizetype i = 2; i + 1 < size; i += 2)
            text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
        return text;
    }
    if (size >= 2 && (data[0] == 0xFE && data[1] == 0xFF)) {
        QString text;
        text.reserve((size - 2) / 2);
        for (qsizetype i = 2; i + 1 < size; i += 2)
            text.append(QChar(char16_t((data[i] << 8) | data[i + 1])));
        return text;
    }
    qsizetype i = 0;
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF)
        i = 3;
    QString text;
    text.reserve(size);
    while (i < size) {
        char32_t codePoint = 0;
        const int length = Utf8SequenceAt(data, size, i, &codePoint);
        if (length == 0) {
            text.append(QChar(Cp1252(data[i])));
            ++i;
            continue;
        }
        if (codePoint >= 0x10000) {
            const char32_t units[1] = {codePoint};
            text.append(QString::fromUcs4(units, 1));
        } else {
            text.append(QChar(char16_t(codePoint)));
        }
        i += length;
    }
    return text;
}

QString TLangIniFile::CleanValue(QStringView raw)
{
    QStringView value = TrimBlanks(raw);
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            value = value.sliced(1, value.size() - 2);
    }
    if (value.size() > MaxValueLength) {
        qsizetype length = MaxValueLength;
        // Never leave half of a surrogate pair at the cut.
        if (value[length - 1].isHighSurrogate())
            --length;
        value = value.first(length);
    }
    return value.toString();
}

void TLangIniFile::Parse(const QString& text)
{
    Section* current = nullptr;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView line = QStringView(text).sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;

        const QStringView trimmed = TrimBlanks(line);
        if (trimmed.isEmpty() || trimmed.front() == u';')
            continue;
        if (trimmed.front() == u'[') {
            const qsizetype close = trimmed.indexOf(u']');
            const QString name = TrimBlanks(trimmed.sliced(1, (close < 0 ? trimmed.size() : close) - 1)).toString();
            current = const_cast<Section*>(FindSection(name));
            if (!current) {
                FSections.append(Section{name, {}});
                current = &FSections.last();
            }
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        if (!current || equals <= 0)
            continue;
        const QString key = TrimBlanks(trimmed.first(equals)).toString();
        if (key.isEmpty())
            continue;
        current->Entries.append(Entry{key, CleanValue(line.sliced(line.indexOf(u'=') + 1))});
    }
}

const TLangIniFile::Section* TLangIniFile::FindSection(const QString& name) const
{
    for (const Section& section : FSections)
        if (section.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    return nullptr;
}

QString TLangIniFile::ReadString(const QString& Section, const QString& Key, const QString& Default) const
{
    if (const auto* section = FindSection(Section))
        for (const Entry& entry : section->Entries)
            if (entry.Key.compare(Key, Qt::CaseInsensitive) == 0)
                return entry.Value;
    return Default;
}

bool TLangIniFile::ValueExists(const QString& Section, const QString& Key) const
{
    if (const auto* section = FindSection(Section))
        for (const Entry& entry : section->Entries)
            if (entry.Key.compare(Key, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

bool TLangIniFile::SectionExists(const QString& Section) const
{
    return FindSection(Section) != nullptr;
}

QStringList TLangIniFile::ReadSectionValues(const QString& Section) const
{
    QStringList lines;
    if (const auto* section = FindSection(Section))
        for (const Entry& entry : section->Entries)
            lines.append(entry.Key + u'=' + entry.Value);
    return lines;
}
