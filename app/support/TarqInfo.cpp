#include "support/TarqInfo.h"

#include "platform/Format.h"

#include <QFile>

#include <cstring>

namespace {

constexpr uint32_t Word(uint32_t high, uint32_t low)
{
    return (high << 16) | (low & 0xFFFF);
}

// Kept in the binary even though nothing refers to it by name: it is found by
// reading the file. Its marker exists nowhere else in the file, since the
// search reads the marker from this object instead of from a literal of its own.
[[gnu::used]] const TVersionRecord VersionRecord = {
    {'\x7f', 'T', 'A', 'R', 'Q', '-', 'V', 'E', 'R', 'S', 'I', 'O', 'N', '\x01', '\x02', '\x03'},
    VersionRecordSignature,
    {Word(TARQ_VERSION_MAJOR, TARQ_VERSION_MINOR), Word(TARQ_VERSION_PATCH, 0),
     Word(TARQ_VERSION_MAJOR, TARQ_VERSION_MINOR), Word(TARQ_VERSION_PATCH, 0)},
};

QString WordText(uint32_t word)
{
    return Format(QStringLiteral("%d.%d"), word >> 16, word & 0xFFFF);
}

} // namespace

const TVersionRecord& CompiledVersionRecord()
{
    return VersionRecord;
}

bool GetFixedFileInfo(const QString& FileName, TFixedFileInfo& Info)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray marker(VersionRecord.Marker, sizeof VersionRecord.Marker);
    constexpr qint64 Chunk = 1 << 20;
    QByteArray window;
    while (true) {
        const QByteArray block = file.read(Chunk);
        if (block.isEmpty())
            return false;
        window += block;
        qsizetype at = 0;
        while ((at = window.indexOf(marker, at)) >= 0) {
            if (window.size() - at < static_cast<qsizetype>(sizeof(TVersionRecord)))
                break;
            char bytes[sizeof(TVersionRecord)];
            for (size_t k = 0; k < sizeof bytes; ++k)
                bytes[k] = window.at(at + static_cast<qsizetype>(k));
            TVersionRecord record;
            std::memcpy(&record, bytes, sizeof record);
            if (record.Signature == VersionRecordSignature) {
                Info = record.Info;
                return true;
            }
            ++at;
        }
        // Keep the tail so a record across two blocks is still found.
        const qsizetype keep = std::min<qsizetype>(window.size(), sizeof(TVersionRecord) - 1);
        window = window.right(keep);
    }
}

QString GetFileVersionText(const QString& FileName, int Kind)
{
    TFixedFileInfo info;
    if (!GetFixedFileInfo(FileName, info))
        return QString();
    switch (Kind) {
    case 0: return WordText(info.dwFileVersionMS);
    case 1: return WordText(info.dwFileVersionLS);
    case 2: return Format(QStringLiteral("%s.%s"), WordText(info.dwFileVersionMS), WordText(info.dwFileVersionLS));
    case 3: return WordText(info.dwProductVersionMS);
    case 4: return WordText(info.dwProductVersionLS);
    case 5:
        return Format(QStringLiteral("%s.%s"), WordText(info.dwProductVersionMS), WordText(info.dwProductVersionLS));
    default: return QString();
    }
}
