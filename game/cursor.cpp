#include "cursor.h"

#include <algorithm>
#include <cstdlib>

namespace qlx {

namespace {

bool holdsTile(const GameState& s, int16_t index) { return s.board[index] >= 1 && s.board[index] <= 8; }

}  // namespace

std::optional<Cell> nearestTile(const GameState& s, Cell from) {
    std::optional<Cell> best;
    int bestSteps = 0;
    // Rows from the bottom and columns from the right: the first of equally near tiles wins.
    for (int r = s.numRows - 1; r >= 0; --r) {
        for (int c = s.numCols - 1; c >= 0; --c) {
            const Cell cell = *cellAt(s, c, r);
            if (!holdsTile(s, cell.index)) continue;
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
    GroupView group;
    if (!holdsTile(s, at.index)) return group;
    const int16_t kind = s.board[at.index];
    std::vector<bool> seen(static_cast<std::size_t>(s.numCells), false);
    std::vector<int16_t> open{at.index};
    std::vector<int16_t> found;
    seen[static_cast<std::size_t>(at.index)] = true;
    while (!open.empty()) {
        const int16_t cur = open.back();
        open.pop_back();
        found.push_back(cur);
        for (int d = kRight; d <= kUp; ++d) {
            const auto nb = static_cast<int16_t>(cur + s.dirOffset[d]);
            if (s.board[nb] == kind && !seen[static_cast<std::size_t>(nb)]) {
                seen[static_cast<std::size_t>(nb)] = true;
                open.push_back(nb);
            }
        }
    }
    std::sort(found.begin(), found.end());
    for (int16_t i : found) group.cells.push_back(*cellAt(s, cellCol(s, i) - 1, cellRow(s, i) - 1));
    if (found.size() >= 2) group.points = groupScore(static_cast<int16_t>(found.size()));
    return group;
}

}  // namespace qlx
