// Moving a window by dragging its background.
#include "WindowDrag.h"

namespace kestrunegui {

void WindowDrag::Press(QPoint windowTopLeft, QPoint cursorOnScreen) {
    m_pressed = true;
    m_window = windowTopLeft;
    m_cursor = cursorOnScreen;
}

std::optional<QPoint> WindowDrag::Move(QPoint cursorOnScreen, Qt::MouseButtons held) const {
    if (!m_pressed || !held.testFlag(Qt::LeftButton)) {
        return std::nullopt;
    }
    // Both axes follow the cursor, so a window dragged back to the press point is back
    // where it started.
    return m_window + (cursorOnScreen - m_cursor);
}

}  // namespace kestrunegui
