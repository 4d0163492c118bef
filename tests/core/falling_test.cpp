// The falling batch and the clock.
#include <gtest/gtest.h>

#include <array>

#include "text_board.h"
#include "clock.h"
#include "modData.h"
#include "random.h"

using namespace qlx;
using namespace qlx::test;

namespace {
class Fixed final : public UniformSource {
public:
    explicit Fixed(double v) : v_(v) {}
    double next() override { return v_; }

private:
    double v_;
};
}  // namespace

TEST(FallingTiles, ABatchEntersColumnsOneToNumColorsOfTheTopRowAndSettles) {
    GameState s = boardFromPicture({"............", "............", "..........12"});
    Fixed r(0.0);
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
    // A tile at column numColors + 1 blocks and nothing changes.
    GameState blocked = boardFromPicture({".....1......", "............"});
    const auto before = blocked.board;
    Fixed r(0.5);
    EXPECT_FALSE(addFallingTiles(blocked, r));
    EXPECT_EQ(blocked.board, before);

    // One column further right does not block.
    GameState open = boardFromPicture({"......1.....", "............"});
    EXPECT_TRUE(addFallingTiles(open, r));
    EXPECT_EQ(pictureOf(open)[0], "33333.1.....");
}

TEST(FallingTiles, RoundsToNearestWithHalvesToEven) {
    // (numColors - 1) r + 1 with 5 kinds: r = 0.125 gives 1.5 -> 2, r = 0.375 gives 2.5 -> 2,
    // r = 0.625 gives 3.5 -> 4, r just under 1 gives 5.
    const std::array<std::pair<double, int16_t>, 5> cases{{{0.125, 2}, {0.375, 2}, {0.625, 4}, {0.124, 1}, {0.99, 5}}};
    for (auto [r, kind] : cases) {
        GameState s = boardFromPicture({"............"});
        Fixed f(r);
        ASSERT_TRUE(addFallingTiles(s, f));
        EXPECT_EQ(s.board[cellIndex(s, 1, 1)], kind) << "r = " << r;
    }
}

TEST(Clock, TextHasMinutesAndTwoDigitSeconds) {
    const std::array<std::pair<int32_t, const char*>, 8> cases{
        {{0, "0:00"}, {7, "0:07"}, {9, "0:09"}, {10, "0:10"}, {59, "0:59"}, {60, "1:00"}, {600, "10:00"}, {4503, "75:03"}}};
    for (auto [seconds, text] : cases) EXPECT_EQ(clockText(seconds), text);
}

TEST(Clock, CountsUpInAStandardGameAndDownToATimeOutInFallingTiles) {
    GameState s;
    s.gameMode = kStandardGame;
    s.clockSeconds = INT32_MAX - 1;
    EXPECT_FALSE(tickClock(s));
    EXPECT_FALSE(tickClock(s));  // wraps rather than overflowing, and never times out
    EXPECT_EQ(s.clockSeconds, INT32_MIN);
    s.gameMode = kFallingTiles;
    s.clockSeconds = 2;
    EXPECT_FALSE(tickClock(s));
    EXPECT_TRUE(tickClock(s));
    EXPECT_EQ(s.clockSeconds, 0);
}

TEST(Clock, LimitsAndPeriodsFollowTheStoredIndexes) {
    EXPECT_EQ(timeLimitFor(3), 210);
    EXPECT_EQ(timeLimitFor(19), 690);
    EXPECT_EQ(clockText(timeLimitFor(19) - 1), "11:29");
    EXPECT_EQ(tilePeriodFor(0), 2000);
    EXPECT_EQ(tilePeriodFor(3), 5000);
    EXPECT_EQ(tilePeriodFor(19), 21000);
}
