// Turns a left-button click on any widget into a signal.
#include "ClickWatcher.h"

#include <QMouseEvent>
#include <QWidget>

namespace kestrunegui {

ClickWatcher* ClickWatcher::Watch(QWidget* widget) {
    return new ClickWatcher(widget);
}

ClickWatcher::ClickWatcher(QWidget* widget) : QObject(widget), m_widget(widget) {
    widget->installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_widget) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = m_pressed && mouse->button() == Qt::LeftButton &&
                           m_widget->rect().contains(mouse->position().toPoint());
        m_pressed = false;
        if (click) {
            emit clicked();
        }
    }
    return false;
}

QWidget* MakeClickArea(QWidget* parent, const char* objectName, const char* hint) {
    auto* area = new QWidget(parent);
    area->setObjectName(QString::fromLatin1(objectName));
    area->setToolTip(QString::fromLatin1(hint));
    area->setCursor(Qt::PointingHandCursor);
    // Draws nothing: the skin's picture shows through.
    area->setAutoFillBackground(false);
    area->setAttribute(Qt::WA_NoSystemBackground);
    return area;
}

}  // namespace kestrunegui
