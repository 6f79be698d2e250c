// The repair log: one read-only memo on the Repair page with a separate
// vertical scroll bar, shared by both repair pages.
#include "mainwindow/TarqMain.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The memo's document always holds one block; whether that block is a line of
// the log or the empty memo is told by this property.
constexpr const char* LineCountProperty = "logLineCount";

int LineCount(const QPlainTextEdit* memo)
{
    return memo->property(LineCountProperty).toInt();
}

} // namespace

void TTarqMainForm::AddLogLine(const QString& Line)
{
    QString text = Line;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    const QStringList lines = text.split(u'\n');

    QTextCursor cursor(txtRepairLog->document());
    cursor.movePosition(QTextCursor::End);
    int count = LineCount(txtRepairLog);
    cursor.beginEditBlock();
    for (const QString& line : lines) {
        if (count > 0)
            cursor.insertBlock();
        cursor.insertText(line);
        ++count;
    }
    cursor.endEditBlock();
    txtRepairLog->setProperty(LineCountProperty, count);
    // New lines scroll into view, as the caret follows them.
    txtRepairLog->setTextCursor(cursor);
    txtRepairLog->ensureCursorVisible();
}

void TTarqMainForm::ClearLog()
{
    txtRepairLog->clear();
    txtRepairLog->setProperty(LineCountProperty, 0);
    txtRepairLog->repaint();
}

QStringList TTarqMainForm::LogLines() const
{
    QStringList lines;
    const int count = LineCount(txtRepairLog);
    QTextBlock block = txtRepairLog->document()->firstBlock();
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next())
        lines << block.text();
    return lines;
}

void TTarqMainForm::SyncLogScrollBar()
{
    const QScrollBar* inner = txtRepairLog->verticalScrollBar();
    const QSignalBlocker blocker(vsbRepairLog);
    vsbRepairLog->setRange(0, inner->maximum());
    vsbRepairLog->setPageStep(std::max(1, inner->pageStep()));
    vsbRepairLog->setSingleStep(1);
    vsbRepairLog->setValue(inner->value());
    vsbRepairLog->setEnabled(inner->maximum() > 0);
}

void TTarqMainForm::vsbRepairLogChange()
{
    // Qt's bar ends at the last position a page can start at, which is where
    // the Windows model's Max - PageSize + 1 puts the end of the bar.
    const int position = vsbRepairLog->value();
    QTextCursor cursor(txtRepairLog->document());
    if (position >= vsbRepairLog->maximum()) {
        cursor.movePosition(QTextCursor::End);
    } else {
        const QTextBlock block = txtRepairLog->document()->findBlockByNumber(position);
        if (block.isValid())
            cursor.setPosition(block.position());
    }
    txtRepairLog->setTextCursor(cursor);
    txtRepairLog->ensureCursorVisible();
    // The line at the bar's position comes to the top, so the thumb stays
    // where the user put it.
    txtRepairLog->verticalScrollBar()->setValue(position);
    txtRepairLog->viewport()->update();
}

void TTarqMainForm::btnSaveLogClick()
{
    // Saving the log, with or without system information, comes with its own
    // dialog; until then the button does nothing.
}
