// Kestrune's pictures: the skin, the logo, the icon, the error badge and the folder button.
#include "KestrunePictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <vector>

#include "PictureKit.h"

namespace pictures {
namespace {

using namespace palette;

// The skinned window's outline. The three round buttons and the tab must lie under the click
// areas the window places at (420,40), (457,40), (494,40) (33 x 33 each) and (610,160)
// (30 x 130); the controls occupy x 20..600, y 108..445.
QPainterPath SkinOutline() {
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 88, 608, 386), 26, 26);
    QPainterPath header;
    header.addRoundedRect(QRectF(4, 14, 556, 120), 40, 40);
    QPainterPath tab;
    tab.addRoundedRect(QRectF(590, 160, 50, 130), 8, 8);

    // Rounded inside corners where the header and the tab meet the body.
    auto fillet = [](QRectF square, QPointF circleCentre) {
        QPainterPath piece;
        piece.addRect(square);
        QPainterPath cut;
        cut.addEllipse(circleCentre, square.width(), square.height());
        return piece.subtracted(cut);
    };
    QPainterPath shape = body.united(header).united(tab);
    shape = shape.united(fillet(QRectF(560, 72, 16, 16), QPointF(576, 72)));
    shape = shape.united(fillet(QRectF(612, 150, 10, 10), QPointF(622, 150)));
    shape = shape.united(fillet(QRectF(612, 290, 10, 10), QPointF(622, 300)));
    return shape.simplified();
}

QFont Font(const char* family, double pixelSize, int weight, double spacing = 0) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    if (spacing != 0) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    return font;
}

void DrawShadowedText(QPainter& p, QPointF at, const QString& text, const QColor& colour,
                      const QColor& shadow, double offset) {
    p.setPen(shadow);
    p.drawText(at + QPointF(offset, offset), text);
    p.setPen(colour);
    p.drawText(at, text);
}

void DrawRoundButton(QPainter& p, QRectF area, const QColor& light, const QColor& dark,
                     const std::function<void(QPainter&, QPointF)>& symbol) {
    const QPointF c = area.center();
    const double r = area.width() / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(0, 1.5), r, r);

    QRadialGradient face(c + QPointF(-r * 0.35, -r * 0.45), r * 1.5);
    face.setColorAt(0.0, light.lighter(125));
    face.setColorAt(0.55, light);
    face.setColorAt(1.0, dark);
    p.setPen(QPen(kRim, 1.6));
    p.setBrush(face);
    p.drawEllipse(c, r - 0.8, r - 0.8);

    // Gloss on the upper half.
    QLinearGradient gloss(c.x(), c.y() - r, c.x(), c.y());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(c.x() - r * 0.62, c.y() - r * 0.86, r * 1.24, r * 0.8));

    symbol(p, c);
}

QPen SymbolPen() {
    return QPen(QColor(255, 255, 255), 3.0, Qt::SolidLine, Qt::RoundCap);
}

void DrawHeader(QPainter& p) {
    // A soft glow behind the emblem and the name.
    QRadialGradient glow(QPointF(150, 40), 220);
    glow.setColorAt(0.0, QColor(80, 170, 100, 90));
    glow.setColorAt(1.0, QColor(80, 170, 100, 0));
    p.fillRect(QRectF(4, 14, 556, 90), glow);

    DrawMedallion(p, QPointF(52, 55), 31);

    p.setFont(Font("DejaVu Serif", 40, QFont::Bold, 1.0));
    DrawShadowedText(p, QPointF(96, 66), QStringLiteral("Kestrune"), kCream, QColor(0, 0, 0, 170),
                     2.0);
    p.setFont(Font("DejaVu Sans", 12, QFont::DemiBold, 2.2));
    p.setPen(kGold);
    p.drawText(QPointF(99, 87), QStringLiteral("MOD INSTALLER FOR YaBB FORUMS"));

    // The three window buttons sit in a groove.
    const QRectF groove(412, 34, 123, 45);
    p.setPen(QPen(QColor(255, 255, 255, 45), 1.2));
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(groove, 22.5, 22.5);

    const QColor green(54, 170, 84);
    const QColor greenDark(14, 92, 40);
    DrawRoundButton(p, QRectF(420, 40, 33, 33), green, greenDark, [](QPainter& q, QPointF c) {
        q.setPen(SymbolPen());
        q.drawLine(c + QPointF(-6.5, 1), c + QPointF(6.5, 1));
    });
    DrawRoundButton(p, QRectF(457, 40, 33, 33), green, greenDark, [](QPainter& q, QPointF c) {
        q.setPen(QColor(255, 255, 255));
        q.setFont(Font("DejaVu Sans", 21, QFont::Bold));
        q.drawText(QRectF(c.x() - 12, c.y() - 13, 24, 26), Qt::AlignCenter, QStringLiteral("?"));
    });
    DrawRoundButton(p, QRectF(494, 40, 33, 33), QColor(226, 88, 62), QColor(150, 34, 22),
                    [](QPainter& q, QPointF c) {
                        q.setPen(SymbolPen());
                        q.drawLine(c + QPointF(-5.5, -5.5), c + QPointF(5.5, 5.5));
                        q.drawLine(c + QPointF(-5.5, 5.5), c + QPointF(5.5, -5.5));
                    });
}

void DrawPanel(QPainter& p) {
    const QRectF panel(14, 98, 588, 356);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(panel.translated(0, 2.5), 16, 16);

    QLinearGradient mint(panel.topLeft(), panel.bottomLeft());
    mint.setColorAt(0.0, kMintTop);
    mint.setColorAt(1.0, kMintBottom);
    p.setPen(QPen(kRim, 1.5));
    p.setBrush(mint);
    p.drawRoundedRect(panel, 16, 16);

    // A thin light line just inside the top edge gives the panel some depth.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(1.5, 1.5, -1.5, -1.5), 14.5, 14.5);
}

void DrawTab(QPainter& p) {
    const QRectF tab(606, 160, 34, 130);
    QLinearGradient face(tab.topLeft(), tab.topRight());
    face.setColorAt(0.0, kForestTop.lighter(115));
    face.setColorAt(1.0, kForestTop.lighter(150));
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(tab, 8, 8);

    // A gold plus above the words, reading upwards like a book's spine.
    const QPointF plus(625, 178);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(plus, 7.5, 7.5);
    p.setPen(QPen(kForestBottom, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(plus + QPointF(-3.5, 0), plus + QPointF(3.5, 0));
    p.drawLine(plus + QPointF(0, -3.5), plus + QPointF(0, 3.5));

    p.save();
    p.translate(630, 236);
    p.rotate(-90);
    p.setFont(Font("DejaVu Sans", 11, QFont::Bold, 1.6));
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(QRectF(-48 + 1, -9 + 1, 96, 18), Qt::AlignCenter, QStringLiteral("MORE MODS"));
    p.setPen(kGold);
    p.drawText(QRectF(-48, -9, 96, 18), Qt::AlignCenter, QStringLiteral("MORE MODS"));
    p.restore();
}

// Median-cut palette of at most 256 colours, so the logo can be stored as a palette image
// without the banding of a fixed colour cube.
QList<QRgb> MedianCutPalette(const QImage& image) {
    std::vector<QRgb> pixels;
    pixels.reserve(static_cast<size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        pixels.insert(pixels.end(), line, line + image.width());
    }
    struct Box {
        size_t begin, end;
    };
    std::vector<Box> boxes{{0, pixels.size()}};
    auto channel = [](QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); };
    while (boxes.size() < 256) {
        // Split the box with the widest colour range.
        int best = -1;
        int bestRange = 0;
        int bestChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) {
                continue;
            }
            for (int k = 0; k < 3; ++k) {
                int lo = 255;
                int hi = 0;
                for (size_t j = boxes[i].begin; j < boxes[i].end; ++j) {
                    lo = std::min(lo, channel(pixels[j], k));
                    hi = std::max(hi, channel(pixels[j], k));
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    best = static_cast<int>(i);
                    bestChannel = k;
                }
            }
        }
        if (best < 0) {
            break;
        }
        Box box = boxes[static_cast<size_t>(best)];
        std::sort(pixels.begin() + static_cast<long>(box.begin),
                  pixels.begin() + static_cast<long>(box.end), [&](QRgb a, QRgb b) {
                      return channel(a, bestChannel) < channel(b, bestChannel);
                  });
        const size_t mid = (box.begin + box.end) / 2;
        boxes[static_cast<size_t>(best)] = {box.begin, mid};
        boxes.push_back({mid, box.end});
    }
    QList<QRgb> table;
    for (const Box& box : boxes) {
        long r = 0, g = 0, b = 0;
        for (size_t j = box.begin; j < box.end; ++j) {
            r += qRed(pixels[j]);
            g += qGreen(pixels[j]);
            b += qBlue(pixels[j]);
        }
        const long n = static_cast<long>(box.end - box.begin);
        table.push_back(
            qRgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)));
    }
    return table;
}

void DrawFeather(QPainter& p, QPointF base, double angle, double length, const QColor& vane) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath shape(QPointF(0, -6));
    shape.cubicTo(QPointF(-length * 0.16, -length * 0.3), QPointF(-length * 0.14, -length * 0.8),
                  QPointF(0, -length));
    shape.cubicTo(QPointF(length * 0.14, -length * 0.8), QPointF(length * 0.16, -length * 0.3),
                  QPointF(0, -6));
    QLinearGradient fill(QPointF(0, 0), QPointF(0, -length));
    fill.setColorAt(0.0, vane.darker(150));
    fill.setColorAt(1.0, vane);
    p.setPen(QPen(kRim, 1.0));
    p.setBrush(fill);
    p.drawPath(shape);
    // Quill and a few barbs.
    p.setPen(QPen(kCream, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 4), QPointF(0, -length + 4));
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.9));
    for (int i = 1; i <= 5; ++i) {
        const double y = -length * (0.18 + 0.13 * i);
        const double w = length * 0.12 * (1.0 - 0.12 * i);
        p.drawLine(QPointF(0, y), QPointF(-w, y - w * 0.8));
        p.drawLine(QPointF(0, y), QPointF(w, y - w * 0.8));
    }
    p.restore();
}

}  // namespace

QImage MakeBackground() {
    return ComposeOnMagenta(QSize(640, 480), SkinOutline(), [](QPainter& p) {
        QLinearGradient forest(0, 14, 0, 474);
        forest.setColorAt(0.0, kForestTop);
        forest.setColorAt(1.0, kForestBottom);
        p.fillRect(QRect(0, 0, 640, 480), forest);

        const QPainterPath outline = SkinOutline();
        DrawTab(p);
        DrawHeader(p);
        DrawPanel(p);

        // Bevel and rim: only the inner half of each stroke lies inside the shape.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(kBevel.red(), kBevel.green(), kBevel.blue(), 110), 9.0));
        p.drawPath(outline);
        p.setPen(QPen(kRim, 5.0));
        p.drawPath(outline);
    });
}

QImage MakeLogo() {
    QImage art(QSize(150, 350), QImage::Format_RGB32);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing, true);
        QLinearGradient forest(0, 0, 0, 350);
        forest.setColorAt(0.0, kForestTop);
        forest.setColorAt(1.0, kForestBottom);
        p.fillRect(art.rect(), forest);
        QRadialGradient glow(QPointF(75, 90), 120);
        glow.setColorAt(0.0, QColor(90, 180, 110, 110));
        glow.setColorAt(1.0, QColor(90, 180, 110, 0));
        p.fillRect(art.rect(), glow);

        p.setPen(QPen(kGold, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(5.5, 5.5, 139, 339), 10, 10);

        DrawMedallion(p, QPointF(75, 84), 54);

        p.setFont(Font("DejaVu Serif", 27, QFont::Bold));
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(QRectF(2, 160, 150, 36), Qt::AlignCenter, QStringLiteral("Kestrune"));
        p.setPen(kCream);
        p.drawText(QRectF(0, 158, 150, 36), Qt::AlignCenter, QStringLiteral("Kestrune"));

        // A gold rule with a diamond in its middle.
        p.setPen(QPen(kGold, 1.2));
        p.drawLine(QPointF(24, 203), QPointF(66, 203));
        p.drawLine(QPointF(84, 203), QPointF(126, 203));
        QPainterPath diamond(QPointF(75, 197));
        diamond.lineTo(QPointF(81, 203));
        diamond.lineTo(QPointF(75, 209));
        diamond.lineTo(QPointF(69, 203));
        diamond.closeSubpath();
        p.fillPath(diamond, kGold);

        p.setFont(Font("DejaVu Sans", 11, QFont::DemiBold, 1.5));
        p.setPen(kMintTop);
        p.drawText(QRectF(0, 214, 150, 18), Qt::AlignCenter, QStringLiteral("MOD INSTALLER"));
        p.setFont(Font("DejaVu Sans", 10, QFont::Normal, 0.5));
        p.setPen(kGold);
        p.drawText(QRectF(0, 231, 150, 16), Qt::AlignCenter, QStringLiteral("for YaBB forums"));

        DrawFeather(p, QPointF(75, 332), -32, 70, QColor(120, 190, 110));
        DrawFeather(p, QPointF(75, 332), 32, 70, QColor(120, 190, 110));
        DrawFeather(p, QPointF(75, 332), -12, 80, kGold);
        DrawFeather(p, QPointF(75, 332), 12, 80, kGold);
        DrawFeather(p, QPointF(75, 334), 0, 88, kCream);
    }
    return art.convertToFormat(QImage::Format_Indexed8, MedianCutPalette(art), Qt::DiffuseDither);
}

QImage MakeIcon() {
    QImage icon = Transparent(QSize(71, 70));
    QPainter p(&icon);
    DrawMedallion(p, QPointF(35.5, 35), 33);
    return icon;
}

QImage MakeErrorBadge() {
    QImage art = Transparent(QSize(59, 21));
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPointF c(10.5, 10.5);
        QRadialGradient red(c + QPointF(-3, -3), 11);
        red.setColorAt(0.0, QColor(255, 110, 90));
        red.setColorAt(1.0, QColor(196, 24, 20));
        p.setPen(QPen(QColor(110, 10, 8), 1.0));
        p.setBrush(red);
        p.drawEllipse(c, 8.8, 8.8);
        p.setPen(QPen(Qt::white, 2.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-3.6, -3.6), c + QPointF(3.6, 3.6));
        p.drawLine(c + QPointF(-3.6, 3.6), c + QPointF(3.6, -3.6));
        p.setFont(Font("DejaVu Sans", 13, QFont::Bold));
        p.setPen(Qt::black);
        p.drawText(QRectF(21, 0, 38, 21), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("Error"));
    }
    // The badge sits on a panel of the toolkit's window colour.
    return FlattenOnMagenta(art, QColor(239, 239, 239));
}

QImage MakeOpenYaBB(bool pressed) {
    QImage icon = Transparent(QSize(20, 20));
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (pressed) {
        p.translate(1, 1);
    }
    const QColor back = pressed ? kGoldDark : QColor(214, 150, 40);
    const QColor front = pressed ? kGold.darker(115) : kGold;
    // Back of the folder with its tab.
    QPainterPath rear(QPointF(1.5, 4.5));
    rear.lineTo(QPointF(6.5, 4.5));
    rear.lineTo(QPointF(8.5, 6.5));
    rear.lineTo(QPointF(16.5, 6.5));
    rear.lineTo(QPointF(16.5, 16.5));
    rear.lineTo(QPointF(1.5, 16.5));
    rear.closeSubpath();
    p.setPen(QPen(kRim, 1.0));
    p.setBrush(back);
    p.drawPath(rear);
    // A sheet of script peeking out.
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(4.5, 7.5, 10, 6));
    p.setPen(QPen(kForestTop, 1.0));
    p.drawLine(QPointF(6, 9.5), QPointF(13, 9.5));
    p.drawLine(QPointF(6, 11.5), QPointF(11, 11.5));
    // The open front flap.
    QPainterPath flap(QPointF(1.5, 16.5));
    flap.lineTo(QPointF(4.5, 10.5));
    flap.lineTo(QPointF(19.0, 10.5));
    flap.lineTo(QPointF(16.5, 16.5));
    flap.closeSubpath();
    QLinearGradient shine(0, 10.5, 0, 16.5);
    shine.setColorAt(0.0, front.lighter(115));
    shine.setColorAt(1.0, front);
    p.setPen(QPen(kRim, 1.0));
    p.setBrush(shine);
    p.drawPath(flap);
    return icon;
}

}  // namespace pictures
