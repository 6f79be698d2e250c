#include "support/DragEdit.h"

#include "../platform/QtPrinters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

class DragEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        FEdit.SetOnDropFile([this](QObject* sender, const QString& file) {
            FSenders.push_back(sender);
            FFiles.push_back(file);
        });
        FEdit.setText("typed");
    }

    static QMimeData* Files(const QList<QUrl>& urls)
    {
        auto* data = new QMimeData;
        data->setUrls(urls);
        return data;
    }

    bool Enter(const QMimeData* data)
    {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&FEdit, &enter);
        return enter.isAccepted();
    }

    // Delivered only to the widget that took the drag's enter event, as in a real drag.
    bool Drop(const QMimeData* data)
    {
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&FEdit, &drop);
        return drop.isAccepted();
    }

    TDragEdit FEdit;
    QVector<QObject*> FSenders;
    QStringList FFiles;
};

TEST_F(DragEdit, FirstLocalFileOfSeveralReachesTheHandlerOnce)
{
    FEdit.DragAccept(true);
    std::unique_ptr<QMimeData> data(Files({QUrl("https://example.org/remote.stl"),
                                           QUrl::fromLocalFile("/models/first part.stl"),
                                           QUrl::fromLocalFile("/models/second.stl"),
                                           QUrl::fromLocalFile("/models/third.stl")}));
    EXPECT_TRUE(Enter(data.get()));
    EXPECT_TRUE(Drop(data.get()));
    ASSERT_EQ(FFiles.size(), 1);
    EXPECT_EQ(FFiles[0], "/models/first part.stl");
    EXPECT_EQ(FSenders[0], &FEdit);
    // The handler decides what the edit shows.
    EXPECT_EQ(FEdit.text(), "typed");
}

TEST_F(DragEdit, LongPathsArriveWhole)
{
    FEdit.DragAccept(true);
    const QString longPath = "/models/" + QString(400, u'a') + ".stl";
    std::unique_ptr<QMimeData> data(Files({QUrl::fromLocalFile(longPath)}));
    EXPECT_TRUE(Enter(data.get()));
    EXPECT_TRUE(Drop(data.get()));
    EXPECT_EQ(FFiles, QStringList{longPath});
}

TEST_F(DragEdit, NothingIsTakenBeforeDragAccept)
{
    std::unique_ptr<QMimeData> data(Files({QUrl::fromLocalFile("/models/a.stl")}));
    EXPECT_FALSE(Enter(data.get()));
    Drop(data.get());
    FEdit.DragAccept(true);
    FEdit.DragAccept(false);
    Drop(data.get());
    EXPECT_TRUE(FFiles.isEmpty());
    EXPECT_EQ(FEdit.text(), "typed");
}

TEST_F(DragEdit, DropsWithoutLocalFileAreRefusedAndNotPasted)
{
    FEdit.DragAccept(true);
    std::unique_ptr<QMimeData> data(Files({QUrl("https://example.org/a.stl"), QUrl("ftp://host/b.stl")}));
    EXPECT_FALSE(Enter(data.get()));
    EXPECT_FALSE(Drop(data.get()));
    EXPECT_TRUE(FFiles.isEmpty());
    EXPECT_EQ(FEdit.text(), "typed");
}

TEST_F(DragEdit, DropWithoutHandlerChangesNothing)
{
    TDragEdit edit;
    edit.setText("typed");
    edit.DragAccept(true);
    std::unique_ptr<QMimeData> data(Files({QUrl::fromLocalFile("/models/a.stl")}));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(edit.text(), "typed");
}

} // namespace
