// Keyboard play on the main window's board: the arrow keys move a cell
// cursor, Space and Enter play the cell under it exactly as a mouse press on
// that cell does. While the game is paused (the board hidden) or over (the
// board disabled) the keys do nothing.
#include <QKeyEvent>

#include "board_picture.h"
#include "cursor.h"
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
    if (!gameInProgress_ || !board_->isVisible()) return true;
    const std::optional<Cell> cursor = board_->cursor();
    if (direction == 0) {
        if (cursor) playCell(*cursor);
    } else if (!cursor) {
        board_->setCursor(cursorStart(game_));  // the first arrow key shows the cursor
    } else if (const Cell next = stepCursor(game_, *cursor, direction); next != *cursor) {
        board_->setCursor(next);
    }
    return true;
}

}  // namespace qlx
