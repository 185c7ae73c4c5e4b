// Turns a left-button click on any widget into a signal: the homepage field, the link labels
// and the picture areas over the skin's buttons have no click signal of their own.
#pragma once

#include <QObject>

class QWidget;

namespace kestrunegui {

class ClickWatcher final : public QObject {
    Q_OBJECT

  public:
    // Watches `widget` and lives as its child.
    static ClickWatcher* Watch(QWidget* widget);
    Q_DISABLE_COPY_MOVE(ClickWatcher)

  signals:
    // The left button went down and came up again inside the widget.
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit ClickWatcher(QWidget* widget);

    QWidget* m_widget;
    bool m_pressed = false;
};

// An invisible click area with a hand cursor and a hint, laid over a drawn button of the skin.
QWidget* MakeClickArea(QWidget* parent, const char* objectName, const char* hint);

}  // namespace kestrunegui
