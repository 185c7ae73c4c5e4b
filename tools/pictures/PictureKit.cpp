// Shared drawing helpers for the generated pictures.
#include "PictureKit.h"

#include <QPainter>
#include <QRadialGradient>

namespace pictures {

QImage Transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage ComposeOnMagenta(QSize size, const QPainterPath& shape,
                        const std::function<void(QPainter&)>& paint) {
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing, false);
        m.fillPath(shape, Qt::white);
    }
    QImage art(size, QImage::Format_RGB32);
    art.fill(palette::kForestBottom);
    {
        QPainter a(&art);
        a.setRenderHint(QPainter::Antialiasing, true);
        a.setRenderHint(QPainter::TextAntialiasing, true);
        paint(a);
    }
    QImage out(size, QImage::Format_RGB32);
    const QRgb magenta = kMagenta.rgb();
    for (int y = 0; y < size.height(); ++y) {
        const auto* maskLine = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        const auto* artLine = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        auto* outLine = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (qRed(maskLine[x]) < 128) {
                outLine[x] = magenta;
            } else {
                QRgb px = artLine[x] | 0xFF000000u;
                if ((px & 0xFFFFFFu) == (magenta & 0xFFFFFFu)) {
                    px = qRgb(254, 0, 255);
                }
                outLine[x] = px;
            }
        }
    }
    return out;
}

QImage FlattenOnMagenta(const QImage& art, const QColor& ground) {
    const QImage src = art.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                line[x] = kMagenta.rgb();
                continue;
            }
            auto mix = [a](int c, int g) { return (c * a + g * (255 - a)) / 255; };
            line[x] = qRgb(mix(qRed(in[x]), ground.red()), mix(qGreen(in[x]), ground.green()),
                           mix(qBlue(in[x]), ground.blue()));
            if ((line[x] & 0xFFFFFFu) == (kMagenta.rgb() & 0xFFFFFFu)) {
                line[x] = qRgb(254, 0, 255);
            }
        }
    }
    return out;
}

void DrawMedallion(QPainter& p, QPointF c, double r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);

    // Gold ring with light from the upper left.
    QRadialGradient ring(c - QPointF(r * 0.4, r * 0.4), r * 1.6);
    ring.setColorAt(0.0, palette::kGold.lighter(130));
    ring.setColorAt(0.6, palette::kGold);
    ring.setColorAt(1.0, palette::kGoldDark);
    p.setPen(QPen(palette::kRim, std::max(1.0, r * 0.05)));
    p.setBrush(ring);
    p.drawEllipse(c, r, r);

    const double inner = r * 0.8;
    QRadialGradient disc(c - QPointF(inner * 0.3, inner * 0.4), inner * 1.4);
    disc.setColorAt(0.0, palette::kForestTop.lighter(150));
    disc.setColorAt(1.0, palette::kForestBottom);
    p.setPen(QPen(palette::kGoldDark.darker(140), std::max(1.0, r * 0.03)));
    p.setBrush(disc);
    p.drawEllipse(c, inner, inner);

    // The rune: a stave, an upper branch that sweeps out like a wing, a straight lower leg.
    const double u = inner / 10.0;
    QPen rune(palette::kCream, std::max(1.2, u * 1.7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(rune);
    p.setBrush(Qt::NoBrush);
    const QPointF top = c + QPointF(-3.2 * u, -6.2 * u);
    const QPointF bottom = c + QPointF(-3.2 * u, 6.2 * u);
    const QPointF joint = c + QPointF(-3.2 * u, 0.6 * u);
    p.drawLine(top, bottom);
    QPainterPath wing(joint);
    wing.cubicTo(c + QPointF(0.5 * u, -1.5 * u), c + QPointF(2.5 * u, -4.5 * u),
                 c + QPointF(5.0 * u, -6.0 * u));
    p.drawPath(wing);
    p.drawLine(c + QPointF(-1.2 * u, -0.6 * u), c + QPointF(4.6 * u, 6.0 * u));
    // The kestrel's eye.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kGold);
    p.drawEllipse(c + QPointF(3.3 * u, -0.2 * u), u * 0.95, u * 0.95);
    p.restore();
}

}  // namespace pictures
