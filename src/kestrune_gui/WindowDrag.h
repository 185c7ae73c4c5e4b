// Moving a window by dragging its background: a press with any button remembers where the
// window and the cursor were; moving with the left button held follows the cursor.
#pragma once

#include <QPoint>
#include <optional>

namespace kestrunegui {

class WindowDrag {
  public:
    void Press(QPoint windowTopLeft, QPoint cursorOnScreen);

    // Where the window belongs for this move: its remembered place shifted as far as the
    // cursor went. Nothing without the left button held, or before any press.
    std::optional<QPoint> Move(QPoint cursorOnScreen, Qt::MouseButtons held) const;

  private:
    bool m_pressed = false;
    QPoint m_window;
    QPoint m_cursor;
};

}  // namespace kestrunegui
