#include "support/MsgFrm.h"

#include "localization/SpecStrings.h"
#include "localization/TarqStrings.h"
#include "platform/Application.h"
#include "platform/Format.h"
#include "platform/ScriptedSeams.h"

#include "../platform/QtPrinters.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString SuccessText()
{
    return Format(SRepairSuccessMessage, QStringLiteral("/m/a.stl"), QStringLiteral("/m/a_fixed.stl"));
}

// Shows form as the program does and gives its client width and outer height while shown.
QSize ShownSize(TTarqMsgForm& form)
{
    TScriptedModal modal;
    QSize size;
    modal.Driver = [&](QDialog* dialog) {
        size = QSize(dialog->width(), dialog->frameGeometry().height());
        return 0;
    };
    ShowModal(&form);
    return size;
}

TEST(MsgForm, SuccessWindowTakesItsTexts)
{
    TMsgForm form(nullptr, nullptr, nullptr, nullptr, SuccessText());
    EXPECT_EQ(form.windowTitle(), SRepairSuccessTitle);
    EXPECT_EQ(form.btnClose->text(), SCloseCaption);
    EXPECT_TRUE(form.labMsg->text().endsWith(SuccessText()));
    EXPECT_EQ(form.labMsg->textFormat(), Qt::RichText);

    TTarqMsgForm plain(nullptr, nullptr, nullptr, nullptr, "unused");
    EXPECT_EQ(plain.windowTitle(), MSG_CAP_INFORMATION);
    EXPECT_TRUE(plain.labMsg->text().isEmpty());
    EXPECT_FALSE(plain.imgIcon->pixmap().isNull());
}

TEST(MsgForm, HeightFollowsTheMessageWidthStays)
{
    TMsgForm shortForm(nullptr, nullptr, nullptr, nullptr, "<B>Done.</B>");
    const QSize shortSize = ShownSize(shortForm);
    EXPECT_EQ(shortSize.width(), TMsgForm::ClientWidth);
    EXPECT_EQ(shortSize.height(), shortForm.labMsg->height() + 110);
    EXPECT_EQ(shortForm.btnClose->y(), shortForm.labMsg->y() + shortForm.labMsg->height() + 16);

    QString paragraphs;
    for (int i = 0; i < 6; ++i)
        paragraphs += "A paragraph long enough to need more than one line in the message window, so that it "
                      "wraps.<BR><BR>";
    TMsgForm longForm(nullptr, nullptr, nullptr, nullptr, paragraphs);
    const QSize longSize = ShownSize(longForm);
    EXPECT_EQ(longSize.width(), TMsgForm::ClientWidth);
    EXPECT_GT(longForm.labMsg->height(), 3 * shortForm.labMsg->height());
    EXPECT_EQ(longSize.height(), longForm.labMsg->height() + 110);
    EXPECT_EQ(longSize.height() - shortSize.height(), longForm.labMsg->height() - shortForm.labMsg->height());
    EXPECT_EQ(longForm.labMsg->width(), TTarqMsgForm::MessageWidth);

    TTarqMsgForm generic(nullptr, nullptr, nullptr, nullptr, QString());
    generic.SetMessage(paragraphs);
    EXPECT_EQ(ShownSize(generic).width(), TTarqMsgForm::DefaultClientWidth);
}

TEST(MsgForm, ClickedLinkOpensThroughTheShellAndWindowStays)
{
    TShellRecorder shell;
    TMsgForm form(nullptr, nullptr, nullptr, nullptr,
                  "<a href=\"https://example.org/help?x=1\">Read more</a> about it.");
    bool visibleAfterClick = false;
    TScriptedModal modal;
    modal.Driver = [&](QDialog*) {
        const QPoint at(4, form.labMsg->height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, form.labMsg->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, form.labMsg->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form.labMsg, &press);
        QApplication::sendEvent(form.labMsg, &release);
        visibleAfterClick = form.isVisible();
        return 0;
    };
    ShowModal(&form);
    ASSERT_EQ(shell.Requests.size(), 1);
    EXPECT_EQ(shell.Requests[0].Verb, "open");
    EXPECT_EQ(shell.Requests[0].Target, "https://example.org/help?x=1");
    EXPECT_EQ(shell.Requests[0].Parent, &form);
    EXPECT_TRUE(visibleAfterClick);
}

TEST(MsgForm, LinksShowBoldAndUnderlined)
{
    TMsgForm form(nullptr, nullptr, nullptr, nullptr, "Plain <a href=\"https://example.org/\">link</a>");
    QTextDocument document;
    document.setHtml(form.labMsg->text());
    const QString text = document.toPlainText();
    ASSERT_EQ(text, "Plain link");
    QTextCursor cursor(&document);
    cursor.setPosition(text.indexOf("link") + 1);
    EXPECT_TRUE(cursor.charFormat().isAnchor());
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(cursor.charFormat().fontUnderline());
    cursor.setPosition(2);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST(MsgForm, HelpKeyOpensTheHelpFile)
{
    TShellRecorder shell;
    SetApplicationHelpFile("/opt/tarq/Help/tarq_ENU.html");
    TMsgForm form(nullptr, nullptr, nullptr, nullptr, "x");
    ASSERT_NE(form.HelpContents, nullptr);
    EXPECT_EQ(form.HelpContents->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(form.actions().contains(form.HelpContents));
    form.HelpContents->trigger();
    EXPECT_TRUE(form.FormHelp());
    ASSERT_EQ(shell.Requests.size(), 2);
    EXPECT_EQ(shell.Requests[0].Target, "/opt/tarq/Help/tarq_ENU.html");
    EXPECT_EQ(shell.Requests[0].Verb, "open");
    SetApplicationHelpFile(QString());
}

TEST(MsgForm, CloseAndEscapeGiveCancel)
{
    TMsgForm form(nullptr, nullptr, nullptr, nullptr, "x");
    TScriptedModal modal;
    modal.Driver = [&](QDialog* dialog) {
        form.btnClose->click();
        return dialog->result();
    };
    EXPECT_EQ(ShowModal(&form), mrCancel);
    modal.Driver = [&](QDialog* dialog) {
        dialog->reject();
        return dialog->result();
    };
    EXPECT_EQ(ShowModal(&form), mrCancel);
}

TEST(MsgForm, SkinHoldersTakeTheCallersSkins)
{
    TbsCompressedStoredSkin dialogSkin{"QDialog { background: rgb(1, 2, 3); }"};
    TbsCompressedStoredSkin controlSkin{"QPushButton { color: rgb(4, 5, 6); }"};
    TbsSkinData formData, ctrlData;
    formData.CompressedStoredSkin = &dialogSkin;
    ctrlData.CompressedStoredSkin = &controlSkin;
    TbsSkinHint hint{"QToolTip { color: rgb(7, 8, 9); }"};
    TMsgForm form(nullptr, &formData, &ctrlData, &hint, "x");
    EXPECT_TRUE(form.styleSheet().contains("rgb(1, 2, 3)"));
    EXPECT_TRUE(form.styleSheet().contains("rgb(4, 5, 6)"));
    EXPECT_TRUE(form.styleSheet().contains("rgb(7, 8, 9)"));
    EXPECT_EQ(form.bsSkinMessage.SkinData->CompressedStoredSkin, &dialogSkin);
}

} // namespace
