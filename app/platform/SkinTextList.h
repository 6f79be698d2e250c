// The list of name=value lines from which the standard windows (message boxes,
// menus, title-button hints) take their texts. The main window owns the active
// list that every window shares; a missing name falls back to the given text.
#pragma once

#include <QString>
#include <QStringList>

class TSkinTextList {
public:
    QStringList Lines;  // "NAME=value", in file order

    // The value after the first "=" of the first line whose name matches
    // (case-insensitive); fallback when no line has that name.
    QString Value(const QString& name, const QString& fallback) const;

    // The list all skinned windows of the program share.
    static TSkinTextList& Active();
};
