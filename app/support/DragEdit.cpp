#include "support/DragEdit.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

TDragEdit::TDragEdit(QWidget* parent) : QLineEdit(parent) {}

void TDragEdit::DragAccept(bool Accept)
{
    FAcceptFiles = Accept;
}

QString TDragEdit::FirstLocalFile(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls)
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            return url.toLocalFile();
    return QString();
}

bool TDragEdit::CarriesFile(const QMimeData* data) const
{
    return FAcceptFiles && data && data->hasUrls() && !FirstLocalFile(data->urls()).isEmpty();
}

// Anything carrying addresses is ours to take or refuse: left to the line
// edit, a dragged file would be pasted as "file://..." text.
bool TDragEdit::AnswerDrag(QDragMoveEvent* event) const
{
    if (!event->mimeData() || !event->mimeData()->hasUrls())
        return false;
    if (CarriesFile(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
    return true;
}

void TDragEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (!AnswerDrag(event))
        QLineEdit::dragEnterEvent(event);
}

void TDragEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (!AnswerDrag(event))
        QLineEdit::dragMoveEvent(event);
}

void TDragEdit::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!data || !data->hasUrls()) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (!CarriesFile(data)) {
        event->ignore();
        return;
    }
    // Only the first file of a drop counts; the text is the handler's to change.
    event->acceptProposedAction();
    const QString file = FirstLocalFile(data->urls());
    if (FOnDropFile)
        FOnDropFile(this, file);
}
