// The message window: an information icon, an HTML message (bold text, line
// breaks, links) and a Close button, as tall as its text needs.
#pragma once

#include "platform/MessageBox.h"
#include "platform/SkinData.h"

#include <QDialog>

class QAction;
class QLabel;
class QPushButton;

class TTarqMsgForm : public QDialog {
    Q_OBJECT
public:
    // The skin holders take the skins and texts of FormSkinData and
    // CtrlSkinData; SkinHint styles the hints. Each may be null. The message
    // itself is the derived window's to show.
    TTarqMsgForm(QWidget* AOwner, const TbsSkinData* FormSkinData, const TbsSkinData* CtrlSkinData,
                 const TbsSkinHint* SkinHint, const QString& AMessage);

    QLabel* imgIcon;
    QLabel* labMsg;
    QPushButton* btnClose;
    TbsSkinMessage bsSkinMessage;
    QAction* HelpContents;

    static constexpr int MessageWidth = 546;
    static constexpr int DefaultClientWidth = 637;

    // Puts Html into labMsg; links show bold and underlined.
    void SetMessage(const QString& Html);

    // Places the Close button below the message and sizes the window:
    // outer height = message height + Close height + 80.
    void FormShow();
    // Opens HRef with the desktop; the window stays open.
    void labMsgLinkClick(const QString& HRef);
    // Opens the application's help file; true: the request is handled.
    bool FormHelp();

    void reject() override;

protected:
    void SetClientWidth(int width);
    void showEvent(QShowEvent* event) override;

    TbsSkinData bsSkinData;
    TbsSkinData bsCtrlSkinData;
    TbsSkinHint bsSkinHint;

private:
    void CenterOnOwner();
};
