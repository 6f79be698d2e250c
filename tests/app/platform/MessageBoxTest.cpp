#include "platform/MessageBox.h"
#include "platform/ScriptedSeams.h"
#include "platform/SkinTextList.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

class MessageBox : public ::testing::Test {
protected:
    void SetUp() override { FSavedLines = TSkinTextList::Active().Lines; TSkinTextList::Active().Lines.clear(); }
    void TearDown() override { TSkinTextList::Active().Lines = FSavedLines; }
    QStringList FSavedLines;
};

TEST_F(MessageBox, ScriptedAnswersAndRecordsEveryBox)
{
    TScriptedMessages script;
    script.Answer({mrNoToAll, mrYes});
    TbsSkinMessage box;
    EXPECT_EQ(box.MessageDlg("Overwrite?", TMsgDlgType::mtConfirmation,
                             {mbYesToAll, mbYes, mbNoToAll, mbNo, mbCancel}),
              mrNoToAll);
    EXPECT_EQ(box.MessageDlg("Proceed?", TMsgDlgType::mtWarning, mbYesNo()), mrYes);
    box.MessageDlg2("Failed", "Custom caption", TMsgDlgType::mtError, {});

    ASSERT_EQ(script.Asked.size(), 3);
    const TMessageRequest& first = script.Asked[0];
    EXPECT_EQ(first.Kind, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(first.Caption, "Confirm");
    EXPECT_EQ(first.Text, "Overwrite?");
    EXPECT_EQ(first.Buttons, (TMsgDlgButtons{mbYes, mbNo, mbCancel, mbNoToAll, mbYesToAll}));
    // Shown in the box's fixed order, whatever order the caller listed them in.
    EXPECT_EQ(first.ButtonCaptions, (QStringList{"&Yes", "&No", "Cancel", "N&oToAll", "&YesToAll"}));
    EXPECT_EQ(script.Asked[1].Caption, "Warning");
    EXPECT_EQ(script.Asked[2].Caption, "Custom caption");
    // A box without buttons would have no way to be answered.
    EXPECT_EQ(script.Asked[2].Buttons, mbOKOnly());
    EXPECT_EQ(script.Unscripted, 1);
}

TEST_F(MessageBox, TextsComeFromTheActiveSkinList)
{
    TSkinTextList::Active().Lines = {"MSG_BTN_YES=&Oui", "msg_cap_information=Renseignement", "MSG_BTN_NO="};
    TScriptedMessages script;
    TbsSkinMessage box;
    box.MessageDlg("x", TMsgDlgType::mtInformation, {mbYes, mbNo, mbCancel});
    ASSERT_EQ(script.Asked.size(), 1);
    EXPECT_EQ(script.Asked[0].Caption, "Renseignement");
    // A name the list lacks falls back to English; one it holds empty stays empty.
    EXPECT_EQ(script.Asked[0].ButtonCaptions, (QStringList{"&Oui", "", "Cancel"}));
}

TEST(MessageBoxButtons, EscapeResultPrefersCancelThenNo)
{
    EXPECT_EQ(TbsSkinMessage::EscapeResult({mbYes, mbNo, mbCancel}), mrCancel);
    EXPECT_EQ(TbsSkinMessage::EscapeResult(mbYesNo()), mrNo);
    EXPECT_EQ(TbsSkinMessage::EscapeResult(mbOKOnly()), mrOk);
    EXPECT_EQ(TbsSkinMessage::EscapeResult({mbClose}), mrClose);
}

TEST(MessageBoxButtons, EveryButtonHasItsResult)
{
    const std::pair<TMsgDlgBtn, int> expected[] = {
        {mbYes, mrYes},     {mbNo, mrNo},         {mbOK, mrOk},           {mbCancel, mrCancel},
        {mbAbort, mrAbort}, {mbRetry, mrRetry},   {mbIgnore, mrIgnore},   {mbAll, mrAll},
        {mbNoToAll, mrNoToAll}, {mbYesToAll, mrYesToAll}, {mbHelp, mrHelp}, {mbClose, mrClose},
    };
    for (const auto& [button, result] : expected)
        EXPECT_EQ(TbsSkinMessage::ButtonResult(button), result) << button;
}

// The real box, driven as a user would: the timer acts once the box is up.
class RealMessageBox : public MessageBox {
protected:
    template <typename Act>
    void WhenShown(Act act)
    {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            act(dialog);
        });
    }
};

TEST_F(RealMessageBox, ClickedButtonIsTheAnswer)
{
    QString shownText;
    Qt::TextFormat format = Qt::AutoText;
    QStringList captions;
    WhenShown([&](QDialog* dialog) {
        auto* label = dialog->findChild<QLabel*>("labMessage");
        if (label) {
            shownText = label->text();
            format = label->textFormat();
        }
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            captions << b->text();
        if (auto* button = dialog->findChild<QPushButton*>("MSG_BTN_NOTOALL"))
            button->click();
    });
    TbsSkinMessage box;
    const int answer = box.MessageDlg("File '<b>a.stl</b>' exists", TMsgDlgType::mtConfirmation,
                                      {mbYes, mbNo, mbCancel, mbNoToAll, mbYesToAll});
    EXPECT_EQ(answer, mrNoToAll);
    EXPECT_EQ(shownText, "File '<b>a.stl</b>' exists");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(captions, (QStringList{"&Yes", "&No", "Cancel", "N&oToAll", "&YesToAll"}));
}

TEST_F(RealMessageBox, EscapeGivesTheEscapeResult)
{
    WhenShown([](QDialog* dialog) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog, &press);
    });
    TbsSkinMessage box;
    EXPECT_EQ(box.MessageDlg("Proceed?", TMsgDlgType::mtWarning, mbYesNo()), mrNo);
}

} // namespace
