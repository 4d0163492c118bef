// The cost of one move's logic on the largest board, and of the end test.
#include <benchmark/benchmark.h>

#include "board.h"
#include "random.h"

using namespace qlx;

namespace {

GameState dealt(uint64_t seed, int16_t kinds = 8) {
    GameState s{.options = {.gameMode = kStandardGame, .gridSizeIndex = 3, .tileSizeIndex = 2, .numColors = kinds}};
    resetBoard(s);
    GameRandom rnd(seed);
    fillBoard(s, rnd);
    return s;
}

// The first cell, from the bottom right, that belongs to a group.
Cell firstGroupCell(const GameState& s) {
    for (int16_t i = static_cast<int16_t>(s.numCells - 1); i >= 0; --i) {
        if (isGroup(s, i)) return cellOf(s, i);
    }
    return cellOf(s, 0);
}

// Times `move` on 64 dealt boards in turn, each time on a fresh copy of the
// board and the first group found from its bottom right.
template <typename Move>
void timeMoves(benchmark::State& state, Move move) {
    std::vector<GameState> boards;
    for (uint64_t seed = 1; seed <= 64; ++seed) boards.push_back(dealt(seed));
    size_t k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        GameState s = boards[k++ % boards.size()];
        const Cell cell = firstGroupCell(s);
        state.ResumeTiming();
        move(s, cell);
    }
}

// Find, remove, fall, slide, end test: what a click does besides painting.
void BM_MoveLogic25x20(benchmark::State& state) {
    timeMoves(state, [](GameState& s, Cell cell) {
        benchmark::DoNotOptimize(clearGroupAt(s, cell.index));
        settleTiles(s, kDown);
        settleTiles(s, kRight);
        benchmark::DoNotOptimize(noMovesLeft(s));
    });
}
BENCHMARK(BM_MoveLogic25x20);

// The same move as the window makes it: one call, with the outcome it shows
// (the cleared cells and the two boards between).
void BM_PlayMove25x20(benchmark::State& state) {
    timeMoves(state, [](GameState& s, Cell cell) { benchmark::DoNotOptimize(playMove(s, cell).gameOver); });
}
BENCHMARK(BM_PlayMove25x20);

// The end test's worst case: a full 25 x 20 board with no group at all.
void BM_NoMovesLeftWithoutGroups(benchmark::State& state) {
    GameState s = dealt(1);
    for (int16_t y = 1; y <= s.numRows; ++y)
        for (int16_t x = 1; x <= s.numCols; ++x) s.board[cellIndex(s, x, y)] = static_cast<int16_t>(1 + (x + 2 * y) % 4);
    for (auto _ : state) benchmark::DoNotOptimize(noMovesLeft(s));
}
BENCHMARK(BM_NoMovesLeftWithoutGroups);

void BM_DealLargestBoard(benchmark::State& state) {
    GameState s = dealt(1);
    GameRandom rnd;
    for (auto _ : state) {
        resetBoard(s, 25, 20);
        fillBoard(s, rnd);
        benchmark::DoNotOptimize(s.board.data());
    }
}
BENCHMARK(BM_DealLargestBoard);

}  // namespace
