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

TEST(Cursor, JumpsBetweenGroupsInTheReadingOrderOfTheirFirstCellsAndToTheLargest) {
    // Groups and their first cells: 1s (1,0), five 3s (3,0), 2s (0,1), 5s (2,1), 4s (2,3); lone 1s and a lone 5.
    const GameState s = boardFromPicture({".1133", "22513", ".5533", "5144."});
    const std::vector<GroupView> groups = groupsInReadingOrder(s);
    std::vector<Cell> firsts;
    for (const GroupView& g : groups) firsts.push_back(g.cells.front());
    EXPECT_EQ(firsts, (std::vector<Cell>{at(s, 1, 0), at(s, 3, 0), at(s, 0, 1), at(s, 2, 1), at(s, 2, 3)}));
    EXPECT_EQ(groups[1].cells.size(), 5u);  // each group once, however many cells it has
    const std::tuple<std::optional<Cell>, bool, Cell> table[] = {
        {std::nullopt, true, at(s, 1, 0)},   // from nowhere: the first group
        {std::nullopt, false, at(s, 2, 3)},  // ...or the last
        {at(s, 4, 2), true, at(s, 0, 1)},    // from within the 3s (first cell (3,0)): the 2s
        {at(s, 4, 2), false, at(s, 1, 0)},   // ...and back to the 1s
        {at(s, 2, 3), true, at(s, 1, 0)},    // after the last, round to the first
        {at(s, 1, 0), false, at(s, 2, 3)},   // before the first, round to the last
        {at(s, 3, 1), true, at(s, 2, 3)},    // from the lone 1 at (3,1): the next group after that cell
        {at(s, 3, 1), false, at(s, 2, 1)},   // ...or before it: the 5s
        {at(s, 1, 2), false, at(s, 0, 1)},   // from within the 5s, back to the 2s
        {at(s, 0, 0), true, at(s, 1, 0)},    // from an empty cell alike
    };
    for (auto [from, forward, want] : table) EXPECT_EQ(nextGroup(s, from, forward), want) << forward;
    EXPECT_EQ(largestGroup(s), at(s, 3, 0));
    // Of groups as large, the first in reading order.
    EXPECT_EQ(largestGroup(boardFromPicture({"1122", "3344"})), *cellAt(boardFromPicture({"1122", "3344"}), 0, 0));
    const GameState none = boardFromPicture({"12", "21"});
    EXPECT_TRUE(groupsInReadingOrder(none).empty());
    EXPECT_EQ(nextGroup(none, std::nullopt, true), std::nullopt);
    EXPECT_EQ(largestGroup(none), std::nullopt);
}
