// Drawing helpers shared by the pictures: the palette, hard-edged shapes on the magenta
// ground that the skin and the badge make transparent, and the Kestrune medallion.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <functional>

namespace pictures {

// The colour a skinned window or a badge treats as "not there".
inline const QColor kMagenta(255, 0, 255);

namespace palette {
inline const QColor kForestTop(16, 84, 46);
inline const QColor kForestBottom(6, 48, 26);
inline const QColor kRim(2, 22, 11);
inline const QColor kBevel(70, 150, 95);
inline const QColor kMintTop(240, 249, 235);
inline const QColor kMintBottom(214, 238, 205);
inline const QColor kCream(247, 243, 222);
inline const QColor kGold(242, 190, 78);
inline const QColor kGoldDark(176, 120, 30);
inline const QColor kLeaf(0, 204, 0);  // the skinned window's own colour
}  // namespace palette

// An opaque picture: inside shape the art that paint draws (antialiased, on a solid ground),
// outside exactly magenta. The shape's edge is hard, pixel for pixel, because the window mask
// takes only the exact colour as outside; no inside pixel is left exactly magenta.
QImage ComposeOnMagenta(QSize size, const QPainterPath& shape,
                        const std::function<void(QPainter&)>& paint);

// Flattens art with alpha onto magenta for a picture whose one transparent colour is
// magenta: pixels at least half covered are blended over ground (the colour the picture
// will sit on), the rest become magenta.
QImage FlattenOnMagenta(const QImage& art, const QColor& ground);

// The round Kestrune emblem: gold ring, forest disc, a "K" rune with a kestrel's wing.
void DrawMedallion(QPainter& p, QPointF centre, double radius);

// A fresh transparent ARGB image.
QImage Transparent(QSize size);

}  // namespace pictures
