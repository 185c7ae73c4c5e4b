// The main window's two looks: skinned (a frameless window shaped by its background picture)
// and plain (a framed window). EnableSkin chooses one at start-up.
#include <QApplication>
#include <QBitmap>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "MainWindow.h"
#include "ModCheckList.h"

namespace {

constexpr int kSkinWidth = 640;
constexpr int kSkinHeight = 480;
constexpr int kPlainWidth = 570;
constexpr int kDesignHeight = 345;
const QColor kSkinGreen(0, 204, 0);
const QColor kSeeThrough(255, 0, 255);

}  // namespace

void TMain::applySkinnedLook() {
    m_background = QPixmap(QStringLiteral(":/BACKGROUND"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(m_background.isNull() ? QSize(kSkinWidth, kSkinHeight) : m_background.size());
    if (!m_background.isNull()) {
        // The magenta outside of the picture is no part of the window: clicks there reach
        // whatever lies behind it.
        setMask(m_background.createMaskFromColor(kSeeThrough, Qt::MaskInColor));
    }
    loadPictures();
    centreOnWorkArea();

    moveAllControls(20, 100);
    // Over the three round buttons and the tab drawn in the picture.
    m_buttonMinimize->move(420, 40);
    m_buttonHelp->move(m_buttonMinimize->x() + 37, m_buttonMinimize->y());
    m_buttonClose->move(m_buttonHelp->x() + 37, m_buttonHelp->y());
    m_getMoreMods->setGeometry(610, 160, 30, 130);

    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, kSkinGreen);
    setPalette(windowPalette);
    setFieldColour(kSkinGreen);
}

void TMain::applyPlainLook() {
    loadPictures();
    moveAllControls(-16, 0);
    setFixedSize(kPlainWidth, kDesignHeight);
    m_scriptPath->setGeometry(88, m_scriptPath->y(), 287, m_scriptPath->height());
    m_label3->move(-24, m_label3->y());
    m_modFolder->setGeometry(416, m_modFolder->y(), 146, m_modFolder->height());
    m_openYaBB->move(383, m_openYaBB->y());
    setFieldColour(QApplication::palette().color(QPalette::Base));
    // The four picture areas now lie at or beyond the right edge, out of reach.
    centreOnWorkArea();
}

void TMain::loadPictures() {
    m_logo = QPixmap(QStringLiteral(":/KESTRUNE"));
    m_image1->setPixmap(m_logo);
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/ICON"))));
    m_openYaBB->setIcon(QPixmap(QStringLiteral(":/OPENYABB")));
    m_openYaBB->setIconSize(QSize(20, 20));
}

void TMain::moveAllControls(int dx, int dy) {
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow()) {
            control->move(control->pos() + QPoint(dx, dy));
        }
    }
}

void TMain::setFieldColour(const QColor& colour) {
    const QList<QWidget*> fields = {
        m_scriptPath, m_modName,        m_modAuthor,   m_modVersion, m_modDescription,
        m_modSteps,   m_modFilesToEdit, m_modHomepage, m_modFolder,  m_checkListBox1};
    for (QWidget* field : fields) {
        QPalette fieldPalette = field->palette();
        fieldPalette.setColor(QPalette::Base, colour);
        field->setPalette(fieldPalette);
    }
}

// Centred on the work area by its size alone; the work area's own offset is not added.
void TMain::centreOnWorkArea() {
    QScreen* area = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (area == nullptr) {
        return;
    }
    const QRect work = area->availableGeometry();
    move(work.width() / 2 - width() / 2, work.height() / 2 - height() / 2);
}
