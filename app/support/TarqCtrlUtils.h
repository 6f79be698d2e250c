// Helpers for skinned windows and controls.
#pragma once

#include <QString>

class QCheckBox;
class TbsSkinData;

// Makes Target (a dialog's skin holder) follow Source (the main window's): the
// stored skin, the skin list with its index and the skin-text list, each when
// Source has one.
void AssignSkinData(const TbsSkinData* Source, TbsSkinData* Target);

// Width in pixels of Text in CheckBox's font; 0 without a check box.
int GetTextWidth(const QString& Text, const QCheckBox* CheckBox);
