// The install window's layout pass: panels stacked top to bottom, then the core's numbers.
#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>

#include "InstallForm.h"
#include "kestrune/InstallLayout.h"

namespace {

constexpr int kHeaderHeight = 41;
constexpr int kStatusBarHeight = 19;
constexpr int kCommandRowHeight = 33;
constexpr int kBadgeWidth = 73;
constexpr int kRowTop = 5;
constexpr int kRowHeight = 25;

}  // namespace

bool TInstallForm::stepArrangement() const {
    // The fast layout belongs to a fast run only. A run that shows steps (even none, as
    // "nothing todo here") needs the panes in view, whatever the previous run left.
    return !(m_run.View().layout == kestrune::RunLayout::Fast && m_run.FastRealRun());
}

void TInstallForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layoutPass();
}

void TInstallForm::layoutPass() {
    if (m_inLayoutPass) {
        return;
    }
    m_inLayoutPass = true;
    const int width = this->width();
    const int height = this->height();

    m_statusBar->setGeometry(0, height - kStatusBarHeight, width, kStatusBarHeight);
    m_panel1->setGeometry(0, 0, width, kHeaderHeight);
    m_image1->setGeometry(width - kBadgeWidth, 0, kBadgeWidth, kHeaderHeight);

    kestrune::CommandRow row;
    row.previousLeft = m_previousStep->x();
    row.previousWidth = m_previousStep->width();
    row.nextWidth = m_nextStep->width();
    row.openFileWidth = m_openFileToEdit->width();
    row.abortWidth = m_abort->width();
    const kestrune::InstallLayout layout =
        kestrune::ComputeInstallLayout(width, height, m_stepArrangement, row, m_memo1->y());

    const int bodyHeight = std::max(0, height - kHeaderHeight - kStatusBarHeight);
    if (layout.panes) {
        const kestrune::StepPanes& panes = *layout.panes;
        const int panel3Height = std::min(panes.panel3Height, bodyHeight);
        m_panel3->setGeometry(0, height - kStatusBarHeight - panel3Height, width, panel3Height);
        m_panel2->setGeometry(0, kHeaderHeight, width, bodyHeight - panel3Height);
        m_label2->move(panes.label2Left, m_label2->y());
        m_memo1->resize(m_memo1->width(), panes.memo1Height);
        m_memo2->setGeometry(panes.memo2Left, m_memo2->y(), m_memo2->width(), panes.memo2Height);
    } else {
        // The log takes everything between the header and the status bar.
        m_panel3->setGeometry(0, kHeaderHeight, width, bodyHeight);
    }
    m_panel2->setVisible(m_stepArrangement && m_run.View().actionPanelVisible);

    m_panel4->setGeometry(0, 0, width, kCommandRowHeight);
    m_logWindow->setGeometry(0, kCommandRowHeight, width,
                             std::max(0, m_panel3->height() - kCommandRowHeight));
    m_nextStep->move(layout.nextLeft, kRowTop);
    m_progressBar->setGeometry(layout.progressLeft, kRowTop, layout.progressWidth, kRowHeight);
    m_openFileToEdit->move(layout.openFileLeft, kRowTop);
    m_abort->move(layout.abortLeft, kRowTop);
    m_memo1->resize(layout.memoWidth, m_memo1->height());
    m_memo2->resize(layout.memoWidth, m_memo2->height());
    m_inLayoutPass = false;
}
