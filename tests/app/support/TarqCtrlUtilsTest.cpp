#include "support/TarqCtrlUtils.h"

#include "platform/SkinData.h"
#include "platform/SkinTextList.h"

#include "../platform/QtPrinters.h"

#include <gtest/gtest.h>

#include <QCheckBox>

namespace {

TEST(AssignSkinData, TargetFollowsWhatSourceHas)
{
    TbsCompressedStoredSkin mainSkin{"QWidget { color: red; }"};
    TbsCompressedSkinList list;
    list.Skins = {TbsCompressedStoredSkin{"a"}, TbsCompressedStoredSkin{"b"}};
    TSkinTextList texts;

    TbsSkinData source;
    source.CompressedStoredSkin = &mainSkin;
    source.CompressedSkinList = &list;
    source.SkinIndex = 1;
    source.ResourceStrData = &texts;
    TbsSkinData target;
    AssignSkinData(&source, &target);
    EXPECT_EQ(target.CompressedStoredSkin, &mainSkin);
    EXPECT_EQ(target.CompressedSkinList, &list);
    EXPECT_EQ(target.SkinIndex, 1);
    EXPECT_EQ(target.ResourceStrData, &texts);
    EXPECT_EQ(target.StyleSheet(), "QWidget { color: red; }");

    // What the source lacks, the target keeps.
    TbsCompressedStoredSkin ownSkin{"own"};
    TSkinTextList ownTexts;
    TbsSkinData bare;
    TbsSkinData keeps;
    keeps.CompressedStoredSkin = &ownSkin;
    keeps.ResourceStrData = &ownTexts;
    keeps.SkinIndex = 3;
    AssignSkinData(&bare, &keeps);
    EXPECT_EQ(keeps.CompressedStoredSkin, &ownSkin);
    EXPECT_EQ(keeps.ResourceStrData, &ownTexts);
    EXPECT_EQ(keeps.SkinIndex, 3);
    AssignSkinData(nullptr, &keeps);
    AssignSkinData(&source, nullptr);
}

TEST(SkinData, ListSkinAppliesWithoutStoredSkin)
{
    TbsCompressedSkinList list;
    list.Skins = {TbsCompressedStoredSkin{"a"}, TbsCompressedStoredSkin{"b"}};
    TbsSkinData data;
    data.CompressedSkinList = &list;
    data.SkinIndex = 1;
    EXPECT_EQ(data.StyleSheet(), "b");
    data.SkinIndex = 5;
    EXPECT_EQ(data.StyleSheet(), "");
}

TEST(GetTextWidth, MeasuresInTheCheckBoxFont)
{
    QCheckBox box;
    QFont font = box.font();
    font.setPixelSize(11);
    box.setFont(font);
    const int shortWidth = GetTextWidth("Hidden", &box);
    const int longWidth = GetTextWidth("Hidden and more", &box);
    EXPECT_GT(shortWidth, 0);
    EXPECT_GT(longWidth, shortWidth);
    font.setPixelSize(22);
    box.setFont(font);
    EXPECT_GT(GetTextWidth("Hidden", &box), shortWidth);
    EXPECT_EQ(GetTextWidth("", &box), 0);
    EXPECT_EQ(GetTextWidth("Hidden", nullptr), 0);
}

} // namespace
