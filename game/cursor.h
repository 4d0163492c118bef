// The cell cursor of keyboard play, as rules: where it appears, how the arrow
// keys move it, where it goes when its cell has emptied, and the group that
// lies under it. Nothing here changes the state it is given.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "board.h"

namespace qlx {

// The tile nearest to a cell: the cell itself when it holds a tile; otherwise
// the tile the fewest steps away along rows and columns (|dc| + |dr|), and of
// tiles equally near, the lowest, then the rightmost: the side the board
// leans to. Nothing when the playing area holds no tile.
std::optional<Cell> nearestTile(const GameState& s, Cell from);

// Where the cursor appears: the tile nearest to the bottom-right cell.
std::optional<Cell> cursorStart(const GameState& s);

// One step in a direction (kRight, kDown, kLeft, kUp); at the edge of the
// playing area the cursor stays where it is.
Cell stepCursor(const GameState& s, Cell from, int16_t direction);

// The group of the tile at a cell: its cells in reading order (none for an
// empty cell, one for a lone tile) and the points that clearing it would
// score (0 for fewer than two tiles).
struct GroupView {
    std::vector<Cell> cells;
    int32_t points = 0;
};
GroupView groupAt(const GameState& s, Cell at);

}  // namespace qlx

namespace qlx {

// The groups of two or more tiles, each once, in the reading order of their
// first cells (row by row from the top, each row from the left).
std::vector<GroupView> groupsInReadingOrder(const GameState& s);

// The first cell of the group after (forward) or before the one under a cell,
// in that reading order, going round at either end. From a cell outside any
// group, the first group after or before the cell itself; from nowhere, the
// first or the last group. Nothing when the board holds no group.
std::optional<Cell> nextGroup(const GameState& s, std::optional<Cell> from, bool forward);

// The first cell of the largest group: the most tiles, and of groups as large,
// the first in reading order. Nothing when the board holds no group.
std::optional<Cell> largestGroup(const GameState& s);

}  // namespace qlx
