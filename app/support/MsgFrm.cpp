#include "support/MsgFrm.h"

#include "localization/SpecStrings.h"
#include "localization/TarqStrings.h"

#include <QPushButton>

TMsgForm::TMsgForm(QWidget* AOwner, const TbsSkinData* FormSkinData, const TbsSkinData* CtrlSkinData,
                   const TbsSkinHint* SkinHint, const QString& AMessage)
    : TTarqMsgForm(AOwner, FormSkinData, CtrlSkinData, SkinHint, AMessage)
{
    setObjectName(QStringLiteral("MsgForm"));
    SetClientWidth(ClientWidth);
    setWindowTitle(SRepairSuccessTitle);
    SetMessage(AMessage);
    btnClose->setText(SCloseCaption);
}
