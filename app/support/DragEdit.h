// The source-file edit box: accepts a file dropped from the desktop's file
// manager and hands its path to OnDropFile.
#pragma once

#include <QLineEdit>
#include <QUrl>

#include <functional>

class QMimeData;
class QObject;

using TDropEvent = std::function<void(QObject* Sender, const QString& AFile)>;

class TDragEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDragEdit(QWidget* parent = nullptr);

    // Starts or stops taking file drops.
    void DragAccept(bool Accept);
    bool AcceptsFiles() const { return FAcceptFiles; }

    const TDropEvent& OnDropFile() const { return FOnDropFile; }
    void SetOnDropFile(TDropEvent handler) { FOnDropFile = std::move(handler); }

    // The first local file among urls; empty when there is none.
    static QString FirstLocalFile(const QList<QUrl>& urls);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool CarriesFile(const QMimeData* data) const;
    bool AnswerDrag(QDragMoveEvent* event) const;  // true when the drag carried addresses

    TDropEvent FOnDropFile;
    bool FAcceptFiles = false;
};
