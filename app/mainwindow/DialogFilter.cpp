#include "mainwindow/DialogFilter.h"

#include <QFileDialog>

QStringList DialogNameFilters(const QString& Filter)
{
    const QStringList parts = Filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            patterns << (p == QStringLiteral("*.*") ? QStringLiteral("*") : p);
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        const QString shown = u'(' + patterns.join(u' ') + u')';
        // Qt reads the patterns from the last parentheses of a filter, so they
        // go last, in place of the ones a description may already show.
        const QString original = u'(' + QString(parts[i + 1].trimmed()).replace(u';', u' ') + u')';
        QString base = description;
        if (base.endsWith(original))
            base = base.left(base.size() - original.size()).trimmed();
        filters << (base.isEmpty() ? shown : base + u' ' + shown);
    }
    if (filters.isEmpty())
        filters << QStringLiteral("(*)");
    return filters;
}

void SetDialogFilter(QFileDialog* Dialog, const QString& Filter)
{
    const int index = Dialog->property("filterText").isValid() ? FilterIndex(Dialog) : 1;
    Dialog->setProperty("filterText", Filter);
    Dialog->setNameFilters(DialogNameFilters(Filter));
    SetFilterIndex(Dialog, index);
}

QString FilterText(const QFileDialog* Dialog)
{
    return Dialog->property("filterText").toString();
}

int FilterIndex(const QFileDialog* Dialog)
{
    const qsizetype i = Dialog->nameFilters().indexOf(Dialog->selectedNameFilter());
    return i < 0 ? 1 : int(i) + 1;
}

void SetFilterIndex(QFileDialog* Dialog, int Index)
{
    const QStringList filters = Dialog->nameFilters();
    if (filters.isEmpty())
        return;
    if (Index < 1 || Index > filters.size())
        Index = 1;
    Dialog->selectNameFilter(filters[Index - 1]);
}
