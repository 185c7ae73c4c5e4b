// Draws the About tab.
#include "AboutTab.h"

#include <QFontDatabase>
#include <QPainter>

namespace oxelgui {
namespace {

constexpr int kLeft = 24;
constexpr int kTitleTop = 24;
constexpr int kTitlePixels = 44;
constexpr int kVersionPixels = 21;
// The shadow lies this far right and down of the green name.
constexpr int kShadowDx = 2;
constexpr int kShadowDy = 3;
const QColor kGreen(0, 128, 0);

// Arial of the design, as the desktop's sans font.
QFont SansFont(int pixels, bool boldItalic) {
    QFont font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    font.setPixelSize(pixels);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    return font;
}

}  // namespace

AboutTab::AboutTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AboutTab"));
}

QSize AboutTab::sizeHint() const {
    return {260, kTitleTop + kTitlePixels + kVersionPixels + 48};
}

void AboutTab::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QFont title = SansFont(kTitlePixels, true);
    painter.setFont(title);
    const int baseline = kTitleTop + QFontMetrics(title).ascent();
    const QString name = QStringLiteral("Oxel");
    painter.setPen(Qt::black);
    painter.drawText(kLeft + kShadowDx, baseline + kShadowDy, name);
    painter.setPen(kGreen);
    painter.drawText(kLeft, baseline, name);

    const QFont version = SansFont(kVersionPixels, false);
    painter.setFont(version);
    const int versionBaseline =
        baseline + QFontMetrics(title).descent() + kShadowDy + 8 + QFontMetrics(version).ascent();
    painter.drawText(kLeft, versionBaseline, QString::fromLatin1(kAboutVersion));
}

}  // namespace oxelgui
