// Read-only language file in the layout of initialization files: [Section]
// lines and key=value entries. The whole file is read once, on construction;
// a missing or unreadable file reads as an empty one.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class TLangIniFile {
public:
    // The longest value a lookup gives; longer values are cut.
    static constexpr qsizetype MaxValueLength = 2047;

    explicit TLangIniFile(const QString& FileName);
    static TLangIniFile FromBytes(const QByteArray& content);

    const QString& FileName() const { return FFileName; }
    // False when the file was missing or could not be read.
    bool Exists() const { return FExists; }

    // The value of Key in Section (both case-insensitive), or Default.
    QString ReadString(const QString& Section, const QString& Key, const QString& Default) const;
    bool ValueExists(const QString& Section, const QString& Key) const;
    bool SectionExists(const QString& Section) const;
    // One "key=value" line per entry of the section, in file order.
    QStringList ReadSectionValues(const QString& Section) const;

    // Text of a file's bytes: UTF-16 with a byte-order mark, else UTF-8, where
    // any byte that is not part of valid UTF-8 is read as Windows-1252.
    static QString DecodeText(const QByteArray& content);
    // The reading rules for the text after "=": blanks trimmed, one matching pair
    // of quotes removed, at most MaxValueLength characters.
    static QString CleanValue(QStringView raw);

private:
    TLangIniFile() = default;
    void Parse(const QString& text);

    struct Entry {
        QString Key;
        QString Value;
    };
    struct Section {
        QString Name;
        QVector<Entry> Entries;
    };
    const Section* FindSection(const QString& name) const;

    QString FFileName;
    bool FExists = false;
    QVector<Section> FSections;
};
