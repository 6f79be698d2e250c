#include "support/TarqMgfm.h"

#include "localization/TarqStrings.h"
#include "platform/Application.h"
#include "platform/ModalResult.h"
#include "platform/Shell.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int Margin = 16;
constexpr int IconSize = 32;
constexpr int MessageLeft = Margin + IconSize + Margin;
constexpr int CloseWidth = 132;
constexpr int CloseHeight = 30;

const QString LinkStyle = QStringLiteral("<style>a { font-weight: bold; text-decoration: underline; }</style>");

} // namespace

TTarqMsgForm::TTarqMsgForm(QWidget* AOwner, const TbsSkinData* FormSkinData, const TbsSkinData* CtrlSkinData,
                           const TbsSkinHint* SkinHint, const QString& AMessage)
    : QDialog(AOwner), bsSkinMessage(this)
{
    Q_UNUSED(AMessage);
    setObjectName(QStringLiteral("TarqMsgForm"));
    // A fixed dialog frame with a title but no title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    if (FormSkinData) {
        bsSkinData.CompressedStoredSkin = FormSkinData->CompressedStoredSkin;
        bsSkinData.ResourceStrData = FormSkinData->ResourceStrData;
    }
    if (CtrlSkinData) {
        bsCtrlSkinData.CompressedStoredSkin = CtrlSkinData->CompressedStoredSkin;
        bsCtrlSkinData.ResourceStrData = CtrlSkinData->ResourceStrData;
    }
    if (SkinHint)
        bsSkinHint = *SkinHint;
    bsSkinMessage.SkinData = &bsSkinData;
    bsSkinMessage.CtrlSkinData = &bsCtrlSkinData;
    ApplySkin(this, &bsSkinData, &bsCtrlSkinData, &bsSkinHint);

    setWindowTitle(MSG_CAP_INFORMATION);

    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setGeometry(Margin, Margin, IconSize, IconSize);
    imgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(IconSize, IconSize));

    labMsg = new QLabel(this);
    labMsg->setObjectName(QStringLiteral("labMsg"));
    labMsg->setTextFormat(Qt::RichText);
    labMsg->setWordWrap(true);
    labMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labMsg->setOpenExternalLinks(false);
    labMsg->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    labMsg->setGeometry(MessageLeft, Margin, MessageWidth, 0);
    connect(labMsg, &QLabel::linkActivated, this, &TTarqMsgForm::labMsgLinkClick);

    btnClose = new QPushButton(SCloseCaption, this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    btnClose->resize(CloseWidth, CloseHeight);
    connect(btnClose, &QPushButton::clicked, this, [this] { done(mrCancel); });

    HelpContents = new QAction(this);
    HelpContents->setObjectName(QStringLiteral("HelpContents"));
    HelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    HelpContents->setShortcutContext(Qt::WindowShortcut);
    addAction(HelpContents);
    connect(HelpContents, &QAction::triggered, this, [this] { FormHelp(); });

    SetClientWidth(DefaultClientWidth);
}

void TTarqMsgForm::SetClientWidth(int width)
{
    setFixedWidth(width);
    btnClose->move(MessageLeft + MessageWidth - CloseWidth, btnClose->y());
    resize(width, height());
}

void TTarqMsgForm::SetMessage(const QString& Html)
{
    labMsg->setText(LinkStyle + Html);
}

void TTarqMsgForm::FormShow()
{
    ensurePolished();
    const int messageHeight = labMsg->heightForWidth(MessageWidth);
    labMsg->setGeometry(MessageLeft, Margin, MessageWidth, std::max(messageHeight, 0));
    btnClose->setGeometry(btnClose->x(), labMsg->y() + labMsg->height() + 16, CloseWidth, CloseHeight);
    // The height is that of the whole window, title bar and frame included;
    // where the frame is not known yet (or there is none) it counts as zero.
    const int outerHeight = labMsg->height() + btnClose->height() + 80;
    const int frameExtra = std::max(0, frameGeometry().height() - geometry().height());
    const int clientHeight = std::max(outerHeight - frameExtra, btnClose->y() + btnClose->height() + 8);
    setFixedHeight(clientHeight);
    CenterOnOwner();
}

void TTarqMsgForm::CenterOnOwner()
{
    QWidget* owner = parentWidget();
    const QRect area = owner ? owner->frameGeometry() : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid())
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

void TTarqMsgForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TTarqMsgForm::labMsgLinkClick(const QString& HRef)
{
    ShellOpen(HRef, QStringLiteral("open"), this);
}

bool TTarqMsgForm::FormHelp()
{
    ShellOpen(ApplicationHelpFile(), QStringLiteral("open"), this);
    return true;
}

void TTarqMsgForm::reject()
{
    done(mrCancel);
}
