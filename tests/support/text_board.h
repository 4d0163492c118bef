// Boards as text for tests: one line per row of the playing area, '.' an empty
// cell, '1'..'8' a tile of that kind, 'o' a cell waiting to be dealt. The
// border around the playing area is always there and is not written.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "board.h"
#include "random.h"

namespace qlx::test {

using Rows = std::vector<std::string>;

// Puts the picture into the bottom-right corner of the playing area (lines may
// be shorter than the board is wide); every other playing cell becomes empty.
inline void placePicture(GameState& s, const Rows& rows) {
    for (int16_t y = 1; y <= s.numRows; ++y)
        for (int16_t x = 1; x <= s.numCols; ++x) s.board[cellIndex(s, x, y)] = kEmpty;
    const int top = s.numRows - static_cast<int>(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int left = s.numCols - static_cast<int>(rows[r].size());
        if (top < 0 || left < 0) throw std::invalid_argument("picture larger than the board");
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const char ch = rows[r][c];
            int16_t code = ch == '.' ? kEmpty : ch == 'o' ? kToDeal : static_cast<int16_t>(ch - '0');
            if (ch != '.' && ch != 'o' && (ch < '1' || ch > '8')) throw std::invalid_argument("unknown cell");
            s.board[cellIndex(s, static_cast<int16_t>(left + 1 + c), static_cast<int16_t>(top + 1 + r))] = code;
        }
    }
}

// A Standard Game board exactly the size of the picture, 32-pixel tiles.
inline GameState boardFromPicture(const Rows& rows, int16_t numColors = 5) {
    GameState s;
    s.options.gameMode = kStandardGame;
    s.options.numColors = numColors;
    s.options.tileSizeIndex = 1;
    resetBoard(s, static_cast<int16_t>(rows.at(0).size()), static_cast<int16_t>(rows.size()));
    placePicture(s, rows);
    return s;
}

// The playing area as text.
inline Rows pictureOf(const GameState& s) {
    Rows rows;
    for (int16_t y = 1; y <= s.numRows; ++y) {
        std::string row;
        for (int16_t x = 1; x <= s.numCols; ++x) {
            const int16_t code = s.board[cellIndex(s, x, y)];
            row += code == kEmpty ? '.' : code == kToDeal ? 'o' : (code >= 1 && code <= 8) ? char('0' + code) : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// A source that replays fixed numbers in turn, for exact deals and batches.
class Replay final : public UniformSource {
public:
    explicit Replay(std::vector<double> v) : values_(std::move(v)) {}
    double next() override { return values_.at(pos_++ % values_.size()); }
    std::size_t used() const { return pos_; }

private:
    std::vector<double> values_;
    std::size_t pos_ = 0;
};

}  // namespace qlx::test
