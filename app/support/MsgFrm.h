// The window that reports a successful repair of one file.
#pragma once

#include "support/TarqMgfm.h"

class TMsgForm : public TTarqMsgForm {
    Q_OBJECT
public:
    TMsgForm(QWidget* AOwner, const TbsSkinData* FormSkinData, const TbsSkinData* CtrlSkinData,
             const TbsSkinHint* SkinHint, const QString& AMessage);

    static constexpr int ClientWidth = 641;
};
