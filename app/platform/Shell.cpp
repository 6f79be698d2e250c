#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

TShellHandler& Handler()
{
    static TShellHandler handler;
    return handler;
}

// A scheme needs at least two letters, so a Windows-style "C:" never counts.
bool HasScheme(const QString& target)
{
    const qsizetype colon = target.indexOf(u':');
    if (colon < 2)
        return false;
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = target[i];
        const bool ok = (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'+' || c == u'-' || c == u'.';
        if (!ok)
            return false;
    }
    return target[0].isLetter();
}

} // namespace

bool ShellOpen(const QString& target, const QString& verb, QWidget* parent)
{
    if (target.isEmpty())
        return false;
    const TShellRequest request{verb, target, parent};
    if (const TShellHandler& handler = Handler())
        return handler(request);
    return DesktopOpen(request);
}

TShellHandler SetShellHandler(TShellHandler handler)
{
    TShellHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

bool DesktopOpen(const TShellRequest& request)
{
    if (HasScheme(request.Target)) {
        const QUrl url(request.Target, QUrl::TolerantMode);
        if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
            return false;
        return url.isValid() && QDesktopServices::openUrl(url);
    }
    // The desktop starts its opener in the background and cannot tell us about
    // a missing file, so that is checked here.
    if (!QFileInfo::exists(request.Target))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(request.Target).absoluteFilePath()));
}
