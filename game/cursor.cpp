#include "cursor.h"

#include <algorithm>
#include <cstdlib>

namespace qlx {

std::optional<Cell> nearestTile(const GameState& s, Cell from) {
    std::optional<Cell> best;
    int bestSteps = 0;
    // Rows from the bottom and columns from the right: the first of equally near tiles wins.
    for (int r = s.numRows - 1; r >= 0; --r) {
        for (int c = s.numCols - 1; c >= 0; --c) {
            const Cell cell = *cellAt(s, c, r);
            if (!isTile(s.board[cell.index])) continue;
            const int steps = std::abs(c - from.c) + std::abs(r - from.r);
            if (!best || steps < bestSteps) {
                best = cell;
                bestSteps = steps;
            }
        }
    }
    return best;
}

std::optional<Cell> cursorStart(const GameState& s) {
    const std::optional<Cell> corner = cellAt(s, s.numCols - 1, s.numRows - 1);
    return corner ? nearestTile(s, *corner) : std::nullopt;
}

Cell stepCursor(const GameState& s, Cell from, int16_t direction) {
    if (direction < kRight || direction > kUp) return from;
    const std::optional<Cell> next = cellAt(s, from.c + s.dirX[direction], from.r + s.dirY[direction]);
    return next ? *next : from;
}

GroupView groupAt(const GameState& s, Cell at) {
    GroupView view;
    const Group group = findGroup(s, at.index);
    view.cells = readingOrder(s, group);
    if (group.size >= 2) view.points = groupScore(group.size);
    return view;
}

}  // namespace qlx
