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

namespace qlx {

namespace {
int readingPosition(const GameState& s, Cell c) { return c.r * s.numCols + c.c; }
}  // namespace

std::vector<GroupView> groupsInReadingOrder(const GameState& s) {
    std::vector<GroupView> groups;
    std::vector<bool> seen(static_cast<std::size_t>(s.numCols * s.numRows), false);
    for (int r = 0; r < s.numRows; ++r) {
        for (int c = 0; c < s.numCols; ++c) {
            const Cell cell = *cellAt(s, c, r);
            if (seen[static_cast<std::size_t>(readingPosition(s, cell))] || !isTile(s.board[cell.index])) continue;
            GroupView group = groupAt(s, cell);
            for (const Cell& member : group.cells) seen[static_cast<std::size_t>(readingPosition(s, member))] = true;
            if (group.points > 0) groups.push_back(std::move(group));
        }
    }
    return groups;
}

std::optional<Cell> nextGroup(const GameState& s, std::optional<Cell> from, bool forward) {
    const std::vector<GroupView> groups = groupsInReadingOrder(s);
    if (groups.empty()) return std::nullopt;
    if (!from) return forward ? groups.front().cells.front() : groups.back().cells.front();
    const GroupView here = groupAt(s, *from);
    const int at = readingPosition(s, here.points > 0 ? here.cells.front() : *from);
    if (forward) {
        for (const GroupView& g : groups)
            if (readingPosition(s, g.cells.front()) > at) return g.cells.front();
        return groups.front().cells.front();
    }
    for (auto g = groups.rbegin(); g != groups.rend(); ++g)
        if (readingPosition(s, g->cells.front()) < at) return g->cells.front();
    return groups.back().cells.front();
}

std::optional<Cell> largestGroup(const GameState& s) {
    const std::vector<GroupView> groups = groupsInReadingOrder(s);
    const GroupView* best = nullptr;
    for (const GroupView& g : groups)
        if (!best || g.cells.size() > best->cells.size()) best = &g;
    return best ? std::optional<Cell>(best->cells.front()) : std::nullopt;
}

}  // namespace qlx
