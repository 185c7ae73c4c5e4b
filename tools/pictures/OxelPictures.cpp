// Oxel's icon and the images of its toolbar, menus and action tree.
#include "OxelPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "PictureKit.h"

namespace pictures {
namespace {

const QColor kInk(40, 44, 52);
const QColor kPaper(252, 252, 248);
const QColor kGreen(22, 150, 60);
const QColor kGreenLight(90, 205, 110);
const QColor kRed(205, 45, 35);
const QColor kBlue(52, 104, 178);
const QColor kHighlight(255, 214, 90);

// A sheet with a folded upper right corner, in a 16 x 16 cell.
void DrawSheet(QPainter& p, QRectF r, bool lines) {
    const double fold = 4;
    QPainterPath sheet(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    QPainterPath corner(QPointF(r.right() - fold, r.top()));
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(215, 215, 205));
    p.drawPath(corner);
    if (lines) {
        p.setPen(QPen(QColor(130, 140, 150), 1.0));
        for (double y = r.top() + 6.5; y < r.bottom() - 1; y += 2.5) {
            p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2.5, y));
        }
    }
}

// Lines of text, one of them marked as the added one.
void DrawLines(QPainter& p, int marked) {
    for (int i = 0; i < 4; ++i) {
        const double y = 3.5 + i * 3.0;
        if (i == marked) {
            p.fillRect(QRectF(1, y - 1.5, 11, 3), kHighlight);
            p.setPen(QPen(kInk, 1.0));
        } else {
            p.setPen(QPen(QColor(120, 130, 140), 1.0));
        }
        p.drawLine(QPointF(2, y), QPointF(i % 2 == 0 ? 11 : 9, y));
    }
}

void DrawPlusBadge(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(kGreen.darker(140), 1.0));
    QRadialGradient fill(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
    fill.setColorAt(0.0, kGreenLight);
    fill.setColorAt(1.0, kGreen);
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, r * 0.42, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c - QPointF(r * 0.55, 0), c + QPointF(r * 0.55, 0));
    p.drawLine(c - QPointF(0, r * 0.55), c + QPointF(0, r * 0.55));
}

void DrawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    QPainterPath head(to + d * 1.5);
    head.lineTo(to - d * 2.5 + n * 2.6);
    head.lineTo(to - d * 2.5 - n * 2.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

void DrawFolder(QPainter& p) {
    QPainterPath rear(QPointF(1.5, 3.5));
    rear.lineTo(QPointF(5.5, 3.5));
    rear.lineTo(QPointF(7.0, 5.0));
    rear.lineTo(QPointF(13.5, 5.0));
    rear.lineTo(QPointF(13.5, 13.5));
    rear.lineTo(QPointF(1.5, 13.5));
    rear.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 10), 1.0));
    p.setBrush(QColor(214, 150, 40));
    p.drawPath(rear);
    QPainterPath flap(QPointF(1.5, 13.5));
    flap.lineTo(QPointF(4.0, 7.5));
    flap.lineTo(QPointF(15.5, 7.5));
    flap.lineTo(QPointF(13.5, 13.5));
    flap.closeSubpath();
    QLinearGradient shine(0, 7.5, 0, 13.5);
    shine.setColorAt(0.0, QColor(255, 224, 130));
    shine.setColorAt(1.0, QColor(242, 190, 78));
    p.setBrush(shine);
    p.drawPath(flap);
}

void DrawDisk(QPainter& p) {
    QPainterPath body(QPointF(1.5, 1.5));
    body.lineTo(QPointF(12.5, 1.5));
    body.lineTo(QPointF(14.5, 3.5));
    body.lineTo(QPointF(14.5, 14.5));
    body.lineTo(QPointF(1.5, 14.5));
    body.closeSubpath();
    p.setPen(QPen(kBlue.darker(170), 1.0));
    p.setBrush(kBlue);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 230, 238));
    p.drawRect(QRectF(4, 2, 7, 4.5));  // shutter
    p.setBrush(kBlue.darker(140));
    p.drawRect(QRectF(8.5, 2.8, 1.5, 3));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 8.5, 9, 5.5));  // label
    p.setPen(QPen(QColor(150, 160, 175), 0.8));
    p.drawLine(QPointF(5, 10.3), QPointF(11, 10.3));
    p.drawLine(QPointF(5, 12.2), QPointF(11, 12.2));
}

void DrawStar(QPainter& p, QPointF c, double r) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? r : r * 0.45;
        const QPointF pt = c + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0) {
            star.moveTo(pt);
        } else {
            star.lineTo(pt);
        }
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(170, 110, 0), 0.8));
    p.setBrush(kHighlight);
    p.drawPath(star);
}

}  // namespace

QImage MakeOxelIcon() {
    QImage icon = Transparent(QSize(64, 64));
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, true);

    // A sheet of a .mod file...
    const QRectF sheet(10.5, 4.5, 40, 54);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(sheet.translated(2, 2), 4, 4);
    QPainterPath page;
    page.moveTo(sheet.topLeft() + QPointF(4, 0));
    page.lineTo(sheet.right() - 11, sheet.top());
    page.lineTo(sheet.right(), sheet.top() + 11);
    page.lineTo(sheet.right(), sheet.bottom() - 4);
    page.quadTo(sheet.bottomRight(), sheet.bottomRight() - QPointF(4, 0));
    page.lineTo(sheet.left() + 4, sheet.bottom());
    page.quadTo(sheet.bottomLeft(), sheet.bottomLeft() - QPointF(0, 4));
    page.lineTo(sheet.left(), sheet.top() + 4);
    page.quadTo(sheet.topLeft(), sheet.topLeft() + QPointF(4, 0));
    QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
    paper.setColorAt(0.0, QColor(255, 255, 252));
    paper.setColorAt(1.0, QColor(228, 236, 222));
    p.setPen(QPen(palette::kRim, 1.4));
    p.setBrush(paper);
    p.drawPath(page);
    QPainterPath fold(QPointF(sheet.right() - 11, sheet.top()));
    fold.lineTo(sheet.right() - 11, sheet.top() + 11);
    fold.lineTo(sheet.right(), sheet.top() + 11);
    p.setBrush(QColor(200, 214, 196));
    p.drawPath(fold);

    // ...with tags and lines on it...
    p.setFont([] {
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(10);
        f.setBold(true);
        return f;
    }());
    p.setPen(kGreen.darker(130));
    p.drawText(QPointF(14.5, 22), QStringLiteral("<id>"));
    p.setPen(QPen(QColor(120, 135, 130), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double y = 29.5 + i * 6;
        p.drawLine(QPointF(15.5, y), QPointF(i % 2 == 0 ? 44.5 : 37.5, y));
    }
    p.fillRect(QRectF(14, 44, 22, 4), QColor(255, 214, 90, 200));

    // ...and a green pen writing it.
    p.save();
    p.translate(46, 42);
    p.rotate(45);
    const QRectF barrel(-4.5, -26, 9, 28);
    QLinearGradient body(barrel.topLeft(), barrel.topRight());
    body.setColorAt(0.0, kGreenLight);
    body.setColorAt(0.5, kGreen);
    body.setColorAt(1.0, kGreen.darker(160));
    p.setPen(QPen(palette::kRim, 1.2));
    p.setBrush(body);
    p.drawRoundedRect(barrel, 2, 2);
    QPainterPath nib(QPointF(-4.5, 2));
    nib.lineTo(QPointF(4.5, 2));
    nib.lineTo(QPointF(0, 12));
    nib.closeSubpath();
    p.setBrush(palette::kGold);
    p.drawPath(nib);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kRim);
    p.drawEllipse(QPointF(0, 10), 1.4, 1.4);
    p.restore();
    return icon;
}

QImage MakeOxelImage(int index) {
    QImage image = Transparent(QSize(16, 16));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (index) {
        case 0:  // edit file: a sheet of script
            DrawSheet(p, QRectF(2.5, 0.5, 11, 15), true);
            p.setPen(QPen(kGreen, 1.4));
            p.drawLine(QPointF(4.5, 4), QPointF(8, 4));
            break;
        case 1:  // replace: A turns into B
            p.setFont([] {
                QFont f(QStringLiteral("DejaVu Sans"));
                f.setPixelSize(8);
                f.setBold(true);
                return f;
            }());
            p.setPen(kRed);
            p.drawText(QRectF(0, 0, 8, 8), Qt::AlignCenter, QStringLiteral("A"));
            p.setPen(kGreen);
            p.drawText(QRectF(8, 8, 8, 8), Qt::AlignCenter, QStringLiteral("B"));
            DrawArrow(p, QPointF(3.5, 9.5), QPointF(6.8, 12.8), kBlue);
            break;
        case 2:  // add before: the new line above
            DrawLines(p, 0);
            DrawPlusBadge(p, QPointF(12, 4), 3.6);
            break;
        case 3:  // add after: the new line below
            DrawLines(p, 3);
            DrawPlusBadge(p, QPointF(12, 12), 3.6);
            break;
        case 4:  // add action
            DrawPlusBadge(p, QPointF(8, 8), 7);
            break;
        case 5: {  // delete
            p.setPen(QPen(kRed.darker(150), 1.0));
            QRadialGradient red(QPointF(6, 6), 10);
            red.setColorAt(0.0, QColor(255, 120, 100));
            red.setColorAt(1.0, kRed);
            p.setBrush(red);
            p.drawEllipse(QPointF(8, 8), 7, 7);
            p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(5, 5), QPointF(11, 11));
            p.drawLine(QPointF(5, 11), QPointF(11, 5));
            break;
        }
        case 6:  // new: a blank sheet with a spark
            DrawSheet(p, QRectF(1.5, 1.5, 10, 14), false);
            DrawStar(p, QPointF(11.5, 4.5), 4.2);
            break;
        case 7:  // open
            DrawFolder(p);
            break;
        case 8:  // save
            DrawDisk(p);
            break;
        case 9:  // spare: the installer's emblem
            DrawMedallion(p, QPointF(8, 8), 7.5);
            break;
        default:
            break;
    }
    return image;
}

}  // namespace pictures
