#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace {

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString Quote(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

// The text between the quotes; nullopt for a value that is not a whole quoted text.
std::optional<QString> Unquote(QStringView value)
{
    QString out;
    qsizetype i = 1;
    while (i < value.size()) {
        const QChar c = value[i];
        if (c == u'"')
            return i == value.size() - 1 ? std::optional<QString>(out) : std::nullopt;
        if (c != u'\\') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 >= value.size())
            return std::nullopt;
        const QChar e = value[i + 1];
        i += 2;
        switch (e.unicode()) {
        case u'\\': out += u'\\'; break;
        case u'"': out += u'"'; break;
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        case u't': out += u'\t'; break;
        case u'u': {
            bool ok = false;
            const uint code = value.mid(i, 4).toUInt(&ok, 16);
            if (!ok || value.mid(i, 4).size() != 4)
                return std::nullopt;
            out += QChar(static_cast<char16_t>(code));
            i += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<TRegValue> ParseValue(QStringView value)
{
    TRegValue result;
    if (value.startsWith(u'"')) {
        std::optional<QString> text = Unquote(value);
        if (!text)
            return std::nullopt;
        result.Text = *text;
        return result;
    }
    if (value.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = value.mid(6);
        bool ok = false;
        const qulonglong number = digits.toULongLong(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 8 || digits.startsWith(u'+') || digits.startsWith(u'-'))
            return std::nullopt;
        result.Type = TRegValue::TType::DWord;
        result.DWord = static_cast<uint32_t>(number);
        return result;
    }
    result.Text = value.toString();
    return result;
}

std::optional<int32_t> ParseDecimal(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    if (trimmed[0] == u'+' || trimmed[0] == u'-')
        i = 1;
    if (i == trimmed.size())
        return std::nullopt;
    for (qsizetype k = i; k < trimmed.size(); ++k)
        if (trimmed[k].unicode() < u'0' || trimmed[k].unicode() > u'9')
            return std::nullopt;
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString ConfigHome()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative paths are to be ignored, so the store never lands in the working folder.
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    const QString home = qEnvironmentVariable("HOME");
    return (home.isEmpty() ? QDir::homePath() : home) + QStringLiteral("/.config");
}

bool WriteAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

QString NormalizeKeyPath(const QString& keyPath)
{
    QStringList parts = QString(keyPath).replace(u'/', u'\\').split(u'\\', Qt::SkipEmptyParts);
    for (QString& part : parts)
        part = part.trimmed();
    parts.removeAll(QString());
    return parts.join(u'\\');
}

} // namespace

void CheckRegistryName(const QString& name)
{
    const bool bad = name.isEmpty() || name != name.trimmed() || name.contains(u'=') || name.contains(u'\n')
                     || name.contains(u'\r') || name.startsWith(u'[') || name.startsWith(u';')
                     || name.startsWith(u'#');
    if (bad)
        throw std::invalid_argument("settings value name \"" + name.toStdString() + "\" cannot be stored");
}

TRegistryStore TRegistryStore::Parse(const QByteArray& content)
{
    TRegistryStore store;
    if (content.contains('\0'))
        return store;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(content);
    if (decoder.hasError())
        return store;
    TSection* current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(QChar(0xFEFF)))
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            current = nullptr;
            if (!line.endsWith(u']'))
                continue;
            const QString name = NormalizeKeyPath(line.mid(1, line.size() - 2).toString());
            if (name.isEmpty())
                continue;
            current = store.FindSection(name);
            if (!current) {
                store.Sections.push_back({name, {}});
                current = &store.Sections.back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq <= 0)
            continue;
        const QString name = line.left(eq).trimmed().toString();
        std::optional<TRegValue> value = ParseValue(line.mid(eq + 1).trimmed());
        if (name.isEmpty() || !value)
            continue;
        store.Set(current->Name, name, *value);
        current = store.FindSection(current->Name);
    }
    return store;
}

TRegistryStore TRegistryStore::Load(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Parse(file.readAll());
}

QByteArray TRegistryStore::Serialize() const
{
    QString out;
    for (const TSection& section : Sections) {
        if (!out.isEmpty())
            out += u'\n';
        out += u'[' + section.Name + QStringLiteral("]\n");
        for (const TEntry& entry : section.Entries) {
            out += entry.Name + u'=';
            if (entry.Value.Type == TRegValue::TType::DWord)
                out += QStringLiteral("dword:%1").arg(entry.Value.DWord, 8, 16, QLatin1Char('0'));
            else
                out += Quote(entry.Value.Text);
            out += u'\n';
        }
    }
    return out.toUtf8();
}

bool TRegistryStore::Save(const QString& filePath) const
{
    const QFileInfo info(filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QByteArray temp = (info.absoluteFilePath() + QStringLiteral(".XXXXXX")).toLocal8Bit();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, Serialize()) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.constData(), QFile::encodeName(info.absoluteFilePath()).constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    // Make the rename itself durable; failing to is no reason to report failure.
    const int dir = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

TRegistryStore::TSection* TRegistryStore::FindSection(const QString& section)
{
    for (TSection& s : Sections)
        if (SameName(s.Name, section))
            return &s;
    return nullptr;
}

const TRegistryStore::TSection* TRegistryStore::FindSection(const QString& section) const
{
    for (const TSection& s : Sections)
        if (SameName(s.Name, section))
            return &s;
    return nullptr;
}

const TRegValue* TRegistryStore::Find(const QString& section, const QString& name) const
{
    const TSection* s = FindSection(section);
    if (!s)
        return nullptr;
    for (const TEntry& e : s->Entries)
        if (SameName(e.Name, name))
            return &e.Value;
    return nullptr;
}

void TRegistryStore::Set(const QString& section, const QString& name, const TRegValue& value)
{
    TSection* s = FindSection(section);
    if (!s) {
        Sections.push_back({section, {}});
        s = &Sections.back();
    }
    for (TEntry& e : s->Entries) {
        if (SameName(e.Name, name)) {
            e.Value = value;
            return;
        }
    }
    s->Entries.push_back({name, value});
}

void TRegistryStore::Remove(const QString& section, const QString& name)
{
    if (TSection* s = FindSection(section))
        s->Entries.removeIf([&](const TEntry& e) { return SameName(e.Name, name); });
}

void TRegistryStore::RemoveSection(const QString& section)
{
    Sections.removeIf([&](const TSection& s) { return SameName(s.Name, section); });
}

QString RegistryFilePath()
{
    return ConfigHome() + QStringLiteral("/meshwright/registry.ini");
}

TRegistryIniFile::TRegistryIniFile(const QString& keyPath) : TRegistryIniFile(keyPath, RegistryFilePath()) {}

TRegistryIniFile::TRegistryIniFile(const QString& keyPath, const QString& storeFilePath)
    : FKeyPath(NormalizeKeyPath(keyPath)), FFilePath(storeFilePath), FStore(TRegistryStore::Load(storeFilePath))
{
}

TRegistryIniFile::~TRegistryIniFile()
{
    UpdateFile();
}

QString TRegistryIniFile::SectionName(const QString& Section) const
{
    const QString sub = NormalizeKeyPath(Section);
    if (sub.isEmpty())
        return FKeyPath;
    return FKeyPath.isEmpty() ? sub : FKeyPath + u'\\' + sub;
}

QString TRegistryIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default) const
{
    const TRegValue* value = FStore.Find(SectionName(Section), Ident);
    if (!value)
        return Default;
    if (value->Type == TRegValue::TType::DWord)
        return QString::number(static_cast<int32_t>(value->DWord));
    return value->Text;
}

int32_t TRegistryIniFile::ReadInteger(const QString& Section, const QString& Ident, int32_t Default) const
{
    const TRegValue* value = FStore.Find(SectionName(Section), Ident);
    if (!value)
        return Default;
    if (value->Type == TRegValue::TType::DWord)
        return static_cast<int32_t>(value->DWord);
    return ParseDecimal(value->Text).value_or(Default);
}

bool TRegistryIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

bool TRegistryIniFile::ValueExists(const QString& Section, const QString& Ident) const
{
    return FStore.Find(SectionName(Section), Ident) != nullptr;
}

QStringList TRegistryIniFile::ReadSection(const QString& Section) const
{
    QStringList names;
    if (const TRegistryStore::TSection* s = FStore.FindSection(SectionName(Section)))
        for (const TRegistryStore::TEntry& e : s->Entries)
            names << e.Name;
    return names;
}

void TRegistryIniFile::Apply(const TChange& change)
{
    switch (change.Kind) {
    case TChange::TKind::Set: FStore.Set(change.Section, change.Name, change.Value); break;
    case TChange::TKind::Remove: FStore.Remove(change.Section, change.Name); break;
    case TChange::TKind::RemoveSection: FStore.RemoveSection(change.Section); break;
    }
    FPending.push_back(change);
}

void TRegistryIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    CheckRegistryName(Ident);
    TRegValue value;
    value.Text = Value;
    Apply({TChange::TKind::Set, SectionName(Section), Ident, value});
}

void TRegistryIniFile::WriteInteger(const QString& Section, const QString& Ident, int32_t Value)
{
    CheckRegistryName(Ident);
    TRegValue value;
    value.Type = TRegValue::TType::DWord;
    value.DWord = static_cast<uint32_t>(Value);
    Apply({TChange::TKind::Set, SectionName(Section), Ident, value});
}

void TRegistryIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TRegistryIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    Apply({TChange::TKind::Remove, SectionName(Section), Ident, {}});
}

void TRegistryIniFile::EraseSection(const QString& Section)
{
    Apply({TChange::TKind::RemoveSection, SectionName(Section), {}, {}});
}

bool TRegistryIniFile::UpdateFile()
{
    if (FPending.isEmpty())
        return true;
    // Merged into the file as it is now, so that values another instance of the
    // program saved meanwhile under other names survive.
    TRegistryStore disk = TRegistryStore::Load(FFilePath);
    for (const TChange& change : FPending) {
        switch (change.Kind) {
        case TChange::TKind::Set: disk.Set(change.Section, change.Name, change.Value); break;
        case TChange::TKind::Remove: disk.Remove(change.Section, change.Name); break;
        case TChange::TKind::RemoveSection: disk.RemoveSection(change.Section); break;
        }
    }
    if (!disk.Save(FFilePath))
        return false;
    FPending.clear();
    FStore = std::move(disk);
    return true;
}
