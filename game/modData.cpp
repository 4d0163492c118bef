#include "modData.h"

#include <algorithm>
#include <cmath>

namespace qlx {

namespace {

// Narrowing to 16 bits wraps (modulo 2^16), as all board arithmetic does.
constexpr int16_t i16(int v) { return static_cast<int16_t>(v); }

constexpr bool isTile(int16_t code) { return code >= 0 && code <= 8; }

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

void resetBoard(GameState& s, int16_t cols, int16_t rows) {
    s.numRows = rows;
    s.numCols = cols;
    s.numCells = i16((cols + 2) * (rows + 2));
    initDirections(s);
    int16_t first = 0;
    if (s.gameMode == kFallingTiles) {
        // Rows 1 .. numRows/3 - 1 start empty; the cell e itself is dealt.
        const int16_t e = cellIndex(s, 1, i16(s.numRows / 3));
        for (int16_t i = 0; i <= e; ++i) s.board[i] = isInside(s, i) ? kEmpty : kBorder;
        first = e;
    }
    for (int16_t i = first; i < s.numCells; ++i) s.board[i] = isInside(s, i) ? kToDeal : kBorder;
}

void fillBoard(GameState& s, UniformSource& rnd) {
    for (int16_t i = 0; i < s.numCells; ++i) {
        if (s.board[i] >= 0 && s.board[i] <= s.numColors) {
            s.board[i] = i16(static_cast<int>(std::floor(s.numColors * rnd.next() + 1.0)));
        }
    }
}

void copyBoard(GameState& s) {
    for (int16_t i = 0; i < s.numCells; ++i) s.markBoard[i] = s.board[i];
}

int16_t markGroup(GameState& s, int16_t start) {
    const int16_t kind = s.board[start];
    s.markBoard[start] = s.markValue;
    s.stackTop = 1;
    s.fillStack[1] = start;
    int16_t count = 1;
    while (s.stackTop > 0) {
        const int16_t cur = s.fillStack[s.stackTop];
        --s.stackTop;
        for (int d = 1; d <= 4; ++d) {
            const int16_t nb = i16(cur + s.dirOffset[d]);
            if (s.board[nb] == kind && s.markBoard[nb] != s.markValue) {
                s.markBoard[nb] = s.markValue;
                ++s.stackTop;
                s.fillStack[s.stackTop] = nb;
                ++count;
            }
        }
    }
    return count;
}

bool isGroup(GameState& s, int16_t index) {
    copyBoard(s);
    s.markValue = kMarkValue;
    return markGroup(s, index) >= 2;
}

int16_t removeGroup(GameState& s) {
    int16_t count = 0;
    for (int16_t i = 0; i < s.numCells; ++i) {
        if (s.markBoard[i] == s.markValue) {
            s.board[i] = kEmpty;
            ++count;
        }
    }
    return count;
}

// Repeating single steps until nothing moves ends with the tiles of every run
// between two obstacles packed against the far obstacle, in their old order.
// That end state is computed here directly, one line of the board at a time.
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
        // Walk against the motion; `slot` is the farthest free place of the current run.
        int16_t slot = length;
        for (int16_t p = length; p >= 1; --p) {
            const int16_t code = at(line, p);
            if (isTile(code)) {
                if (slot != p) {
                    at(line, slot) = code;
                    at(line, p) = kEmpty;
                }
                --slot;
            } else if (code != kEmpty) {
                slot = i16(p - 1);  // an obstacle: the next run packs against it
            }
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

std::optional<Cell> tileAtPixel(const GameState& s, double x, double y) {
    if (!(x >= 0 && y >= 0) || s.tileSize <= 0) return std::nullopt;  // left of or above the board, or not a number
    // floor(X - 0.5), then a quotient truncated toward zero: pixel 0 and pixel
    // tileSize both fall in the first column.
    const auto line = [&](double v) { return static_cast<int>(std::floor(std::min(v, 1e6) - 0.5)) / s.tileSize; };
    const std::optional<Cell> cell = cellAt(s, line(x), line(y));
    if (!cell || s.board[cell->index] == kEmpty) return std::nullopt;
    return cell;
}

int32_t clearGroupAt(GameState& s, int16_t index) {
    if (!isTile(s.board[index]) || !isGroup(s, index)) return 0;
    const int32_t points = groupScore(removeGroup(s));
    s.score = static_cast<int32_t>(static_cast<uint32_t>(s.score) + static_cast<uint32_t>(points));
    return points;
}

void settleBoard(GameState& s) {
    settleTiles(s, kDown);
    settleTiles(s, kRight);
}

bool addFallingTiles(GameState& s, UniformSource& rnd) {
    const int16_t start = cellIndex(s, 1, 1);
    for (int16_t i = start; i <= start + s.numColors; ++i) {
        if (s.board[i] != kEmpty) return false;
    }
    for (int16_t i = start; i <= start + s.numColors - 1; ++i) {
        if (s.board[i] != kEmpty) continue;
        // Round to the nearest whole number; an exact half goes to the even one.
        const double v = (s.numColors - 1) * rnd.next() + 1.0;
        double whole = std::floor(v);
        const double frac = v - whole;
        if (frac > 0.5 || (frac == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
        s.board[i] = i16(static_cast<int>(whole));
    }
    return true;
}

}  // namespace qlx
