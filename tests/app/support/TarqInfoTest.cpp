#include "support/TarqInfo.h"

#include "../platform/QtPrinters.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace {

QByteArray RecordBytes(TFixedFileInfo info)
{
    TVersionRecord record = CompiledVersionRecord();
    record.Info = info;
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

class VersionFiles : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& content)
    {
        const QString path = FDir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    QTemporaryDir FDir;
};

TEST_F(VersionFiles, ProgramCarriesTheBuildVersion)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString expected = QStringLiteral(TARQ_VERSION) + ".0";
    EXPECT_EQ(GetFileVersionText(program, 2), expected);
    EXPECT_EQ(GetFileVersionText(program, 5), expected);
    EXPECT_EQ(GetFileVersionText(program, 0), QStringLiteral("%1.%2").arg(TARQ_VERSION_MAJOR).arg(TARQ_VERSION_MINOR));
}

TEST_F(VersionFiles, EveryKindOfAForeignRecord)
{
    // Placed across the reader's block boundary, behind a decoy marker whose
    // signature does not match.
    QByteArray decoy = RecordBytes({});
    decoy[sizeof(TVersionRecord::Marker)] = 0;
    QByteArray content(1 << 20, 'x');
    content.replace(100, decoy.size(), decoy);
    content.chop(10);
    content += RecordBytes({(2u << 16) | 7u, (65535u << 16) | 1u, (3u << 16) | 0u, (4u << 16) | 5u});
    content += QByteArray(100, 'y');
    const QString path = Write("foreign.bin", content);

    const std::pair<int, const char*> expected[] = {
        {0, "2.7"}, {1, "65535.1"}, {2, "2.7.65535.1"}, {3, "3.0"}, {4, "4.5"}, {5, "3.0.4.5"}, {6, ""}, {-1, ""},
    };
    for (const auto& [kind, text] : expected)
        EXPECT_EQ(GetFileVersionText(path, kind), text) << kind;
}

TEST_F(VersionFiles, FilesWithoutRecordGiveEmptyText)
{
    QByteArray cut = RecordBytes({1, 2, 3, 4});
    cut.chop(1);
    const QString files[] = {
        Write("plain.txt", "no version here"),
        Write("empty.bin", QByteArray()),
        Write("cut.bin", cut),
        FDir.filePath("missing.bin"),
        FDir.path(),
    };
    TFixedFileInfo info;
    for (const QString& file : files) {
        EXPECT_FALSE(GetFixedFileInfo(file, info)) << file.toStdString();
        EXPECT_EQ(GetFileVersionText(file, 2), "") << file.toStdString();
    }
}

} // namespace
