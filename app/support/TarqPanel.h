// The panel of pages, header, footer and progress areas: bevels, border,
// a one-line caption, and optionally no background of its own, so that the
// parent's picture shows through.
#pragma once

#include <QColor>
#include <QWidget>

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TTarqPanel : public QWidget {
    Q_OBJECT
public:
    explicit TTarqPanel(QWidget* AOwner = nullptr);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter (the default).
    Qt::Alignment Alignment() const { return FAlignment; }
    void SetAlignment(Qt::Alignment Value);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    // The panel colour; invalid means the palette's window colour.
    QColor Color() const;
    void SetColor(const QColor& Value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Changed();

    bool FTransparent = false;
    QString FCaption;
    Qt::Alignment FAlignment = Qt::AlignHCenter;
    TPanelBevel FBevelOuter = TPanelBevel::bvRaised;
    TPanelBevel FBevelInner = TPanelBevel::bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    QColor FColor;
};
