#include "support/TarqPanel.h"

#include "../platform/QtPrinters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>

namespace {

class PaintCounter : public QObject {
public:
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

class TarqPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        FParent.resize(200, 100);
        QPalette palette = FParent.palette();
        palette.setColor(QPalette::Window, Qt::red);
        FParent.setPalette(palette);
        FParent.setAutoFillBackground(true);
        FPanel = new TTarqPanel(&FParent);
        FPanel->setGeometry(20, 20, 120, 50);
        FPanel->SetColor(Qt::blue);
        FPanel->SetBevelOuter(TPanelBevel::bvNone);
        FChild = new QWidget(FPanel);
        FChild->setGeometry(100, 0, 10, 10);
    }

    QImage ParentImage() { return FParent.grab().toImage(); }
    QImage PanelImage() { return FPanel->grab().toImage(); }

    QWidget FParent;
    TTarqPanel* FPanel = nullptr;
    QWidget* FChild = nullptr;
};

TEST_F(TarqPanel, OpaqueFillsItsColourTransparentShowsTheParent)
{
    EXPECT_FALSE(FPanel->Transparent());
    EXPECT_EQ(ParentImage().pixelColor(60, 40), QColor(Qt::blue));
    FPanel->SetTransparent(true);
    EXPECT_EQ(ParentImage().pixelColor(60, 40), QColor(Qt::red));
    FPanel->SetTransparent(false);
    EXPECT_EQ(ParentImage().pixelColor(60, 40), QColor(Qt::blue));
}

TEST_F(TarqPanel, TransparentOnTransparentShowsTheGrandparent)
{
    auto* inner = new TTarqPanel(FPanel);
    inner->setGeometry(10, 10, 40, 20);
    inner->SetBevelOuter(TPanelBevel::bvNone);
    inner->SetTransparent(true);
    EXPECT_EQ(ParentImage().pixelColor(20 + 20, 20 + 15), QColor(Qt::blue));
    FPanel->SetTransparent(true);
    EXPECT_EQ(ParentImage().pixelColor(20 + 20, 20 + 15), QColor(Qt::red));
}

TEST_F(TarqPanel, SwitchRepaintsPanelAndChildrenOnlyWhenItChanges)
{
    FParent.show();
    Settle();
    PaintCounter panelPaints, childPaints, parentPaints;
    FPanel->installEventFilter(&panelPaints);
    FChild->installEventFilter(&childPaints);
    FParent.installEventFilter(&parentPaints);

    FPanel->SetTransparent(false);
    Settle();
    EXPECT_EQ(panelPaints.Paints, 0);
    EXPECT_EQ(childPaints.Paints, 0);

    FPanel->SetTransparent(true);
    Settle();
    EXPECT_GE(panelPaints.Paints, 1);
    EXPECT_GE(childPaints.Paints, 1);

    // Once shown, nothing keeps asking for repaints: no loop between panel and parent.
    panelPaints.Paints = childPaints.Paints = parentPaints.Paints = 0;
    Settle();
    EXPECT_EQ(panelPaints.Paints, 0);
    EXPECT_EQ(parentPaints.Paints, 0);
    FParent.hide();
}

TEST_F(TarqPanel, BevelsUseHighlightAndShadow)
{
    const QRgb light = FPanel->palette().color(QPalette::Light).rgb();
    const QRgb dark = FPanel->palette().color(QPalette::Dark).rgb();
    const QRgb blue = QColor(Qt::blue).rgb();
    ASSERT_NE(light, dark);
    FPanel->SetBevelOuter(TPanelBevel::bvRaised);
    QImage image = PanelImage();
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(0, 25), light);
    EXPECT_EQ(image.pixel(119, 49), dark);
    EXPECT_EQ(image.pixel(60, 49), dark);
    EXPECT_EQ(image.pixel(60, 25), blue);

    FPanel->SetBevelOuter(TPanelBevel::bvLowered);
    FPanel->SetBevelWidth(2);
    FPanel->SetBorderWidth(3);
    FPanel->SetBevelInner(TPanelBevel::bvRaised);
    image = PanelImage();
    EXPECT_EQ(image.pixel(1, 1), dark);
    EXPECT_EQ(image.pixel(118, 48), light);
    // The border in the panel colour, then the inner bevel.
    EXPECT_EQ(image.pixel(4, 25), blue);
    EXPECT_EQ(image.pixel(5, 25), light);
    EXPECT_EQ(image.pixel(6, 25), light);
    EXPECT_EQ(image.pixel(113, 25), dark);
}

// The box around the pixels that are neither panel nor bevel.
QRect CaptionBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).blue() < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(TarqPanel, CaptionIsCentredInAOneLineBand)
{
    QFont font = FPanel->font();
    font.setPixelSize(16);
    FPanel->setFont(font);
    QPalette palette = FPanel->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    FPanel->setPalette(palette);
    FPanel->SetColor(QColor(200, 200, 255));
    FPanel->SetCaption("WW");

    const QRect centred = CaptionBox(PanelImage());
    ASSERT_TRUE(centred.isValid());
    EXPECT_NEAR(centred.center().x(), 60, 3);
    EXPECT_NEAR(centred.center().y(), 25, 6);

    FPanel->SetAlignment(Qt::AlignLeft);
    const QRect left = CaptionBox(PanelImage());
    EXPECT_LT(left.left(), 5);

    FPanel->SetAlignment(Qt::AlignRight);
    EXPECT_GT(CaptionBox(PanelImage()).right(), 114);

    // Right-to-left reading turns the sides round.
    FPanel->SetAlignment(Qt::AlignLeft);
    FPanel->setLayoutDirection(Qt::RightToLeft);
    EXPECT_GT(CaptionBox(PanelImage()).right(), 114);
}

TEST_F(TarqPanel, TransparentPanelStillDrawsItsCaption)
{
    QPalette palette = FPanel->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    FPanel->setPalette(palette);
    FPanel->SetCaption("WW");
    FPanel->SetTransparent(true);
    const QImage image = ParentImage();
    int black = 0;
    for (int x = 20; x < 140; ++x)
        for (int y = 20; y < 70; ++y)
            if (image.pixelColor(x, y).red() < 128)
                ++black;
    EXPECT_GT(black, 0);
    EXPECT_EQ(image.pixelColor(25, 25), QColor(Qt::red));
}

} // namespace
