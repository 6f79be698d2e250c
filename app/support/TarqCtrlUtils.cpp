#include "support/TarqCtrlUtils.h"

#include "platform/SkinData.h"

#include <QCheckBox>
#include <QFontMetrics>

void AssignSkinData(const TbsSkinData* Source, TbsSkinData* Target)
{
    if (!Source || !Target)
        return;
    if (Source->CompressedStoredSkin && !Source->CompressedStoredSkin->Empty())
        Target->CompressedStoredSkin = Source->CompressedStoredSkin;
    if (Source->CompressedSkinList) {
        Target->CompressedSkinList = Source->CompressedSkinList;
        Target->SkinIndex = Source->SkinIndex;
    }
    if (Source->ResourceStrData)
        Target->ResourceStrData = Source->ResourceStrData;
}

int GetTextWidth(const QString& Text, const QCheckBox* CheckBox)
{
    if (!CheckBox)
        return 0;
    return QFontMetrics(CheckBox->font()).horizontalAdvance(Text);
}
