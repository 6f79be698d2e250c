#include "platform/MessageBox.h"

#include "platform/SkinData.h"
#include "platform/SkinTextList.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

TMessageAnswerer& Answerer()
{
    static TMessageAnswerer answerer;
    return answerer;
}

struct TButtonInfo {
    const char* Name;     // name in the skin-text list
    const char16_t* English;
    int Result;
};

const TButtonInfo& Info(TMsgDlgBtn button)
{
    static const TButtonInfo table[] = {
        {"MSG_BTN_YES", u"&Yes", mrYes},
        {"MSG_BTN_NO", u"&No", mrNo},
        {"MSG_BTN_OK", u"OK", mrOk},
        {"MSG_BTN_CANCEL", u"Cancel", mrCancel},
        {"MSG_BTN_ABORT", u"&Abort", mrAbort},
        {"MSG_BTN_RETRY", u"&Retry", mrRetry},
        {"MSG_BTN_IGNORE", u"&Ignore", mrIgnore},
        {"MSG_BTN_ALL", u"&All", mrAll},
        {"MSG_BTN_NOTOALL", u"N&oToAll", mrNoToAll},
        {"MSG_BTN_YESTOALL", u"&YesToAll", mrYesToAll},
        {"MSG_BTN_HELP", u"&Help", mrHelp},
        {"MSG_BTN_CLOSE", u"Close", mrClose},
    };
    return table[static_cast<int>(button)];
}

class TMessageDialog : public QDialog {
public:
    TMessageDialog(const TMessageRequest& request, QWidget* parent)
        : QDialog(parent), FEscapeResult(TbsSkinMessage::EscapeResult(request.Buttons))
    {
        setWindowTitle(request.Caption);
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
                       & ~Qt::WindowContextHelpButtonHint);

        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("imgIcon"));
        QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxInformation;
        switch (request.Kind) {
        case TMsgDlgType::mtWarning: pixmap = QStyle::SP_MessageBoxWarning; break;
        case TMsgDlgType::mtError: pixmap = QStyle::SP_MessageBoxCritical; break;
        case TMsgDlgType::mtConfirmation: pixmap = QStyle::SP_MessageBoxQuestion; break;
        case TMsgDlgType::mtInformation:
        case TMsgDlgType::mtCustom: break;
        }
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(pixmap, nullptr, this).pixmap(size, size));
        if (request.Kind == TMsgDlgType::mtCustom)
            icon->hide();

        // Texts carry file names, which must show as they are, never as markup.
        auto* text = new QLabel(request.Text, this);
        text->setObjectName(QStringLiteral("labMessage"));
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        text->setMinimumWidth(240);
        text->setMaximumWidth(520);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);

        auto* top = new QHBoxLayout;
        top->addWidget(icon, 0, Qt::AlignTop);
        top->addWidget(text, 1);

        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        const QVector<TMsgDlgBtn> order = request.Buttons.InOrder();
        for (qsizetype k = 0; k < order.size(); ++k) {
            const TMsgDlgBtn b = order[k];
            auto* button = new QPushButton(request.ButtonCaptions.value(k), this);
            button->setObjectName(QString::fromLatin1(Info(b).Name));
            const int result = TbsSkinMessage::ButtonResult(b);
            connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
            if (k == 0) {
                button->setDefault(true);
                button->setFocus();
            }
            buttons->addWidget(button);
        }
        buttons->addStretch(1);

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addSpacing(8);
        layout->addLayout(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    void reject() override { done(FEscapeResult); }

private:
    int FEscapeResult;
};

} // namespace

QVector<TMsgDlgBtn> TMsgDlgButtons::InOrder() const
{
    QVector<TMsgDlgBtn> order;
    for (int b = mbYes; b <= mbClose; ++b)
        if (Contains(static_cast<TMsgDlgBtn>(b)))
            order.push_back(static_cast<TMsgDlgBtn>(b));
    return order;
}

QString TbsSkinMessage::KindCaption(TMsgDlgType kind)
{
    const TSkinTextList& texts = TSkinTextList::Active();
    switch (kind) {
    case TMsgDlgType::mtWarning:
        return texts.Value(QStringLiteral("MSG_CAP_WARNING"), QStringLiteral("Warning"));
    case TMsgDlgType::mtError:
        return texts.Value(QStringLiteral("MSG_CAP_ERROR"), QStringLiteral("Error"));
    case TMsgDlgType::mtInformation:
        return texts.Value(QStringLiteral("MSG_CAP_INFORMATION"), QStringLiteral("Information"));
    case TMsgDlgType::mtConfirmation:
        return texts.Value(QStringLiteral("MSG_CAP_CONFIRM"), QStringLiteral("Confirm"));
    case TMsgDlgType::mtCustom:
        break;
    }
    return QApplication::applicationDisplayName();
}

QString TbsSkinMessage::ButtonCaption(TMsgDlgBtn button)
{
    const TButtonInfo& info = Info(button);
    return TSkinTextList::Active().Value(QString::fromLatin1(info.Name), QString::fromUtf16(info.English));
}

int TbsSkinMessage::ButtonResult(TMsgDlgBtn button)
{
    return Info(button).Result;
}

int TbsSkinMessage::EscapeResult(TMsgDlgButtons buttons)
{
    if (buttons.Contains(mbCancel))
        return mrCancel;
    if (buttons.Contains(mbNo))
        return mrNo;
    if (buttons.Contains(mbOK))
        return mrOk;
    if (buttons.Contains(mbClose))
        return mrClose;
    return mrCancel;
}

TMessageAnswerer TbsSkinMessage::SetAnswerer(TMessageAnswerer answerer)
{
    TMessageAnswerer previous = std::move(Answerer());
    Answerer() = std::move(answerer);
    return previous;
}

int TbsSkinMessage::MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) const
{
    return MessageDlg2(Msg, QString(), DlgType, Buttons);
}

int TbsSkinMessage::MessageDlg2(const QString& Msg, const QString& Cap, TMsgDlgType DlgType,
                                TMsgDlgButtons Buttons) const
{
    // A box without buttons could not be answered.
    if (Buttons.Empty())
        Buttons = mbOKOnly();
    TMessageRequest request;
    request.Kind = DlgType;
    request.Caption = Cap.isEmpty() ? KindCaption(DlgType) : Cap;
    request.Text = Msg;
    request.Buttons = Buttons;
    for (TMsgDlgBtn b : Buttons.InOrder())
        request.ButtonCaptions << ButtonCaption(b);
    request.Parent = FOwner;
    if (const TMessageAnswerer& answerer = Answerer())
        return answerer(request);
    return ShowDialog(request, SkinData, CtrlSkinData);
}

void TbsSkinMessage::ShowMessage(const QString& Msg) const
{
    MessageDlg(Msg, TMsgDlgType::mtInformation, mbOKOnly());
}

int TbsSkinMessage::ShowDialog(const TMessageRequest& request, const TbsSkinData* skin, const TbsSkinData* ctrlSkin)
{
    TMessageDialog dialog(request, request.Parent);
    ApplySkin(&dialog, skin, ctrlSkin);
    return dialog.exec();
}
