// Skin holders. A skin is a Qt style sheet; a window's skin holder points at
// the skin, the skin list and the skin-text list it shares with the main
// window, so that dialogs follow the main window's look and texts.
#pragma once

#include <QString>
#include <QVector>

class QWidget;
class TSkinTextList;

class TbsCompressedStoredSkin {
public:
    QString StyleSheet;

    bool Empty() const { return StyleSheet.isEmpty(); }
};

class TbsCompressedSkinList {
public:
    QVector<TbsCompressedStoredSkin> Skins;
};

class TbsSkinData {
public:
    TbsCompressedStoredSkin* CompressedStoredSkin = nullptr;
    TbsCompressedSkinList* CompressedSkinList = nullptr;
    int SkinIndex = 0;
    TSkinTextList* ResourceStrData = nullptr;

    // The skin in effect: the stored skin, else the list's skin at SkinIndex,
    // else none.
    QString StyleSheet() const;
};

// The look of a window's hints (tool tips).
class TbsSkinHint {
public:
    QString StyleSheet;
};

// Gives widget the skins of its form and control holders (either may be null).
void ApplySkin(QWidget* widget, const TbsSkinData* formSkin, const TbsSkinData* ctrlSkin,
               const TbsSkinHint* hint = nullptr);
