// The mod list: one item per mod file with a tick box.
#include "ModCheckList.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace kestrunegui {

ModCheckList::ModCheckList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_inPress && row >= 0) {
            emit modClicked(row);
        }
    });
}

void ModCheckList::setMods(const QStringList& names, const QList<bool>& ticks) {
    const QSignalBlocker blocker(this);
    bool sameNames = count() == names.size();
    for (int row = 0; sameNames && row < count(); ++row) {
        sameNames = item(row)->text() == names[row];
    }
    if (!sameNames) {
        clear();
        for (const QString& name : names) {
            auto* entry = new QListWidgetItem(name, this);
            entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            // Item height as designed.
            entry->setSizeHint(QSize(0, 15));
        }
    }
    for (int row = 0; row < count(); ++row) {
        const bool tick = row < ticks.size() && ticks[row];
        item(row)->setCheckState(tick ? Qt::Checked : Qt::Unchecked);
    }
}

bool ModCheckList::ticked(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry != nullptr && entry->checkState() == Qt::Checked;
}

void ModCheckList::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->modifiers().testFlag(Qt::ControlModifier));
    m_inPress = true;
    QListWidget::mousePressEvent(event);
    m_inPress = false;
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0) {
        emit modClicked(row);
    }
}

}  // namespace kestrunegui
