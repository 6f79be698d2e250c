// Dialog filters in the "description|patterns|description|patterns" form the
// language files use, put on Qt's file dialogs, with 1-based filter indexes.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

// The Qt name filters of Filter: each description with its patterns in
// parentheses (added when the description does not already show them). "*.*"
// matches every file, as it does in such filters, names without a dot included.
QStringList DialogNameFilters(const QString& Filter);

// Puts Filter on Dialog and remembers it for FilterText.
void SetDialogFilter(QFileDialog* Dialog, const QString& Filter);
QString FilterText(const QFileDialog* Dialog);

// The selected entry, 1-based; 1 when nothing matches.
int FilterIndex(const QFileDialog* Dialog);
// Selects entry Index (1-based); an index outside the filter selects the first.
void SetFilterIndex(QFileDialog* Dialog, int Index);
