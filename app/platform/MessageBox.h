// The one message box every window of the program asks its questions with.
// Captions of the box and of its buttons come from the active skin-text list,
// so they follow the current language. The answerer that shows the box can be
// replaced: tests script the answers and read back every box that was asked.
#pragma once

#include "platform/ModalResult.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <functional>
#include <initializer_list>

class QWidget;
class TbsSkinData;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// In the order the buttons appear in a box.
enum TMsgDlgBtn : int {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose,
};

class TMsgDlgButtons {
public:
    TMsgDlgButtons() = default;
    TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
    {
        for (TMsgDlgBtn b : buttons)
            FBits |= Bit(b);
    }

    bool Contains(TMsgDlgBtn b) const { return (FBits & Bit(b)) != 0; }
    bool Empty() const { return FBits == 0; }
    // The buttons in the order of the box.
    QVector<TMsgDlgBtn> InOrder() const;

    bool operator==(const TMsgDlgButtons&) const = default;

private:
    static uint32_t Bit(TMsgDlgBtn b) { return uint32_t(1) << static_cast<int>(b); }
    uint32_t FBits = 0;
};

// What a box asks: the kind, the caption and text shown, the buttons and their
// captions in the order shown.
struct TMessageRequest {
    TMsgDlgType Kind = TMsgDlgType::mtInformation;
    QString Caption;
    QString Text;
    TMsgDlgButtons Buttons;
    QStringList ButtonCaptions;
    QWidget* Parent = nullptr;
};

// Returns the modal result of the button pressed (mrYes, mrNoToAll, ...).
using TMessageAnswerer = std::function<int(const TMessageRequest&)>;

class TbsSkinMessage {
public:
    explicit TbsSkinMessage(QWidget* owner = nullptr) : FOwner(owner) {}

    // The box's frame and controls take these skins when it is shown.
    TbsSkinData* SkinData = nullptr;
    TbsSkinData* CtrlSkinData = nullptr;

    // Caption from the kind.
    int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) const;
    // A caption of the caller's; an empty one falls back to the kind's.
    int MessageDlg2(const QString& Msg, const QString& Cap, TMsgDlgType DlgType, TMsgDlgButtons Buttons) const;
    // An information box with OK.
    void ShowMessage(const QString& Msg) const;

    QWidget* Owner() const { return FOwner; }

    static QString KindCaption(TMsgDlgType kind);
    static QString ButtonCaption(TMsgDlgBtn button);
    // The modal result a button gives.
    static int ButtonResult(TMsgDlgBtn button);
    // The answer of a box closed without a button (Escape, the window's close).
    static int EscapeResult(TMsgDlgButtons buttons);

    // Installs answerer (an empty one restores the real box); returns the previous one.
    static TMessageAnswerer SetAnswerer(TMessageAnswerer answerer);
    // The real box: a small dialog, shown modally.
    static int ShowDialog(const TMessageRequest& request, const TbsSkinData* skin, const TbsSkinData* ctrlSkin);

private:
    QWidget* FOwner;
};

// Common button sets.
inline TMsgDlgButtons mbYesNo() { return {mbYes, mbNo}; }
inline TMsgDlgButtons mbYesNoCancel() { return {mbYes, mbNo, mbCancel}; }
inline TMsgDlgButtons mbOKCancel() { return {mbOK, mbCancel}; }
inline TMsgDlgButtons mbOKOnly() { return {mbOK}; }
