#include "platform/ScriptedSeams.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTemporaryDir>
#include <QWidget>

namespace {

TEST(ShellSeam, RecorderSeesEveryRequestAndLaunchesNothing)
{
    TShellRecorder shell;
    QWidget owner;
    EXPECT_TRUE(ShellOpen("https://example.org/a?b=c", "open", &owner));
    shell.Result = false;
    EXPECT_FALSE(ShellOpen("/tmp/fixed.stl", QString()));
    // An empty target is no request at all.
    EXPECT_FALSE(ShellOpen(QString()));

    ASSERT_EQ(shell.Requests.size(), 2);
    EXPECT_EQ(shell.Requests[0].Verb, "open");
    EXPECT_EQ(shell.Requests[0].Target, "https://example.org/a?b=c");
    EXPECT_EQ(shell.Requests[0].Parent, &owner);
    EXPECT_EQ(shell.Requests[1].Verb, "");
    EXPECT_EQ(shell.Requests[1].Target, "/tmp/fixed.stl");
}

TEST(ShellSeam, RecordersNestAndRestore)
{
    TShellRecorder outer;
    {
        TShellRecorder inner;
        ShellOpen("a");
        EXPECT_EQ(inner.Requests.size(), 1);
    }
    ShellOpen("b");
    ASSERT_EQ(outer.Requests.size(), 1);
    EXPECT_EQ(outer.Requests[0].Target, "b");
}

TEST(ShellSeam, DesktopRefusesMissingLocalFiles)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("none.stl");
    EXPECT_FALSE(DesktopOpen({"open", missing, nullptr}));
    EXPECT_FALSE(DesktopOpen({"open", "file://" + missing, nullptr}));
}

TEST(ModalSeam, ScriptedModalShowsTheWindowAndReturnsItsResult)
{
    TScriptedModal modal;
    modal.Answer({7});
    QDialog dialog;
    dialog.setWindowTitle("Successful!");
    bool visibleWhileShown = false;
    EXPECT_EQ(ShowModal(&dialog), 7);
    EXPECT_FALSE(dialog.isVisible());

    modal.Driver = [&](QDialog* d) {
        visibleWhileShown = d->isVisible();
        return 3;
    };
    EXPECT_EQ(ShowModal(&dialog), 3);
    EXPECT_TRUE(visibleWhileShown);
    ASSERT_EQ(modal.Shown.size(), 2);
    EXPECT_EQ(modal.Shown[0].ClassName, "QDialog");
    EXPECT_EQ(modal.Shown[0].Title, "Successful!");
    EXPECT_EQ(ShowModal(nullptr), 0);
}

} // namespace
