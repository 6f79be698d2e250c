#include "support/TarqPanel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// A frame of the given width, top-left in one colour and bottom-right in the
// other; rect shrinks by the width.
void Frame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight, int width)
{
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

void Bevel(QPainter& painter, QRect& rect, TPanelBevel bevel, int width, const QPalette& palette)
{
    if (bevel == TPanelBevel::bvNone)
        return;
    const QColor highlight = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Dark);
    if (bevel == TPanelBevel::bvRaised)
        Frame3D(painter, rect, highlight, shadow, width);
    else
        Frame3D(painter, rect, shadow, highlight, width);
}

} // namespace

TTarqPanel::TTarqPanel(QWidget* AOwner) : QWidget(AOwner)
{
    // The panel paints its own background; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setAutoFillBackground(false);
}

void TTarqPanel::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    // Without the opaque flag Qt paints the parent below the panel first; that
    // is what shows through, and no repaint of the parent is ever asked for.
    setAttribute(Qt::WA_OpaquePaintEvent, !Value);
    update();
    for (QObject* child : children())
        if (auto* widget = qobject_cast<QWidget*>(child))
            widget->update();
}

void TTarqPanel::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    Changed();
}

void TTarqPanel::SetAlignment(Qt::Alignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Changed();
}

void TTarqPanel::SetBevelOuter(TPanelBevel Value)
{
    if (Value == FBevelOuter)
        return;
    FBevelOuter = Value;
    Changed();
}

void TTarqPanel::SetBevelInner(TPanelBevel Value)
{
    if (Value == FBevelInner)
        return;
    FBevelInner = Value;
    Changed();
}

void TTarqPanel::SetBevelWidth(int Value)
{
    Value = std::max(Value, 1);
    if (Value == FBevelWidth)
        return;
    FBevelWidth = Value;
    Changed();
}

void TTarqPanel::SetBorderWidth(int Value)
{
    Value = std::max(Value, 0);
    if (Value == FBorderWidth)
        return;
    FBorderWidth = Value;
    Changed();
}

QColor TTarqPanel::Color() const
{
    return FColor.isValid() ? FColor : palette().color(QPalette::Window);
}

void TTarqPanel::SetColor(const QColor& Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Changed();
}

void TTarqPanel::Changed()
{
    update();
}

void TTarqPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect rect = this->rect();
    const QColor color = Color();
    Bevel(painter, rect, FBevelOuter, FBevelWidth, palette());
    Frame3D(painter, rect, color, color, FBorderWidth);
    Bevel(painter, rect, FBevelInner, FBevelWidth, palette());
    if (!FTransparent)
        painter.fillRect(rect, color);

    if (FCaption.isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int bandHeight = QFontMetrics(font()).height();
    // Integer division rounds toward zero, as the band's top must.
    const int bandTop = (rect.top() + rect.bottom() + 1 - bandHeight) / 2;
    const QRect band(rect.left(), bandTop, rect.width(), bandHeight);
    Qt::Alignment horizontal = FAlignment & Qt::AlignHorizontal_Mask;
    if (horizontal == 0)
        horizontal = Qt::AlignHCenter;
    // Left and right follow the reading direction, as right-to-left layouts expect.
    painter.setLayoutDirection(layoutDirection());
    painter.drawText(band, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs), FCaption);
}
