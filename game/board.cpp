#include "board.h"

#include <algorithm>
#include <cmath>

namespace qlx {

namespace {

// Narrowing to 16 bits wraps (modulo 2^16), as all board arithmetic does.
constexpr int16_t i16(int v) { return static_cast<int16_t>(v); }

}  // namespace

void initDirections(GameState& s) {
    s.dirX = {0, 1, 0, -1, 0};
    s.dirY = {0, 0, 1, 0, -1};
    for (int d = 1; d <= 4; ++d) s.dirOffset[d] = cellIndex(s, s.dirX[d], s.dirY[d]);
}

int16_t cellIndex(const GameState& s, int16_t x, int16_t y) {
    return i16(i16(s.numCols + 2) * y + x);
}

int16_t cellCol(const GameState& s, int16_t index) { return i16(index % i16(s.numCols + 2)); }

int16_t cellRow(const GameState& s, int16_t index) { return i16(index / i16(s.numCols + 2)); }

bool isInside(const GameState& s, int16_t index) {
    const int16_t x = cellCol(s, index);
    const int16_t y = cellRow(s, index);
    return x >= 1 && x <= s.numCols && y >= 1 && y <= s.numRows;
}

int16_t tileSize(const GameState& s) {
    return s.screenTileSize > 0 ? s.screenTileSize : tilePixels(s.options.tileSizeIndex);
}
int16_t boardWidth(const GameState& s) { return i16(s.numCols * tileSize(s)); }
int16_t boardHeight(const GameState& s) { return i16(s.numRows * tileSize(s)); }

void resetBoard(GameState& s, int16_t cols, int16_t rows) {
    s.numRows = rows;
    s.numCols = cols;
    s.numCells = i16((cols + 2) * (rows + 2));
    initDirections(s);
    int16_t first = 0;
    if (s.options.gameMode == kFallingTiles) {
        // Rows 1 .. numRows/3 - 1 start empty; the cell e itself is dealt.
        const int16_t e = cellIndex(s, 1, i16(s.numRows / 3));
        for (int16_t i = 0; i <= e; ++i) s.board[i] = isInside(s, i) ? kEmpty : kBorder;
        first = e;
    }
    for (int16_t i = first; i < s.numCells; ++i) s.board[i] = isInside(s, i) ? kToDeal : kBorder;
}

void resetBoard(GameState& s) {
    const GridSize grid = gridSize(s.options.gridSizeIndex);
    resetBoard(s, grid.cols, grid.rows);
}

void fillBoard(GameState& s, UniformSource& rnd) {
    for (int16_t i = 0; i < s.numCells; ++i) {
        if (s.board[i] == kToDeal || isTile(s.board[i])) {
            s.board[i] = i16(static_cast<int>(std::floor(s.options.numColors * rnd.next() + 1.0)));
        }
    }
}

// A depth-first flood over shared edges. The frame around the playing area
// holds no tile, so the search never leaves the board.
Group findGroup(const GameState& s, int16_t index) {
    Group group;
    const int16_t kind = s.board[index];
    if (!isTile(kind)) return group;
    std::array<bool, kBoardCapacity> seen{};
    std::array<int16_t, kBoardCapacity> open;
    int open_size = 0;
    seen[index] = true;
    open[open_size++] = index;
    while (open_size > 0) {
        const int16_t cur = open[--open_size];
        group.cells[group.size++] = cur;
        for (int d = kRight; d <= kUp; ++d) {
            const int16_t nb = i16(cur + s.dirOffset[d]);
            if (s.board[nb] == kind && !seen[nb]) {
                seen[nb] = true;
                open[open_size++] = nb;
            }
        }
    }
    return group;
}

bool isGroup(const GameState& s, int16_t index) {
    if (!isTile(s.board[index])) return false;
    for (int d = kRight; d <= kUp; ++d) {
        if (s.board[i16(index + s.dirOffset[d])] == s.board[index]) return true;
    }
    return false;
}

// Repeating single steps until nothing moves ends with the tiles of every line
// packed against the far edge of the playing area, in their old order: the
// playing area holds only tiles and empty cells. That end state is computed
// here directly, one line of the board at a time.
void settleTiles(GameState& s, int16_t direction) {
    const bool alongRows = direction == kRight || direction == kLeft;
    const int16_t lines = alongRows ? s.numRows : s.numCols;
    const int16_t length = alongRows ? s.numCols : s.numRows;
    // Position p (1..length) along a line, counted in the direction of motion.
    const bool reversed = direction == kLeft || direction == kUp;
    auto at = [&](int16_t line, int16_t p) -> int16_t& {
        const int16_t q = reversed ? i16(length + 1 - p) : p;
        return s.board[alongRows ? cellIndex(s, q, line) : cellIndex(s, line, q)];
    };
    for (int16_t line = 1; line <= lines; ++line) {
        // Walk against the motion; `slot` is the farthest free place.
        int16_t slot = length;
        for (int16_t p = length; p >= 1; --p) {
            const int16_t code = at(line, p);
            if (code == kEmpty) continue;
            if (slot != p) {
                at(line, slot) = code;
                at(line, p) = kEmpty;
            }
            --slot;
        }
    }
}

bool noMovesLeft(const GameState& s) {
    const int16_t right = 1;
    const int16_t down = i16(s.numCols + 2);
    for (int16_t y = 1; y <= s.numRows; ++y) {
        for (int16_t x = 1; x <= s.numCols; ++x) {
            const int16_t i = cellIndex(s, x, y);
            const int16_t code = s.board[i];
            if (!isTile(code)) continue;
            if (s.board[i + right] == code || s.board[i + down] == code) return false;
        }
    }
    return true;
}

int32_t groupScore(int16_t n) {
    const int32_t m = n;
    return static_cast<int32_t>(static_cast<int64_t>(m) * (m + 1) / 2);
}

std::optional<Cell> cellAt(const GameState& s, int c, int r) {
    if (c < 0 || r < 0 || c >= s.numCols || r >= s.numRows) return std::nullopt;
    return Cell{i16(c), i16(r), cellIndex(s, i16(c + 1), i16(r + 1))};
}

Cell cellOf(const GameState& s, int16_t index) {
    return Cell{i16(cellCol(s, index) - 1), i16(cellRow(s, index) - 1), index};
}

std::vector<Cell> readingOrder(const GameState& s, const Group& group) {
    std::vector<int16_t> indexes(group.cells.begin(), group.cells.begin() + group.size);
    std::sort(indexes.begin(), indexes.end());
    std::vector<Cell> cells;
    cells.reserve(indexes.size());
    for (int16_t i : indexes) cells.push_back(cellOf(s, i));
    return cells;
}

CellRect cellRect(const GameState& s, Cell cell) {
    const int size = tileSize(s);
    return {cell.c * size, cell.r * size, size};
}

std::optional<Cell> cellAtPoint(const GameState& s, int x, int y) {
    const int size = tileSize(s);
    if (x < 0 || y < 0) return std::nullopt;
    return cellAt(s, x / size, y / size);
}

std::optional<Cell> tileAtPixel(const GameState& s, double x, double y) {
    const int16_t size = tileSize(s);
    if (!(x >= 0 && y >= 0)) return std::nullopt;  // left of or above the board, or not a number
    // floor(X - 0.5), then a quotient truncated toward zero: pixel 0 and pixel
    // tileSize both fall in the first column.
    const auto line = [&](double v) { return static_cast<int>(std::floor(std::min(v, 1e6) - 0.5)) / size; };
    const std::optional<Cell> cell = cellAt(s, line(x), line(y));
    if (!cell || s.board[cell->index] == kEmpty) return std::nullopt;
    return cell;
}

namespace {

int32_t clearGroup(GameState& s, const Group& group) {
    for (int16_t k = 0; k < group.size; ++k) s.board[group.cells[k]] = kEmpty;
    const int32_t points = groupScore(group.size);
    s.score = static_cast<int32_t>(static_cast<uint32_t>(s.score) + static_cast<uint32_t>(points));
    return points;
}

}  // namespace

int32_t clearGroupAt(GameState& s, int16_t index) {
    const Group group = findGroup(s, index);
    return group.size >= 2 ? clearGroup(s, group) : 0;
}

MoveOutcome playMove(GameState& s, Cell cell) {
    MoveOutcome move;
    if (!isTile(s.board[cell.index])) return move;
    const Group group = findGroup(s, cell.index);
    if (group.size >= 2) {
        move.result = MoveOutcome::Result::Cleared;
        move.cleared = readingOrder(s, group);
        move.points = clearGroup(s, group);
        move.gap = s.board;
        settleTiles(s, kDown);
        move.fallen = s.board;
        settleTiles(s, kRight);
    } else {
        move.result = MoveOutcome::Result::LoneTile;
    }
    move.gameOver = noMovesLeft(s);
    return move;
}

void settleBoard(GameState& s) {
    settleTiles(s, kDown);
    settleTiles(s, kRight);
}

bool addFallingTiles(GameState& s, UniformSource& rnd) {
    const int16_t kinds = s.options.numColors;
    const int16_t start = cellIndex(s, 1, 1);
    for (int16_t i = start; i <= start + kinds; ++i) {
        if (s.board[i] != kEmpty) return false;
    }
    for (int16_t i = start; i <= start + kinds - 1; ++i) {
        // Round to the nearest whole number; an exact half goes to the even one.
        const double v = (kinds - 1) * rnd.next() + 1.0;
        double whole = std::floor(v);
        const double frac = v - whole;
        if (frac > 0.5 || (frac == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
        s.board[i] = i16(static_cast<int>(whole));
    }
    return true;
}

}  // namespace qlx
