// The bordered board: layout, cell indexes, the deal and the generator.
#include <gtest/gtest.h>

#include <array>

#include "text_board.h"
#include "board.h"
#include "random.h"

using namespace qlx;

namespace {

GameState freshState(int16_t mode) { return GameState{.options = {.gameMode = mode, .numColors = 5}}; }

}  // namespace

TEST(ResetBoard, FramesThePlayingAreaAndLeavesTheTopRowsEmptyInFallingTiles) {
    // Falling Tiles leaves rows 1..(rows/3 - 1) empty: 2, 3, 4 and 5 rows for the four grid heights.
    const std::array<int16_t, 5> emptyRows{0, 2, 3, 4, 5};
    for (int16_t mode : {kStandardGame, kFallingTiles}) {
        for (int g = 1; g <= 4; ++g) {
            GameState s = freshState(mode);
            const GridSize grid = kGrids[g - 1];
            resetBoard(s, grid.cols, grid.rows);
            ASSERT_EQ(s.numCells, (grid.cols + 2) * (grid.rows + 2));
            ASSERT_LT(s.numCells, kBoardCapacity);
            for (int16_t i = 0; i < s.numCells; ++i) {
                const int16_t x = cellCol(s, i), y = cellRow(s, i);
                const bool border = x == 0 || y == 0 || x == s.numCols + 1 || y == s.numRows + 1;
                const bool empty = mode == kFallingTiles && y <= emptyRows[g];
                ASSERT_EQ(isInside(s, i), !border) << "index " << i;
                ASSERT_EQ(s.board[i], border ? kBorder : empty ? kEmpty : kToDeal)
                    << "mode " << mode << ", grid " << g << ", cell " << x << "," << y;
            }
        }
    }
}

TEST(FillBoard, MapsTheUnitIntervalOntoKindsByFloorAndRedealsOnlyTiles) {
    // 5r + 1 floored: 0 -> 1, 0.2 -> 2, 0.1999 -> 1, 0.9999 -> 5; an empty cell takes no number.
    GameState s = test::boardFromPicture({"5.12", "oooo"});
    test::Replay rnd({0.0, 0.2, 0.1999, 0.9999, 0.5, 0.5, 0.5});
    fillBoard(s, rnd);
    EXPECT_EQ(test::pictureOf(s), (test::Rows{"1.21", "5333"}));
    EXPECT_EQ(rnd.used(), 7u);
}

TEST(GameRandom, StartsFromTheSameStateEveryRun) {
    // The sequence itself is part of the program (the first board after start-up
    // must be the same on every build and machine): SplitMix64 from the fixed state.
    GameRandom a;
    EXPECT_EQ(a.nextBits(), 0xfa96aac0c971fdc2ull);
}

TEST(GameRandom, StaysInTheUnitIntervalAndCoversEveryKindEvenly) {
    GameRandom rnd;
    std::array<int, 8> counts{};
    for (int k = 0; k < 80000; ++k) ++counts.at(static_cast<std::size_t>(8 * rnd.next()));  // throws outside [0, 1)
    for (int c : counts) EXPECT_NEAR(c, 10000, 1000);
}
