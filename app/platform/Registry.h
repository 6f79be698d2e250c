// Per-user settings store with the shape of a registry: keys hold named,
// typed values. All keys live in one INI file under the user's configuration
// folder ($XDG_CONFIG_HOME, else ~/.config), one section per key path:
//
//   [Software\tarq\Misc]
//   OpenDirectory="/home/ann/models/"
//   OpenFilterIndex=dword:00000002
//
// A value written as an integer is stored as "dword:" and eight hex digits; a
// text value is stored in double quotes with backslash escapes. A bare value
// (as a person editing the file might write it) reads as text. Lines that make
// no sense are ignored, and a file that is unreadable or not text reads as
// empty: a damaged store gives the defaults, never an error.
//
// Writes are kept until UpdateFile, which merges them into the file as it is
// on disk at that moment and replaces it atomically (temporary file, flush,
// rename), so a failed save leaves the previous file whole.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <optional>

// One stored value.
struct TRegValue {
    enum class TType { String, DWord };
    TType Type = TType::String;
    QString Text;
    uint32_t DWord = 0;
};

// The whole store as it is on disk: sections in file order, values in order.
class TRegistryStore {
public:
    struct TEntry {
        QString Name;
        TRegValue Value;
    };
    struct TSection {
        QString Name;
        QVector<TEntry> Entries;
    };

    QVector<TSection> Sections;

    // Missing, unreadable or damaged files give an empty store.
    static TRegistryStore Load(const QString& filePath);
    static TRegistryStore Parse(const QByteArray& content);
    QByteArray Serialize() const;
    // Writes the store to filePath atomically; false (and the old file untouched)
    // when it cannot.
    bool Save(const QString& filePath) const;

    const TRegValue* Find(const QString& section, const QString& name) const;
    void Set(const QString& section, const QString& name, const TRegValue& value);
    void Remove(const QString& section, const QString& name);
    void RemoveSection(const QString& section);
    TSection* FindSection(const QString& section);
    const TSection* FindSection(const QString& section) const;
};

// The store's file: <configuration folder>/meshwright/registry.ini.
QString RegistryFilePath();

// One key, read and written as sections and values below it: the section
// "Misc" of key "\Software\tarq" is the file's section "Software\tarq\Misc".
class TRegistryIniFile {
public:
    // Opens the key: reads the store as it is now. Nothing is created on disk
    // until something is written and saved.
    explicit TRegistryIniFile(const QString& keyPath);
    TRegistryIniFile(const QString& keyPath, const QString& storeFilePath);
    // Saves pending writes; a failure is dropped here, call UpdateFile to see it.
    ~TRegistryIniFile();
    TRegistryIniFile(const TRegistryIniFile&) = delete;
    TRegistryIniFile& operator=(const TRegistryIniFile&) = delete;

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    // A text value is parsed as a decimal number; Default when it does not parse.
    int32_t ReadInteger(const QString& Section, const QString& Ident, int32_t Default) const;
    // Read as an integer; true when non-zero.
    bool ReadBool(const QString& Section, const QString& Ident, bool Default) const;
    bool ValueExists(const QString& Section, const QString& Ident) const;
    QStringList ReadSection(const QString& Section) const;

    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Ident, int32_t Value);
    // Stored as the texts "0" and "1".
    void WriteBool(const QString& Section, const QString& Ident, bool Value);
    void DeleteKey(const QString& Section, const QString& Ident);
    void EraseSection(const QString& Section);

    // Saves the pending writes; true when there were none or they are on disk.
    bool UpdateFile();

    const QString& KeyPath() const { return FKeyPath; }
    const QString& FileName() const { return FFilePath; }

private:
    struct TChange {
        enum class TKind { Set, Remove, RemoveSection };
        TKind Kind;
        QString Section;
        QString Name;
        TRegValue Value;
    };

    QString SectionName(const QString& Section) const;
    void Apply(const TChange& change);

    QString FKeyPath;
    QString FFilePath;
    TRegistryStore FStore;
    QVector<TChange> FPending;
};

// Names must not break the file's lines; throws std::invalid_argument.
void CheckRegistryName(const QString& name);
