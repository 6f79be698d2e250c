#include "support/TarqUtils.h"

#include "platform/Application.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

#include <QFileInfo>

#include <climits>
#include <cmath>

namespace {

// The query parameter that carries the campaign code.
const QString TrackingParameter = QStringLiteral("utm_source");

// Position of the dot that starts Name's extension, or -1.
qsizetype ExtensionDot(const QString& Name)
{
    const qsizetype dot = Name.lastIndexOf(u'.');
    const qsizetype slash = Name.lastIndexOf(u'/');
    return dot > slash ? dot : -1;
}

bool Exists(const QString& path)
{
    const QFileInfo info(path);
    // A dangling link still takes the name.
    return info.exists() || info.isSymLink();
}

} // namespace

QString RemoveFileExt(const QString& Name)
{
    const qsizetype dot = ExtensionDot(Name);
    return dot < 0 ? Name : Name.left(dot);
}

QString ExtractFileExtNoDot(const QString& Name)
{
    const qsizetype dot = ExtensionDot(Name);
    return dot < 0 ? QString() : Name.mid(dot + 1);
}

QString GetRegAppName(const QString& Path)
{
    QString name = RemoveFileExt(Path.mid(Path.lastIndexOf(u'/') + 1));
    if (name.endsWith(QStringLiteral("64")))
        name.chop(2);
    return name;
}

QString GetUniqueTempFileName(const QString& Ext)
{
    QString dir = SystemTempDirectory();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    for (int n = 0;; ++n) {
        const QString name = Format(QStringLiteral("%sFile%d%s"), dir, n, Ext);
        if (!Exists(name))
            return name;
        if (n == INT_MAX)
            return QString();
    }
}

QString GetFilterExt(const QString& Filter, int Index)
{
    if (Index < 1)
        return QString();
    QString rest = Filter;
    for (int i = 1;; ++i) {
        const qsizetype bar = rest.indexOf(u'|');
        if (bar < 0)
            return QString();
        rest.remove(0, bar + 1);
        const qsizetype end = rest.indexOf(u'|');
        if (i == Index) {
            QString patterns = end < 0 ? rest : rest.left(end);
            const qsizetype semicolon = patterns.indexOf(u';');
            if (semicolon >= 0)
                patterns.truncate(semicolon);
            return ExtractFileExtNoDot(patterns);
        }
        if (end < 0)
            return QString();
        rest.remove(0, end + 1);
    }
}

QString GetTrackingCode()
{
    return GetTrackingCode(ApplicationFilePath());
}

QString GetTrackingCode(const QString& programPath)
{
    const TRegistryIniFile reg(QStringLiteral("\\Software\\") + GetRegAppName(programPath));
    return reg.ReadString(QStringLiteral("Misc"), QStringLiteral("TrackingCode"), QString());
}

QString AddTrackingCode(const QString& URL)
{
    return AddTrackingCode(URL, GetTrackingCode());
}

QString AddTrackingCode(const QString& URL, const QString& TrackingCode)
{
    if (TrackingCode.isEmpty())
        return URL;
    return URL + u'?' + TrackingParameter + u'=' + TrackingCode;
}

QString HtmlToPlainText(const QString& Text)
{
    QString text = Text;
    text.replace(QStringLiteral("<BR>"), QStringLiteral("\n"), Qt::CaseInsensitive);
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(u'<', from);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        text.remove(open, close - open + 1);
        from = open;
    }
    return text;
}

QString FormatElapsedTime(const QString& Pattern, TDateTime Elapsed)
{
    // A clock set back during a run must not show a negative duration.
    if (!(Elapsed > 0))
        Elapsed = 0;
    // Days counted from the same millisecond rounding the time of day uses, so
    // 23:59:59.9996 shows as one day, not as zero days and zero hours.
    const long long totalMs = std::llround(Elapsed * MSecsPerDay);
    const long long days = totalMs / static_cast<long long>(MSecsPerDay);
    return Format(FormatDateTime(Pattern, Elapsed), days);
}

int ExecuteFile(QWidget* Window, const QString& FileName)
{
    if (FileName.isEmpty() || !QFileInfo::exists(FileName))
        return ExecuteFileNotFound;
    return ShellOpen(FileName, QString(), Window) ? ExecuteFileOpened : ExecuteFileNoAssociation;
}

bool ConfirmOverwrite(const TbsSkinMessage* MessageBox, const QString& Text, bool& YesToAll, bool& NoToAll,
                      bool& Cancel)
{
    Cancel = false;
    if (NoToAll)
        return false;
    if (YesToAll || !MessageBox)
        return true;
    switch (MessageBox->MessageDlg(Text, TMsgDlgType::mtConfirmation, {mbYes, mbNo, mbCancel, mbNoToAll, mbYesToAll})) {
    case mrYes:
        return true;
    case mrNo:
        return false;
    case mrNoToAll:
        NoToAll = true;
        return false;
    case mrYesToAll:
        YesToAll = true;
        return true;
    case mrCancel:
        Cancel = true;
        return true;
    default:
        return true;
    }
}
