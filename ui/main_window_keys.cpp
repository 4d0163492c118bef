// Keyboard play on the main window's board: the arrow keys move a cell
// cursor, Space and Enter play the cell under it exactly as a mouse press on
// that cell does. While the game is paused or over the keys do nothing.
#include <QKeyEvent>

#include "main_window.h"

namespace qlx {

bool MainWindow::boardKey(int key) {
    int16_t direction = 0;
    switch (key) {
        case Qt::Key_Right: direction = kRight; break;
        case Qt::Key_Down: direction = kDown; break;
        case Qt::Key_Left: direction = kLeft; break;
        case Qt::Key_Up: direction = kUp; break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: break;
        default: return false;
    }
    showOutcome(direction == 0 ? flow_.playCursor() : flow_.moveCursor(direction));
    return true;
}

}  // namespace qlx
