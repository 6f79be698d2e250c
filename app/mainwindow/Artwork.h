// The program's pictures, painted in code: banner, program icon, maker logo
// and the small glyphs of buttons.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

// Colours the pictures and the window's skin share.
namespace Palette {
inline const QColor HeaderTop(0x0b, 0x3a, 0x5c);
inline const QColor HeaderBottom(0x16, 0x5f, 0x8f);
inline const QColor Accent(0x1c, 0x7c, 0xc4);
inline const QColor AccentLight(0x7f, 0xd3, 0xf5);
inline const QColor Page(0xff, 0xff, 0xff);
inline const QColor Sidebar(0xf1, 0xf4, 0xf8);
inline const QColor Footer(0xf1, 0xf4, 0xf8);
inline const QColor Text(0x1f, 0x2a, 0x37);
inline const QColor Muted(0x5b, 0x67, 0x76);
inline const QColor Success(0x2e, 0x9d, 0x5a);
} // namespace Palette

// The header's background band.
void PaintHeaderBackground(class QPainter& Painter, const class QRect& Rect);

// Product mark and name on a transparent background, for the header.
QPixmap PaintBanner(const QSize& Size);
// The program icon: a mended triangle mesh on a rounded tile.
QPixmap PaintProgramIcon(int Size);
// The maker's logo for the About page.
QPixmap PaintMakerLogo(const QSize& Size);

enum class TGlyph { Repair, Batch, Options, About, Search, Help, Follow, Feedback, Folder };
QIcon PaintGlyph(TGlyph Glyph, const QColor& Color, int Size = 16);
