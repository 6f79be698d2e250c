#include "platform/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString& HelpFile()
{
    static QString file;
    return file;
}

} // namespace

QString ApplicationFilePath()
{
    return QCoreApplication::applicationFilePath();
}

QString ApplicationHelpFile()
{
    return HelpFile();
}

void SetApplicationHelpFile(const QString& fileName)
{
    HelpFile() = fileName;
}

QString SystemTempDirectory()
{
    const QFileInfo info(QDir::tempPath());
    if (!info.isDir())
        return QString();
    QString path = info.canonicalFilePath();
    if (path.isEmpty())
        return QString();
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}
