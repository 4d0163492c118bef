// The cursor of keyboard play: its steps, where it appears, where it goes when
// its cell empties, and the group it reads, on boards drawn as text.
#include <gtest/gtest.h>

#include <tuple>

#include "cursor.h"
#include "text_board.h"

using namespace qlx;
using namespace qlx::test;

namespace {
Cell at(const GameState& s, int c, int r) { return *cellAt(s, c, r); }
}  // namespace

TEST(Cursor, StepsOneCellAndStopsAtTheEdges) {
    const GameState s = boardFromPicture({"123", "456"});
    const std::tuple<int, int, int16_t, int, int> table[] = {
        {0, 0, kLeft, 0, 0},  {0, 0, kUp, 0, 0},    {0, 0, kRight, 1, 0}, {0, 0, kDown, 0, 1},
        {2, 1, kRight, 2, 1}, {2, 1, kDown, 2, 1},  {2, 1, kLeft, 1, 1},  {2, 1, kUp, 2, 0},
        {1, 0, kUp, 1, 0},    {1, 1, kDown, 1, 1},  {1, 1, 0, 1, 1},
    };
    for (auto [c, r, d, wantC, wantR] : table)
        EXPECT_EQ(stepCursor(s, at(s, c, r), d), at(s, wantC, wantR)) << c << "," << r << " direction " << d;
}

TEST(Cursor, GoesToTheNearestTileLowestThenRightmostWhenItsCellIsEmpty) {
    const GameState s = boardFromPicture({".....", "...2.", ".1..3", "..444"});
    const std::tuple<int, int, int, int> table[] = {
        {3, 1, 3, 1},  // on a tile: stays
        {0, 0, 1, 2},  // three steps to the 1; nothing nearer
        {3, 0, 3, 1},  // straight down
        {4, 0, 4, 2},  // the 2 and the 3 are two steps away: the lower one
        {2, 2, 2, 3},  // the 1 to the left and the 4 below are one step away: the lower one
        {2, 1, 3, 1},  // the 1 down-left and the 4 two below are farther than the 2 beside it
        {0, 3, 2, 3},  // the 1 up-right and the 4 two to the right are equally near: the lower one
    };
    for (auto [c, r, wantC, wantR] : table)
        EXPECT_EQ(nearestTile(s, at(s, c, r)), at(s, wantC, wantR)) << "from " << c << "," << r;
    EXPECT_EQ(cursorStart(s), at(s, 4, 3));
    const GameState leaning = boardFromPicture({"1.", ".."});
    EXPECT_EQ(cursorStart(leaning), at(leaning, 0, 0));
    const GameState empty = boardFromPicture({"...", "..."});
    EXPECT_EQ(nearestTile(empty, at(empty, 1, 1)), std::nullopt);
    EXPECT_EQ(cursorStart(empty), std::nullopt);
}

TEST(Cursor, ReadsTheGroupUnderItWithoutChangingTheBoard) {
    GameState s = boardFromPicture({"1...", "12..", "2233", "1455"});
    s.score = 7;
    const GameState before = s;
    const GroupView two = groupAt(s, at(s, 1, 2));
    EXPECT_EQ(two.cells, (std::vector<Cell>{at(s, 1, 1), at(s, 0, 2), at(s, 1, 2)}));
    EXPECT_EQ(two.points, 6);
    EXPECT_EQ(groupAt(s, at(s, 3, 3)).points, 3);
    const GroupView lone = groupAt(s, at(s, 1, 3));
    EXPECT_EQ(lone.cells, std::vector<Cell>{at(s, 1, 3)});
    EXPECT_EQ(lone.points, 0);
    EXPECT_TRUE(groupAt(s, at(s, 3, 0)).cells.empty());
    EXPECT_EQ(pictureOf(s), pictureOf(before));
    EXPECT_EQ(s.markBoard, before.markBoard);
    EXPECT_EQ(s.score, 7);
}
