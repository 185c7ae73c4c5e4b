// The install window's controls as designed: names, places, captions, fonts and colours.
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "InstallForm.h"

namespace {

QFrame* MakePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, bool wrap) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    memo->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return memo;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter in the window must not press a command by surprise (Abort, or the next step).
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The error badge with its magenta ground see-through.
QPixmap ErrorBadge() {
    QPixmap badge(QStringLiteral(":/ERRORBADGE"));
    if (!badge.isNull()) {
        badge.setMask(badge.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
    }
    return badge;
}

}  // namespace

void TInstallForm::createControls() {
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setFixedHeight(19);
    const int panelWidths[4] = {120, 100, 70, 200};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(m_statusBar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panel->setFixedWidth(panelWidths[i]);
        // Panels sit from the left, as designed; no temporary message ever covers them.
        m_statusBar->addWidget(panel);
        m_statusPanels[i] = panel;
    }

    m_panel1 = MakePanel(this, "Panel1");
    m_image1 = new QLabel(m_panel1);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignCenter);
    m_image1->setPixmap(ErrorBadge());
    m_image1->hide();
    m_label1 = MakeLabel(m_panel1, "Label1", "Search for this in file", {8, 28, 120, 16});
    m_label2 = MakeLabel(m_panel1, "Label2", "and replace it with", {304, 28, 105, 16});
    m_label3 = MakeLabel(m_panel1, "Label3", "Installing", {8, 5, 79, 21});

    m_panel2 = MakePanel(this, "Panel2");
    m_memo1 = MakeMemo(m_panel2, "Memo1", false);
    m_memo2 = MakeMemo(m_panel2, "Memo2", false);
    m_memo1->setGeometry(0, 0, 297, 225);
    m_memo2->setGeometry(304, 0, 297, 225);

    m_panel3 = MakePanel(this, "Panel3");
    m_logWindow = MakeMemo(m_panel3, "LogWindow", true);
    m_panel4 = MakePanel(m_panel3, "Panel4");
    m_previousStep = MakeButton(m_panel4, "PreviousStep", "&Previous Step", {8, 5, 97, 25});
    m_nextStep = MakeButton(m_panel4, "NextStep", "&Next Step", {112, 5, 99, 25});
    m_progressBar = new QProgressBar(m_panel4);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setGeometry(216, 5, 169, 25);
    m_progressBar->setTextVisible(false);
    m_openFileToEdit =
        MakeButton(m_panel4, "OpenFileToEdit", "Open File To Edit", {392, 5, 123, 25});
    m_abort = MakeButton(m_panel4, "Abort", "&Abort", {520, 5, 75, 25});

    setFonts();
}

void TInstallForm::setFonts() {
    // The designed fixed-pitch X11 font becomes the desktop's fixed font, at the same height.
    QFont memoFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    memoFont.setPixelSize(13);
    memoFont.setWeight(QFont::Normal);
    for (QPlainTextEdit* memo : {m_memo1, m_memo2, m_logWindow}) {
        memo->setFont(memoFont);
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Text, Qt::black);
        memo->setPalette(palette);
    }

    QFont titleFont;
    titleFont.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    m_label3->setFont(titleFont);
    QPalette palette = m_label3->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    m_label3->setPalette(palette);
}
