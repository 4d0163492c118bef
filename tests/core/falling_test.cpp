// The falling batch and the clock.
#include <gtest/gtest.h>

#include <array>

#include "clock.h"
#include "board.h"
#include "text_board.h"

using namespace qlx;
using namespace qlx::test;

TEST(FallingTiles, ABatchEntersColumnsOneToNumColorsOfTheTopRowAndSettles) {
    GameState s = boardFromPicture({"............", "............", "..........12"});
    Replay r({0.0});
    ASSERT_TRUE(addFallingTiles(s, r));
    EXPECT_EQ(pictureOf(s), (Rows{"11111.......", "............", "..........12"}));
    settleBoard(s);
    EXPECT_EQ(pictureOf(s), (Rows{"............", "............", ".....1111112"}));
    // Settled onto taller columns: the tiles rest on them and pack to the right along each row.
    GameState t = boardFromPicture({"............", "..........33", "234523452345"});
    ASSERT_TRUE(addFallingTiles(t, r));
    settleBoard(t);
    EXPECT_EQ(pictureOf(t), (Rows{"............", ".....1111133", "234523452345"}));
}

TEST(FallingTiles, EntryIsBlockedOnlyUpToColumnNumColorsPlusOne) {
    // A tile at column numColors + 1 blocks and nothing changes; one column further right does not.
    GameState blocked = boardFromPicture({".....1......", "............"});
    const auto before = blocked.board;
    Replay r({0.5});
    EXPECT_FALSE(addFallingTiles(blocked, r));
    EXPECT_EQ(blocked.board, before);
    GameState open = boardFromPicture({"......1.....", "............"});
    EXPECT_TRUE(addFallingTiles(open, r));
    EXPECT_EQ(pictureOf(open)[0], "33333.1.....");
}

TEST(FallingTiles, RoundsToNearestWithHalvesToEven) {
    // (numColors - 1) r + 1 with 5 kinds: 0.125 gives 1.5 -> 2, 0.375 gives 2.5 -> 2, 0.625 gives 3.5 -> 4,
    // 0.124 gives 1.496 -> 1, 0.99 gives 4.96 -> 5.
    GameState s = boardFromPicture({"............"});
    Replay r({0.125, 0.375, 0.625, 0.124, 0.99});
    ASSERT_TRUE(addFallingTiles(s, r));
    EXPECT_EQ(pictureOf(s)[0], "22415.......");
}

TEST(Clock, TextHasMinutesAndTwoDigitSeconds) {
    const std::array<std::pair<int32_t, const char*>, 8> cases{
        {{0, "0:00"}, {7, "0:07"}, {9, "0:09"}, {10, "0:10"}, {59, "0:59"}, {60, "1:00"}, {600, "10:00"}, {4503, "75:03"}}};
    for (auto [seconds, text] : cases) EXPECT_EQ(clockText(seconds), text);
}

TEST(Clock, CountsUpInAStandardGameAndDownToATimeOutInFallingTiles) {
    GameState s{.options = {.gameMode = kStandardGame}, .clockSeconds = INT32_MAX - 1};
    EXPECT_FALSE(tickClock(s) || tickClock(s));  // wraps rather than overflowing, and never times out
    EXPECT_EQ(s.clockSeconds, INT32_MIN);
    s = {.options = {.gameMode = kFallingTiles}, .clockSeconds = 2};
    EXPECT_FALSE(tickClock(s));
    EXPECT_TRUE(tickClock(s) && s.clockSeconds == 0);
}
