// Opening files and web addresses with the desktop's default program. Every
// such request of the program goes through this seam; tests intercept it and
// nothing is launched.
#pragma once

#include <QString>

#include <functional>

class QWidget;

struct TShellRequest {
    QString Verb;        // "open", or empty for the default action
    QString Target;      // a web address or a local path
    QWidget* Parent = nullptr;
};

// True when the desktop accepted the request.
using TShellHandler = std::function<bool(const TShellRequest&)>;

// Hands target to the installed handler, by default the desktop.
bool ShellOpen(const QString& target, const QString& verb = QStringLiteral("open"), QWidget* parent = nullptr);

// Installs handler (an empty one restores the desktop); returns the previous one.
TShellHandler SetShellHandler(TShellHandler handler);

// The desktop's own handling: a local path must exist; an address with a
// scheme goes to the desktop as it is.
bool DesktopOpen(const TShellRequest& request);
