// Keyboard play on the main window's board: the arrow keys move a cell
// cursor, Space and Enter play the cell under it exactly as a mouse press on
// that cell does. While the game is paused (the board hidden) or over (the
// board disabled) the keys do nothing.
#include <QKeyEvent>

#include "board_picture.h"
#include "cursor.h"
#include "frmQLX.h"

namespace qlx {

bool frmQLX::pbGrid_KeyDown(int key) {
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
    if (!gameInProgress_ || !pbGrid_->isVisible() || !pbGrid_->isEnabled()) return true;
    const std::optional<Cell> cursor = pbGrid_->cursor();
    if (direction == 0) {
        if (cursor) playCell(*cursor);
    } else if (!cursor) {
        pbGrid_->setCursor(cursorStart(game_));  // the first arrow key shows the cursor
    } else if (const Cell next = stepCursor(game_, *cursor, direction); next != *cursor) {
        pbGrid_->setCursor(next);
    }
    return true;
}

}  // namespace qlx
