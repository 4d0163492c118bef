// The look-ahead behind Hint and "Best found": a search over the moves of a
// board for a sequence with a high total. Plain C++20, no Qt: it works on a
// copy of the board it is given, and can be cancelled from another thread.
//
// The method is a beam search, widened step by step. A beam of width w keeps,
// after every move, the w most promising distinct boards (identical boards
// reached by different moves are kept once, with the better score), ranked by
// score so far plus the points of every group on the board (with n * (n + 1) / 2
// points for n tiles, a board whose tiles of one kind are joined is worth far
// more than one where they are scattered), and a little for each kind that
// still has many tiles on the board, where they may yet join. Widths 1, 2, 4, ... are tried in turn
// until the budget is spent; the best finished game of any of them is the
// answer. When a beam never had to drop a board the search has seen every
// board the position can reach, so its answer is the optimum and it stops.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "board.h"

namespace qlx {

// The playing area alone, for the search to play on: one byte a cell, 0 an empty cell,
// 1..8 a tile, with a frame of 0xFF round it (one row above, one below, and
// one column that closes each row on both sides). Cells are addressed by a
// flat index. A move on it clears, falls and slides exactly as playMove does
// on the game's board (the search's tests compare the two move for move).
// The boards the search keeps are packed at half a byte a cell (pack(), unpack()):
// a few are played on at a time, the beam itself is packed.
class FlatBoard {
public:
    static constexpr int kCells = (20 + 2) * (25 + 1);

    FlatBoard() = default;
    explicit FlatBoard(const GameState& s);

    int cols() const { return cols_; }
    int rows() const { return rows_; }
    int stride() const { return cols_ + 1; }
    // The flat index of column c, row r (from 0 at the top-left), and back.
    int index(int c, int r) const { return (r + 1) * stride() + c; }
    int col(int i) const { return i % stride(); }
    int row(int i) const { return i / stride() - 1; }
    uint8_t at(int c, int r) const { return cells_[static_cast<std::size_t>(index(c, r))]; }
    const uint8_t* data() const { return cells_.data(); }

    // Clears the group of the tile at flat index i and lets the tiles fall
    // and slide right. Returns the group's size; 0, and nothing changed, for
    // an empty cell or a lone tile.
    int play(int i);

    // A hash of the cells: equal boards hash equal.
    uint64_t hash() const;

    // True when every column is packed down and every row packed right, as
    // after any move; a board made from an unsettled game state is not.
    bool settled() const { return settled_; }

    // The playing cells packed at half a byte each, row by row from the top
    // (two cells a byte, the first in the low half): packedBytes() bytes.
    int packedBytes() const { return (cols_ * rows_ + 1) / 2; }
    void pack(uint8_t* out) const;
    // The cells back from pack() of a board of this size; the frame stays.
    void unpack(const uint8_t* in, bool settled);

private:
    int16_t cols_ = 0;
    int16_t rows_ = 0;
    bool settled_ = false;  // every column packed down and every row packed right
    std::array<uint8_t, kCells> cells_{};
};

// The groups of two or more tiles on a flat board: for each, its first cell
// in reading order and its size.
struct FlatGroups {
    int count = 0;
    std::array<int16_t, 25 * 20 / 2> first{};  // flat index
    std::array<int16_t, 25 * 20 / 2> size{};
    int32_t points = 0;  // the sum of the groups' points
    std::array<int16_t, kMaxKinds + 1> kindCount{};  // tiles of each kind 1..8 on the board
};
void findGroups(const FlatBoard& b, FlatGroups& out);

// How much the search may do. A limit of 0 is no limit; without any limit the
// search runs until it has seen every board (on large boards: practically
// forever). With a node limit alone the answer is the same on every run and
// every machine; with a time limit it depends on the machine's speed.
struct SearchBudget {
    int64_t nodes = 0;                  // boards made by a move
    std::chrono::milliseconds time{0};  // from the start of the search
    int maxWidth = 1 << 16;             // the widest beam tried (at most 1 << 16)
    uint64_t seed = 0;                  // orders boards of equal promise
};

struct SearchResult {
    std::vector<Cell> moves;  // cells to play in turn, each on the board the moves before it left
    int32_t total = 0;        // the points of these moves together
    bool optimal = false;     // the search saw every board: no sequence scores more
    bool cancelled = false;   // stopped by the cancel flag; the moves are the best found until then
    int64_t nodes = 0;        // boards made
    int width = 0;            // the widest beam finished
};

// Searches from the board of s (its score is not counted in the total). The
// flag, when given, is read while the search runs: once it is true the search
// stops at its next check (within a few hundred boards) and returns.
SearchResult searchBest(const GameState& s, const SearchBudget& budget, const std::atomic<bool>* cancel = nullptr);

}  // namespace qlx
