// Deals that can be named and played again: a deal's number, restarting a
// deal, a deal chosen by its number, Undo All and Redo All, and the replay of
// the best line found. Boards are dealt by the game's own generator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cursor.h"
#include "deal_number.h"
#include "game_flow.h"
#include "random.h"
#include "search.h"
#include "text_board.h"

using namespace qlx;
using namespace qlx::test;

namespace {

Options optionsFor(int16_t mode, int16_t kinds = 5) {
    Options o = firstRunOptions();  // 12 x 10
    o.gameMode = mode;
    o.numColors = kinds;
    return o;
}

class DealTest : public ::testing::Test {
protected:
    GameRandom random;
    GameFlow flow{random};

    void use(int16_t mode, int16_t kinds = 5) { flow.setOptions(optionsFor(mode, kinds)); }
    Rows board() const { return pictureOf(flow.state()); }

    // Plays the first group in reading order until the game ends or `moves` have been played.
    void playGroups(int moves) {
        for (int m = 0; m < moves && flow.running(); ++m) {
            const std::optional<Cell> group = nextGroup(flow.state(), std::nullopt, true);
            ASSERT_TRUE(group);
            flow.play(*group);
        }
    }
};

// What a deal of that number looks like, for every build on every machine.
// Any change here changes the deals that players share.
struct Golden {
    int16_t mode;
    uint64_t number;
    Rows rows;
};

const std::vector<Golden> kGolden = {
    {kStandardGame, 0,
     {"541135343115", "133112412413", "552244234525", "551411524345", "153221425452",
      "434344322345", "212332415523", "554212533522", "335134231213", "535335412321"}},
    {kStandardGame, 999999999,
     {"212423234322", "252122532541", "121233515444", "311352214242", "332135441125",
      "531524532125", "151213455235", "113522311333", "241143452314", "421221151235"}},
    {kFallingTiles, 4242,
     {"............", "............", "421134213255", "443423131355", "425554332335",
      "311422311345", "552142343322", "355212551324", "234332123424", "423352212521"}},
};

TEST_F(DealTest, ANumberDealsItsGoldenBoardAndOneOutOfRangeDealsNothing) {
    for (const Golden& g : kGolden) {
        use(g.mode);
        const FlowOutcome out = flow.playDeal(g.number);
        EXPECT_EQ(board(), g.rows) << "deal " << g.number << " in mode " << g.mode;
        EXPECT_EQ(flow.dealNumber(), g.number);
        ASSERT_EQ(out.speech.size(), 1u);  // a screen reader hears the number
        EXPECT_EQ(out.speech[0].deal, g.number);
    }
    EXPECT_TRUE(flow.playDeal(kMaxDealNumber + 1).empty());
    EXPECT_EQ(flow.dealNumber(), kGolden.back().number);
}

// The deals a player gets without asking (the first at start-up, then one
// after another, with falling batches between them) keep their boards, and
// each one's number plays it again.
TEST_F(DealTest, EveryDealGivenWithoutAskingHasTheNumberThatPlaysIt) {
    struct Seen {
        Options options;
        uint64_t number;
        Rows rows;
    };
    std::vector<Seen> seen;
    GameRandom reference;  // the generator as the deals used it before deals had numbers
    for (int16_t mode : {kStandardGame, kFallingTiles, kStandardGame}) {
        use(mode, mode == kFallingTiles ? 7 : 5);
        flow.start();
        GameState plain = flow.state();
        resetBoard(plain);
        fillBoard(plain, reference);
        ASSERT_EQ(board(), pictureOf(plain)) << "the deals given without asking are as they always were";
        ASSERT_TRUE(flow.dealNumber());
        seen.push_back({flow.options(), *flow.dealNumber(), board()});
        for (int batch = 0; batch < 3; ++batch) {
            flow.fallingTick();
            if (mode == kFallingTiles && addFallingTiles(plain, reference)) settleBoard(plain);  // the same draws
        }
    }
    EXPECT_EQ(seen.front().number, 0u) << "the first board after start-up is deal 0";
    GameRandom other;
    GameFlow again(other);
    for (auto it = seen.rbegin(); it != seen.rend(); ++it) {
        again.setOptions(it->options);
        again.playDeal(it->number);
        EXPECT_EQ(pictureOf(again.state()), it->rows) << "deal " << it->number;
    }
}

TEST_F(DealTest, RestartDealsTheSameBoardAndTheSameFallingBatches) {
    for (int16_t mode : {kStandardGame, kFallingTiles}) {
        use(mode);
        flow.start();
        flow.start();  // not the first deal
        const Rows dealt = board();
        const int32_t clockAtStart = flow.state().clockSeconds;
        std::vector<Rows> afterBatches;
        for (int batch = 0; batch < 4; ++batch) {
            if (mode == kStandardGame) {
                playGroups(1);
            } else {
                flow.clockTick();
                flow.fallingTick();
            }
            afterBatches.push_back(board());
        }
        const FlowOutcome out = flow.restart();
        EXPECT_TRUE(out.started);
        EXPECT_EQ(board(), dealt);
        EXPECT_EQ(flow.state().score, 0);
        EXPECT_EQ(flow.state().clockSeconds, clockAtStart);
        EXPECT_TRUE(flow.knownDeal());
        ASSERT_EQ(out.speech.size(), 1u);
        EXPECT_EQ(out.speech[0].kind, Utterance::Kind::Deal);
        EXPECT_TRUE(out.speech[0].again);
        if (mode == kFallingTiles) {
            for (const Rows& expected : afterBatches) {
                flow.fallingTick();
                EXPECT_EQ(board(), expected) << "the batches follow as in the first play of the deal";
            }
        }
    }
}

TEST_F(DealTest, AKnownDealDoesNotEnterTheBestScoresAndANewDealDoes) {
    use(kStandardGame);
    for (const int known : {0, 1, 2}) {
        flow.start();
        if (known == 1) flow.restart();
        if (known == 2) flow.playDeal(4242);
        EXPECT_EQ(flow.knownDeal(), known != 0);
        std::optional<GameEnd> end;
        while (!end) {
            const std::optional<Cell> group = nextGroup(flow.state(), std::nullopt, true);
            ASSERT_TRUE(group) << "a game that goes on without a group";
            end = flow.play(*group).end;
        }
        EXPECT_EQ(end->mayEnterBestScores, known == 0) << "case " << known;
    }
}

TEST_F(DealTest, UndoAllThenRedoAllGivesThePlayedBoardAndScoreBack) {
    use(kStandardGame);
    flow.playDeal(77);
    const Rows dealt = board();
    EXPECT_FALSE(flow.undoAll().frames.size()) << "nothing to undo yet";
    playGroups(5);
    ASSERT_TRUE(flow.running());
    const Rows played = board();
    const int32_t score = flow.state().score;
    ASSERT_GT(score, 0);

    EXPECT_EQ(flow.undoAll().frames.size(), 1u) << "one picture, not one per move";
    EXPECT_EQ(board(), dealt);
    EXPECT_EQ(flow.state().score, 0);
    EXPECT_TRUE(flow.assisted());
    EXPECT_FALSE(flow.canUndo());

    const FlowOutcome forth = flow.redoAll();
    EXPECT_EQ(board(), played);
    EXPECT_EQ(flow.state().score, score);
    ASSERT_EQ(forth.speech.size(), 1u);
    EXPECT_EQ(forth.speech[0].points, score) << "the moves' points together";
    EXPECT_FALSE(flow.canRedo());

    use(kFallingTiles);  // Undo and Redo, and so Undo All and Redo All, are for Standard games
    flow.start();
    playGroups(1);
    EXPECT_TRUE(flow.undoAll().empty());
}

TEST(DealNumber, EveryNumberInTheRangeIsTakenAndAnythingElseRefused) {
    for (const auto& [text, number] : std::vector<std::pair<std::string, uint64_t>>{
             {"0", 0}, {"1", 1}, {"999999999", kMaxDealNumber}, {" 42 ", 42}, {"\t120\n", 120}, {"007", 7}}) {
        EXPECT_EQ(parseDealNumber(text), number) << text;
        EXPECT_EQ(parseDealNumber(dealNumberText(number)), number);
    }
    for (const std::string text : {"", "   ", "-1", "+1", "1000000000", "18446744073709551617", "1e3", "1.0", "1,000",
                                   "12 34", "abc", "0x10", "4 2", "\xd9\xa3", "１２"}) {
        EXPECT_EQ(parseDealNumber(text), std::nullopt) << text;
    }
}

// The line replayed is the search's, on the board as dealt; it ends on the
// total found, and stopping brings back the finished game untouched.
TEST_F(DealTest, TheBestLineReplaysToItsTotalAndLeavesTheFinishedGameAlone) {
    use(kStandardGame);
    const FlowOutcome started = flow.playDeal(31337);
    const Rows dealt = board();
    SearchBudget budget;
    budget.nodes = 20'000;
    const SearchResult found = searchBest(flow.state(), budget);
    ASSERT_FALSE(found.moves.empty());
    ASSERT_EQ(started.searches.size(), 1u);
    flow.searchAnswered(SearchKind::BestFound, started.searches[0].ticket, found);
    EXPECT_FALSE(flow.canShowBestLine()) << "only once the game is over";
    playGroups(1000);
    ASSERT_TRUE(flow.over());
    const Rows finished = board();
    const int32_t score = flow.state().score;
    ASSERT_TRUE(flow.canShowBestLine());

    FlowOutcome out = flow.showBestLine();
    EXPECT_EQ(board(), dealt);
    std::size_t moves = 0;
    while (out.nextStepIn) {
        out = flow.bestLineStep();
        EXPECT_FALSE(out.end);
        if (!out.frames.empty()) {
            ++moves;
            EXPECT_EQ(out.frames.front().pauseAfter, kGapPause);
        }
        ASSERT_LE(moves, found.moves.size());
    }
    EXPECT_EQ(moves, found.moves.size());
    EXPECT_EQ(flow.state().score, found.total);
    EXPECT_TRUE(flow.showingBestLine()) << "the line's last board stays until stopped";

    flow.stopBestLine();
    EXPECT_FALSE(flow.showingBestLine());
    EXPECT_EQ(board(), finished);
    EXPECT_EQ(flow.state().score, score);
    EXPECT_TRUE(flow.over());
    EXPECT_TRUE(flow.canShowBestLine()) << "it can be watched again";
}

}  // namespace
