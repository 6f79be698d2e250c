#include "mainwindow/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <array>
#include <cmath>

namespace {

// The mark: a hexagon cut into six triangles, one of them lifted out and put
// back, the picture of a mesh being mended.
void PaintMark(QPainter& p, const QPointF& centre, double radius, const QColor& line, const QColor& fill,
               const QColor& mended)
{
    std::array<QPointF, 6> corner;
    for (int i = 0; i < 6; ++i) {
        const double angle = M_PI / 180.0 * (60.0 * i - 90.0);
        corner[i] = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 6; ++i) {
        QPainterPath tri;
        tri.moveTo(centre);
        tri.lineTo(corner[i]);
        tri.lineTo(corner[(i + 1) % 6]);
        tri.closeSubpath();
        QColor c = i == 1 ? mended : fill;
        if (i != 1)
            c.setAlphaF(0.35 + 0.1 * (i % 3));
        p.fillPath(tri, c);
    }
    QPen pen(line, std::max(1.0, radius / 11.0));
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.drawLine(centre, corner[i]);
        p.drawLine(corner[i], corner[(i + 1) % 6]);
    }
}

} // namespace

void PaintHeaderBackground(QPainter& Painter, const QRect& Rect)
{
    QLinearGradient band(Rect.topLeft(), Rect.bottomRight());
    band.setColorAt(0.0, Palette::HeaderTop);
    band.setColorAt(1.0, Palette::HeaderBottom);
    Painter.fillRect(Rect, band);
    // A faint mesh of lines across the right half gives the band some depth.
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    QColor line(255, 255, 255, 18);
    Painter.setPen(QPen(line, 1));
    const int step = 36;
    for (int x = Rect.width() / 3; x < Rect.right() + Rect.height(); x += step) {
        Painter.drawLine(QPointF(x, Rect.top()), QPointF(x - Rect.height(), Rect.bottom()));
        Painter.drawLine(QPointF(x, Rect.top()), QPointF(x + Rect.height(), Rect.bottom()));
    }
    Painter.restore();
}

QPixmap PaintBanner(const QSize& Size)
{
    QPixmap pixmap(Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const double radius = Size.height() * 0.32;
    PaintMark(p, QPointF(20 + radius, Size.height() / 2.0), radius, QColor(255, 255, 255, 230),
              Palette::AccentLight, Palette::Success.lighter(130));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(int(Size.height() * 0.36));
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 102);
    p.setFont(title);
    p.setPen(Qt::white);
    const int textLeft = int(20 + 2 * radius + 14);
    p.drawText(QRect(textLeft, 0, Size.width() - textLeft, Size.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Meshwright"));
    return pixmap;
}

QPixmap PaintProgramIcon(int Size)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, Size, Size);
    tile.setColorAt(0.0, Palette::Accent.lighter(115));
    tile.setColorAt(1.0, Palette::HeaderTop);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(1, 1, Size - 2, Size - 2), Size * 0.2, Size * 0.2);
    p.fillPath(rounded, tile);
    PaintMark(p, QPointF(Size / 2.0, Size / 2.0), Size * 0.34, QColor(255, 255, 255, 235), Palette::AccentLight,
              Palette::Success.lighter(125));
    return pixmap;
}

QPixmap PaintMakerLogo(const QSize& Size)
{
    QPixmap pixmap(Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const double radius = Size.height() * 0.36;
    PaintMark(p, QPointF(radius + 2, Size.height() / 2.0), radius, Palette::Accent, Palette::Accent.lighter(150),
              Palette::Success);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(Size.height() * 0.4));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Palette::HeaderTop);
    const int left = int(2 * radius + 10);
    p.drawText(QRect(left, 0, Size.width() - left, Size.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("meshwright"));
    return pixmap;
}

QIcon PaintGlyph(TGlyph Glyph, const QColor& Color, int Size)
{
    QPixmap pixmap(Size * 2, Size * 2);  // drawn at twice the size for smooth edges
    pixmap.setDevicePixelRatio(2.0);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = Size;
    QPen pen(Color, s / 9.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (Glyph) {
    case TGlyph::Repair: {
        // A wrench.
        QPainterPath path;
        path.moveTo(s * 0.22, s * 0.78);
        path.lineTo(s * 0.58, s * 0.42);
        p.drawPath(path);
        p.drawEllipse(QPointF(s * 0.66, s * 0.34), s * 0.17, s * 0.17);
        break;
    }
    case TGlyph::Batch:
        // Three stacked sheets.
        p.drawRoundedRect(QRectF(s * 0.28, s * 0.16, s * 0.52, s * 0.44), 1.5, 1.5);
        p.drawLine(QPointF(s * 0.2, s * 0.3), QPointF(s * 0.2, s * 0.7));
        p.drawLine(QPointF(s * 0.2, s * 0.7), QPointF(s * 0.66, s * 0.7));
        p.drawLine(QPointF(s * 0.12, s * 0.42), QPointF(s * 0.12, s * 0.84));
        p.drawLine(QPointF(s * 0.12, s * 0.84), QPointF(s * 0.54, s * 0.84));
        break;
    case TGlyph::Options: {
        // A gear: a ring with eight teeth.
        for (int i = 0; i < 8; ++i) {
            const double a = M_PI / 4 * i;
            p.drawLine(QPointF(s / 2 + std::cos(a) * s * 0.26, s / 2 + std::sin(a) * s * 0.26),
                       QPointF(s / 2 + std::cos(a) * s * 0.4, s / 2 + std::sin(a) * s * 0.4));
        }
        p.drawEllipse(QPointF(s / 2, s / 2), s * 0.24, s * 0.24);
        p.drawEllipse(QPointF(s / 2, s / 2), s * 0.07, s * 0.07);
        break;
    }
    case TGlyph::About:
        p.drawEllipse(QPointF(s / 2, s / 2), s * 0.38, s * 0.38);
        p.drawLine(QPointF(s / 2, s * 0.46), QPointF(s / 2, s * 0.7));
        p.setBrush(Color);
        p.drawPoint(QPointF(s / 2, s * 0.31));
        break;
    case TGlyph::Search:
        p.drawEllipse(QPointF(s * 0.42, s * 0.42), s * 0.24, s * 0.24);
        p.drawLine(QPointF(s * 0.6, s * 0.6), QPointF(s * 0.84, s * 0.84));
        break;
    case TGlyph::Help: {
        p.drawEllipse(QPointF(s / 2, s / 2), s * 0.4, s * 0.4);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(int(s * 0.56));
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, s, s * 1.02), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case TGlyph::Follow:
        // Three joined dots: share and follow.
        p.drawLine(QPointF(s * 0.3, s * 0.5), QPointF(s * 0.7, s * 0.26));
        p.drawLine(QPointF(s * 0.3, s * 0.5), QPointF(s * 0.7, s * 0.74));
        p.setBrush(Color);
        p.drawEllipse(QPointF(s * 0.28, s * 0.5), s * 0.12, s * 0.12);
        p.drawEllipse(QPointF(s * 0.72, s * 0.25), s * 0.12, s * 0.12);
        p.drawEllipse(QPointF(s * 0.72, s * 0.75), s * 0.12, s * 0.12);
        break;
    case TGlyph::Feedback: {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(s * 0.12, s * 0.16, s * 0.76, s * 0.52), s * 0.14, s * 0.14);
        p.drawPath(bubble);
        p.drawLine(QPointF(s * 0.34, s * 0.68), QPointF(s * 0.26, s * 0.86));
        p.drawLine(QPointF(s * 0.26, s * 0.86), QPointF(s * 0.5, s * 0.68));
        break;
    }
    case TGlyph::Folder: {
        QPainterPath folder;
        folder.moveTo(s * 0.12, s * 0.3);
        folder.lineTo(s * 0.4, s * 0.3);
        folder.lineTo(s * 0.48, s * 0.4);
        folder.lineTo(s * 0.88, s * 0.4);
        folder.lineTo(s * 0.88, s * 0.8);
        folder.lineTo(s * 0.12, s * 0.8);
        folder.closeSubpath();
        p.drawPath(folder);
        break;
    }
    }
    p.end();
    return QIcon(pixmap);
}
