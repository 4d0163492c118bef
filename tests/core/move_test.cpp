// The move: finding, removing and scoring a group, the settle and the end test.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "text_board.h"
#include "board.h"
#include "random.h"
#include "reference_rules.h"

using namespace qlx;
using namespace qlx::test;

TEST(GroupSearch, FindsTheWholeGroupThroughEdgesOnly) {
    const std::tuple<Rows, int16_t, int16_t, int16_t> cases[] = {
        {{"1112", "2312", "1111"}, 1, 1, 8},              // along the border and round its corners
        {{"121", "212"}, 2, 1, 1},                        // diagonals do not touch
        {{"44444", "23334", "44444", "4...."}, 5, 1, 12},  // a snake that turns back on itself
    };
    for (const auto& [picture, x, y, size] : cases) {
        const GameState s = boardFromPicture(picture);
        EXPECT_EQ(isGroup(s, cellIndex(s, x, y)), size >= 2) << picture[0];
        const Group group = findGroup(s, cellIndex(s, x, y));
        ASSERT_EQ(group.size, size) << picture[0];
        for (int16_t k = 0; k < group.size; ++k) {
            EXPECT_TRUE(isInside(s, group.cells[k]) && s.board[group.cells[k]] == s.board[cellIndex(s, x, y)]);
        }
    }
    const GameState s = boardFromPicture({"1112", "2312", "1111"});
    EXPECT_EQ(readingOrder(s, findGroup(s, cellIndex(s, 2, 3))),
              (std::vector<Cell>{cellOf(s, cellIndex(s, 1, 1)), cellOf(s, cellIndex(s, 2, 1)), cellOf(s, cellIndex(s, 3, 1)),
                                 cellOf(s, cellIndex(s, 3, 2)), cellOf(s, cellIndex(s, 1, 3)), cellOf(s, cellIndex(s, 2, 3)),
                                 cellOf(s, cellIndex(s, 3, 3)), cellOf(s, cellIndex(s, 4, 3))}));
    EXPECT_EQ(findGroup(s, cellIndex(s, 0, 0)).size, 0);  // the frame holds no tile
}

TEST(GroupScore, IsTheTriangularNumber) {
    const std::array<std::pair<int16_t, int32_t>, 8> table{
        {{2, 3}, {3, 6}, {4, 10}, {5, 15}, {10, 55}, {20, 210}, {50, 1275}, {500, 125250}}};
    for (auto [n, points] : table) EXPECT_EQ(groupScore(n), points) << n;
}

TEST(ClearGroup, EmptiesTheGroupAndAddsItsPointsWithoutMovingTiles) {
    GameState s = boardFromPicture({"1...", "12..", "2233", "1455"});
    s.score = 4;
    EXPECT_EQ(clearGroupAt(s, cellIndex(s, 1, 3)), 6);  // the 2 above two 2s
    EXPECT_EQ(s.score, 10);
    EXPECT_EQ(pictureOf(s), (Rows{"1...", "1...", "..33", "1455"}));
    // A lone tile: no points and nothing changes.
    EXPECT_EQ(clearGroupAt(s, cellIndex(s, 2, 4)), 0);
    EXPECT_EQ(s.score, 10);
    EXPECT_EQ(pictureOf(s), (Rows{"1...", "1...", "..33", "1455"}));
    // The score wraps at 32 bits.
    s.score = INT32_MAX;
    EXPECT_EQ(clearGroupAt(s, cellIndex(s, 4, 3)), 3);
    EXPECT_EQ(s.score, INT32_MIN + 2);
}

TEST(Move, ReturnsTheGapTheFallenBoardAndTheSettledOne) {
    GameState s = boardFromPicture({"1...", "12..", "2233", "1455"});
    const auto boardOf = [&](const Cells& cells) {
        GameState view = s;
        view.board = cells;
        return pictureOf(view);
    };
    const MoveOutcome move = playMove(s, *cellAt(s, 1, 2));  // the 2 above two 2s
    EXPECT_EQ(move.result, MoveOutcome::Result::Cleared);
    EXPECT_EQ(move.cleared, (std::vector<Cell>{*cellAt(s, 1, 1), *cellAt(s, 0, 2), *cellAt(s, 1, 2)}));
    EXPECT_EQ(move.points, 6);
    EXPECT_EQ(s.score, 6);
    EXPECT_EQ(boardOf(move.gap), (Rows{"1...", "1...", "..33", "1455"}));
    EXPECT_EQ(boardOf(move.fallen), (Rows{"....", "1...", "1.33", "1455"}));
    EXPECT_EQ(pictureOf(s), (Rows{"....", "...1", ".133", "1455"}));
    EXPECT_FALSE(move.gameOver);

    // The 3s, the 5s, the last pair of 1s, then a lone 4: the end is asked after a lone tile too.
    for (const auto& [c, r, result, over] : {std::tuple{3, 2, MoveOutcome::Result::Cleared, false},
                                              std::tuple{3, 3, MoveOutcome::Result::Cleared, false},
                                              std::tuple{3, 3, MoveOutcome::Result::Cleared, true},
                                              std::tuple{3, 3, MoveOutcome::Result::LoneTile, true}}) {
        const MoveOutcome m = playMove(s, *cellAt(s, c, r));
        EXPECT_EQ(m.result, result) << c << "," << r;
        EXPECT_EQ(m.gameOver, over) << c << "," << r;
    }
    const GameState before = s;
    const MoveOutcome nothing = playMove(s, *cellAt(s, 0, 0));
    EXPECT_EQ(nothing.result, MoveOutcome::Result::NoTile);
    EXPECT_FALSE(nothing.gameOver);  // an empty cell does not ask for the end
    EXPECT_EQ(s.board, before.board);
}

TEST(Settle, SlideExampleStacksTallerColumnsOntoTheirRightNeighbours) {
    // Bottom row A B C, D over A, E over C, F over D; everything already dropped.
    GameState s = boardFromPicture({"6..", "4.5", "123"});
    settleTiles(s, kRight);
    EXPECT_EQ(pictureOf(s), (Rows{"..6", ".45", "123"}));
}

TEST(TileAtPixel, FirstPixelOfATileCountsToItsUpperLeftNeighbour) {
    GameState s = boardFromPicture({"123", "456"});
    // The three chosen sizes, and Big shown at 35 px on a screen too small for 48.
    const std::array<std::pair<int16_t, int16_t>, 4> sizes{{{0, 0}, {1, 0}, {2, 0}, {2, 35}}};
    for (auto [index, screenSize] : sizes) {
        s.options.tileSizeIndex = index;
        s.screenTileSize = screenSize;
        const int16_t size = screenSize ? screenSize : tilePixels(index);
        ASSERT_EQ(tileSize(s), size);
        EXPECT_EQ(boardWidth(s), 3 * size);
        EXPECT_EQ(boardHeight(s), 2 * size);
        EXPECT_EQ(cellRect(s, *cellAt(s, 2, 1)).x, 2 * size);
        EXPECT_EQ(cellAtPoint(s, 2 * size, size - 1), cellAt(s, 2, 0));
        const double t = size;
        // pixel -> column and row from 0
        const std::array<std::tuple<double, double, int, int>, 7> table{{
            {0, 0, 0, 0}, {t, t, 0, 0}, {t + 1, 1, 1, 0}, {1, t + 1, 0, 1},
            {3 * t - 1, 2 * t - 1, 2, 1}, {2 * t + 0.75, 0.25, 2, 0}, {2 * t + 0.25, 0.25, 1, 0}}};
        for (auto [x, y, c, r] : table) {
            const auto cell = tileAtPixel(s, x, y);
            ASSERT_TRUE(cell) << size << ": " << x << "," << y;
            EXPECT_EQ(*cell, (Cell{int16_t(c), int16_t(r), cellIndex(s, int16_t(c + 1), int16_t(r + 1))}))
                << size << ": " << x << "," << y;
        }
    }
}

TEST(TileAtPixel, GivesNothingOutsideThePlayingAreaOrOnAnEmptyCell) {
    GameState s = boardFromPicture({"1.3", "456"});
    const double w = 3 * 32, h = 2 * 32;
    const std::array<std::pair<double, double>, 9> outside{{{-1, 5}, {5, -1}, {-0.25, 5}, {w + 1, 5}, {5, h + 1},
                                                            {1e12, 5}, {5, -1e12}, {std::nan(""), 5}, {40, 5}}};
    for (auto [x, y] : outside) EXPECT_FALSE(tileAtPixel(s, x, y)) << x << "," << y;
    ASSERT_TRUE(tileAtPixel(s, w, h));  // the last pixel still belongs to the last cell
    EXPECT_EQ(tileAtPixel(s, w, h)->index, cellIndex(s, 3, 2));
    // A board picture larger than the playing area never reaches the border.
    GameState wide = boardFromPicture({"11", "11"});
    EXPECT_FALSE(tileAtPixel(wide, 64 + 16, 16));
    EXPECT_EQ(clearGroupAt(wide, cellIndex(wide, 2, 2)), 10);
    for (int16_t i = 0; i < wide.numCells; ++i) EXPECT_TRUE(isInside(wide, i) || wide.board[i] == kBorder) << i;
}

TEST(NoMovesLeft, SeesAnyPairOfEqualNeighboursAndIgnoresEmptyCells) {
    EXPECT_TRUE(noMovesLeft(boardFromPicture({"..", ".."})));
    EXPECT_TRUE(noMovesLeft(boardFromPicture({"1.1", "212"})));
    EXPECT_FALSE(noMovesLeft(boardFromPicture({"...", ".33"})));
    EXPECT_FALSE(noMovesLeft(boardFromPicture({"..2", "1.2"})));
}

namespace {

// A settled random board: columns of random heights packed down and right, a
// random mix of kinds, the way a game leaves it.
GameState randomBoard(GameRandom& rnd, int16_t cols, int16_t rows, int16_t kinds) {
    GameState s;
    s.options.gameMode = kStandardGame;
    s.options.numColors = kinds;
    resetBoard(s, cols, rows);
    fillBoard(s, rnd);
    const double holes = rnd.next() * 0.7;
    for (int16_t i = 0; i < s.numCells; ++i)
        if (isInside(s, i) && rnd.next() < holes) s.board[i] = kEmpty;
    return s;
}

}  // namespace

// The step-by-step forms are the plain algorithms; equal boards after each
// settle mean the same tiles, packed the same way.
TEST(Property, SettleAndEndTestAgreeWithTheirStepwiseFormsOnRandomBoards) {
    GameRandom rnd(12345);
    for (int g = 1; g <= 4; ++g) {
        for (int16_t kinds = 5; kinds <= 8; ++kinds) {
            for (int k = 0; k < 250; ++k) {
                SCOPED_TRACE(testing::Message() << "grid " << g << ", " << kinds << " kinds, board " << k);
                GameState s = randomBoard(rnd, kGrids[g - 1].cols, kGrids[g - 1].rows, kinds);
                GameState ref = s;
                for (int16_t direction : {kDown, kRight}) {
                    settleTiles(s, direction);
                    test::settleTilesStepwise(ref, direction);
                    ASSERT_EQ(s.board, ref.board) << "direction " << direction;
                }
                ASSERT_EQ(noMovesLeft(s), test::noMovesLeftBySearch(ref));
            }
        }
    }
}

TEST(Property, EndTestAgreesOnBoardsWithFewGroups) {
    // Boards with no group are rare when dealt at random: alternate four kinds and break the pattern in a few cells.
    GameRandom rnd(99);
    int withoutGroups = 0;
    for (int k = 0; k < 2000; ++k) {
        GameState s = boardFromPicture(Rows(10, std::string(12, '1')), 8);
        for (int16_t y = 1; y <= 10; ++y)
            for (int16_t x = 1; x <= 12; ++x) s.board[cellIndex(s, x, y)] = int16_t(1 + (x + 2 * y) % 4);
        for (int flips = k % 3; flips > 0; --flips)
            s.board[cellIndex(s, int16_t(1 + rnd.next() * 12), int16_t(1 + rnd.next() * 10))] = int16_t(1 + rnd.next() * 8);
        GameState ref = s;
        withoutGroups += noMovesLeft(s);
        ASSERT_EQ(noMovesLeft(s), test::noMovesLeftBySearch(ref)) << "board " << k;
    }
    EXPECT_TRUE(withoutGroups > 500 && withoutGroups < 2000) << withoutGroups;
}
