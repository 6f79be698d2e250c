#include "platform/SkinData.h"

#include <QWidget>

QString TbsSkinData::StyleSheet() const
{
    if (CompressedStoredSkin && !CompressedStoredSkin->Empty())
        return CompressedStoredSkin->StyleSheet;
    if (CompressedSkinList && SkinIndex >= 0 && SkinIndex < CompressedSkinList->Skins.size())
        return CompressedSkinList->Skins[SkinIndex].StyleSheet;
    return QString();
}

void ApplySkin(QWidget* widget, const TbsSkinData* formSkin, const TbsSkinData* ctrlSkin,
               const TbsSkinHint* hint)
{
    if (!widget)
        return;
    QStringList parts;
    if (formSkin)
        parts << formSkin->StyleSheet();
    if (ctrlSkin)
        parts << ctrlSkin->StyleSheet();
    if (hint)
        parts << hint->StyleSheet;
    parts.removeAll(QString());
    widget->setStyleSheet(parts.join(u'\n'));
}
