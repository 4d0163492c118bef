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
        {0, 0, kLeft, 0, 0},  {0, 0, kUp, 0, 0},   {0, 0, kRight, 1, 0}, {0, 0, kDown, 0, 1}, {1, 1, 0, 1, 1},
        {2, 1, kRight, 2, 1}, {2, 1, kDown, 2, 1}, {2, 1, kLeft, 1, 1},  {2, 1, kUp, 2, 0},
    };
    for (auto [c, r, d, wantC, wantR] : table)
        EXPECT_EQ(stepCursor(s, at(s, c, r), d), at(s, wantC, wantR)) << c << "," << r << " direction " << d;
}

TEST(Cursor, GoesToTheNearestTileLowestThenRightmostWhenItsCellIsEmpty) {
    const GameState s = boardFromPicture({".....", "...2.", ".1..3", "4.44."});
    const std::tuple<int, int, int, int> table[] = {
        {3, 1, 3, 1},  // on a tile: stays
        {2, 1, 3, 1},  // the 1 down-left and the 4 two below are farther than the 2 beside it
        {4, 0, 4, 2},  // the 2 and the 3 are two steps away: the lower one
        {3, 2, 3, 3},  // the 2 above, the 3 to the right and the 4 below are one step away: the lower one
        {1, 3, 2, 3},  // the 1 above and the 4s either side are one step away: the lower, then the right one
    };
    for (auto [c, r, wantC, wantR] : table)
        EXPECT_EQ(nearestTile(s, at(s, c, r)), at(s, wantC, wantR)) << "from " << c << "," << r;
    EXPECT_EQ(cursorStart(s), at(s, 3, 3));  // the tile nearest the empty bottom-right cell
    EXPECT_EQ(cursorStart(boardFromPicture({"...", "..."})), std::nullopt);
}

TEST(Cursor, ReadsTheGroupUnderIt) {
    const GameState s = boardFromPicture({"1...", "12..", "2233", "1455"});
    const GroupView two = groupAt(s, at(s, 1, 2));
    EXPECT_EQ(two.cells, (std::vector<Cell>{at(s, 1, 1), at(s, 0, 2), at(s, 1, 2)}));  // in reading order
    EXPECT_EQ(two.points, 6);
    for (Cell cell : {at(s, 1, 3), at(s, 3, 0)}) EXPECT_EQ(groupAt(s, cell).points, 0);  // a lone tile, an empty cell
}
