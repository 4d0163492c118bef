// The flow of a game: what each input does to a running game and what it asks
// a front end to show, play and say. Boards are laid out as text after start();
// search answers are built by hand.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "board.h"
#include "cursor.h"
#include "game_flow.h"
#include "random.h"
#include "text_board.h"

using namespace qlx;
using namespace qlx::test;

namespace qlx {
// Readable failures. Internal linkage: other test files may print these their own way.
[[maybe_unused]] static void PrintTo(const Cell& c, std::ostream* os) { *os << "(" << c.c << "," << c.r << ")"; }
[[maybe_unused]] static void PrintTo(const CellView& v, std::ostream* os) {
    *os << "(" << v.cell.c << "," << v.cell.r << ") code " << v.code << " group " << v.groupSize << " points "
        << v.points;
}
}  // namespace qlx

namespace {

// Gives the number it is set to: batches of one kind (with 5 kinds, 0 deals 1s and 0.99 deals 5s).
class Dial final : public UniformSource {
public:
    double value = 0.0;
    double next() override { return value; }
};

// On the 12 x 10 grid, columns 8..11 and rows 6..9:
//   ...2     the three 1s (6 points) are the first move: the 2 falls, and the 5
//   ...1     slides right once the column beside it is lower; the 3s (3 points)
//   ..51     are then the last group.
//   3341
const Rows kTwoMoves{"...2", "...1", "..51", "3341"};

Options optionsFor(int16_t mode) {
    Options o = firstRunOptions();  // 12 x 10, five kinds, speed index 3, time index 3
    o.gameMode = mode;
    return o;
}

std::optional<SearchOrder> findOrder(const FlowOutcome& out, SearchKind kind, bool cancel) {
    for (const SearchOrder& o : out.searches)
        if (o.kind == kind && o.cancel == cancel) return o;
    return std::nullopt;
}

SearchResult answer(std::vector<Cell> moves, int32_t total) {
    SearchResult r;
    r.moves = std::move(moves);
    r.total = total;
    return r;
}

std::vector<Utterance::Kind> kinds(const FlowOutcome& out) {
    std::vector<Utterance::Kind> k;
    for (const Utterance& u : out.speech) k.push_back(u.kind);
    return k;
}

class FlowTest : public ::testing::Test {
protected:
    Dial random;
    GameFlow flow{random};

    // A new game of the mode; with a picture, the board is laid out as it.
    FlowOutcome newGame(int16_t mode, const Rows& picture = {}, Options o = {}) {
        if (o == Options{}) o = optionsFor(mode);
        o.gameMode = mode;
        flow.setOptions(o);
        FlowOutcome out = flow.start();
        if (!picture.empty()) placePicture(flow.stateForTests(), picture);
        return out;
    }

    Cell at(int c, int r) const { return *cellAt(flow.state(), c, r); }

    // The bottom-right corner of a board picture as text: `rows` rows of `cols` cells (all 12 by default).
    Rows corner(const Cells& cells, int rows, int cols = 12) const {
        GameState s = flow.state();
        s.board = cells;
        const Rows all = pictureOf(s);
        Rows part(all.end() - rows, all.end());
        for (std::string& line : part) line = line.substr(line.size() - static_cast<std::size_t>(cols));
        return part;
    }

    // Shows the cursor (on its start cell) and steps it to (c, r).
    void putCursor(int c, int r) {
        if (!flow.cursor()) flow.moveCursor(kLeft);
        while (flow.cursor()->c > c) flow.moveCursor(kLeft);
        while (flow.cursor()->c < c) flow.moveCursor(kRight);
        while (flow.cursor()->r > r) flow.moveCursor(kUp);
        while (flow.cursor()->r < r) flow.moveCursor(kDown);
        ASSERT_EQ(flow.cursor(), at(c, r));
    }

    // Plays both moves of kTwoMoves: the second ends the game.
    FlowOutcome playToTheEnd() {
        flow.play(at(11, 9));
        return flow.play(at(8, 9));
    }

    // The outcome of the input that ends the game: the end with its score, said
    // in the end's words alone, both timers stopped, and the flow over.
    void expectEnd(const FlowOutcome& out, EndReason reason, int32_t score, std::optional<int32_t> lastMovePoints) {
        ASSERT_TRUE(out.end);
        EXPECT_EQ(out.end->reason, reason);
        EXPECT_EQ(out.end->score, score);
        ASSERT_EQ(kinds(out), std::vector{Utterance::Kind::End});
        EXPECT_EQ(out.speech[0].score, score);
        EXPECT_EQ(out.speech[0].lastMovePoints, lastMovePoints);
        EXPECT_EQ(out.clockTimer, TimerAction::Stop);
        EXPECT_EQ(out.fallingTimer, TimerAction::Stop);
        EXPECT_TRUE(flow.over() && !flow.inProgress());
        EXPECT_EQ(flow.endReason(), reason);
    }

    // No input does anything: none asks the front end for anything, and the
    // board, the score, the clock and the cursor stay as they were.
    void expectEveryInputIgnored(Cell cell) {
        const GameState before = flow.state();
        const std::optional<Cell> cursor = flow.cursor();
        const std::pair<const char*, std::function<FlowOutcome()>> inputs[] = {
            {"play", [&] { return flow.play(cell); }},
            {"play at the cursor", [&] { return flow.playCursor(); }},
            {"press", [&] { return flow.press(cell); }},
            {"clock tick", [&] { return flow.clockTick(); }},
            {"falling tick", [&] { return flow.fallingTick(); }},
            {"hint", [&] { return flow.hint(); }},
            {"undo", [&] { return flow.undo(); }},
            {"redo", [&] { return flow.redo(); }},
            {"arrow", [&] { return flow.moveCursor(kLeft); }},
            {"largest group", [&] { return flow.cursorToLargestGroup(); }},
            {"next group", [&] { return flow.cursorToNextGroup(true); }},
            {"group before", [&] { return flow.cursorToNextGroup(false); }},
        };
        for (const auto& [name, input] : inputs) EXPECT_TRUE(input().empty()) << name;
        EXPECT_EQ(flow.state().board, before.board);
        EXPECT_EQ(flow.state().score, before.score);
        EXPECT_EQ(flow.state().clockSeconds, before.clockSeconds);
        EXPECT_EQ(flow.cursor(), cursor);
    }
};

using FlowStart = FlowTest;
using FlowMove = FlowTest;
using FlowPause = FlowTest;
using FlowClock = FlowTest;
using FlowBatch = FlowTest;
using FlowUndo = FlowTest;
using FlowAssist = FlowTest;
using FlowSearch = FlowTest;
using FlowCursor = FlowTest;
using FlowOptions = FlowTest;

}  // namespace

// ---------------------------------------------------------------- start

TEST_F(FlowStart, AStandardDealIsFullWithTheClockAtZeroAndOrdersTheBestFoundSearch) {
    random.value = 0.5;  // every tile a 3
    newGame(kStandardGame);
    flow.stateForTests().score = 77;  // what the deal before left
    flow.stateForTests().clockSeconds = 9;
    const FlowOutcome out = flow.start();

    EXPECT_TRUE(out.started && out.scoreChanged && out.pauseChanged && out.assistChanged);
    EXPECT_EQ(flow.state().score, 0);
    EXPECT_EQ(flow.state().clockSeconds, 0);
    EXPECT_EQ(pictureOf(flow.state()), Rows(10, std::string(12, '3')));
    ASSERT_EQ(out.frames.size(), 1u);
    EXPECT_EQ(out.frames[0].cells, flow.state().board);
    EXPECT_EQ(out.clockTimer, TimerAction::Start);
    EXPECT_EQ(out.fallingTimer, TimerAction::Start);
    EXPECT_EQ(out.fallingPeriod, 5000);  // speed index 3
    const std::optional<SearchOrder> best = findOrder(out, SearchKind::BestFound, false);
    ASSERT_TRUE(best);
    EXPECT_NE(best->ticket, 0u);
    EXPECT_TRUE(flow.awaiting(SearchKind::BestFound));
    EXPECT_TRUE(flow.running() && flow.inProgress() && !flow.over() && !flow.paused());
    EXPECT_EQ(out.end, std::nullopt);
}

TEST_F(FlowStart, AFallingDealLeavesTheTopRowsEmptyAndSetsTheTimeLimitAndTheFallingPeriod) {
    random.value = 0.25;  // every tile a 2
    // (time index, speed index): the limit is (index + 4) * 30 s, the period (index + 2) * 1000 ms.
    const std::pair<int16_t, int16_t> cases[] = {{0, 0}, {3, 3}, {19, 19}, {7, 12}};
    for (auto [timeIndex, speedIndex] : cases) {
        Options o = optionsFor(kFallingTiles);
        o.fallTimeIndex = timeIndex;
        o.fallSpeedIndex = speedIndex;
        flow.setOptions(o);
        const FlowOutcome out = flow.start();
        EXPECT_EQ(flow.state().clockSeconds, (timeIndex + 4) * 30) << timeIndex;
        EXPECT_EQ(out.fallingPeriod, (speedIndex + 2) * 1000) << speedIndex;
        EXPECT_EQ(flow.fallingPeriod(), (speedIndex + 2) * 1000) << speedIndex;
        EXPECT_EQ(flow.state().score, 0);
        EXPECT_EQ(out.clockTimer, TimerAction::Start);
        EXPECT_EQ(out.fallingTimer, TimerAction::Start);
        // The top two rows of the ten start empty; the rest is dealt.
        Rows want(2, std::string(12, '.'));
        want.resize(10, std::string(12, '2'));
        EXPECT_EQ(pictureOf(flow.state()), want);
        // No best-found search on a falling deal.
        EXPECT_FALSE(findOrder(out, SearchKind::BestFound, false));
        EXPECT_FALSE(flow.awaiting(SearchKind::BestFound));
    }
}

TEST_F(FlowStart, ANewDealForgetsThePauseTheEndTheAssistanceAndTheMoves) {
    newGame(kStandardGame, kTwoMoves);
    flow.play(at(11, 9));
    flow.hint();
    ASSERT_TRUE(flow.assisted() && flow.canUndo());

    FlowOutcome out = flow.start();
    EXPECT_FALSE(flow.assisted());
    EXPECT_FALSE(flow.canUndo());

    flow.pause();
    out = flow.start();
    EXPECT_TRUE(out.pauseChanged);
    EXPECT_FALSE(flow.paused());
    EXPECT_TRUE(flow.running());

    // After an ended game.
    placePicture(flow.stateForTests(), kTwoMoves);
    playToTheEnd();
    ASSERT_TRUE(flow.over());
    out = flow.start();
    EXPECT_FALSE(flow.over());
    EXPECT_EQ(flow.endReason(), std::nullopt);
    EXPECT_TRUE(flow.running());
    EXPECT_EQ(out.clockTimer, TimerAction::Start);
}

// ---------------------------------------------------------------- a move

TEST_F(FlowMove, AClearingMoveShowsTheGapWithItsPointsThenTheFallenBoardThenTheSettledOne) {
    newGame(kStandardGame, kTwoMoves);
    flow.stateForTests().score = 100;
    const Cell played = at(11, 9);
    const FlowOutcome out = flow.play(played);

    ASSERT_EQ(out.frames.size(), 3u);
    EXPECT_EQ(corner(out.frames[0].cells, 4, 4), (Rows{"...2", "....", "..5.", "334."}));
    EXPECT_EQ(out.frames[0].pointsAt, played);
    EXPECT_EQ(out.frames[0].points, 6);
    EXPECT_EQ(out.frames[0].pauseAfter, 400);
    EXPECT_EQ(corner(out.frames[1].cells, 4, 4), (Rows{"....", "....", "..5.", "3342"}));
    EXPECT_EQ(out.frames[1].pointsAt, std::nullopt);
    EXPECT_EQ(out.frames[1].pauseAfter, 100);
    EXPECT_EQ(corner(out.frames[2].cells, 4, 4), (Rows{"....", "....", "...5", "3342"}));
    EXPECT_EQ(out.frames[2].pointsAt, std::nullopt);
    EXPECT_EQ(out.frames[2].pauseAfter, 0);
    EXPECT_EQ(out.frames[2].cells, flow.state().board);

    EXPECT_TRUE(out.scoreChanged);
    EXPECT_EQ(flow.state().score, 106);
    ASSERT_EQ(kinds(out), std::vector{Utterance::Kind::Move});
    EXPECT_EQ(out.speech[0].points, 6);
    EXPECT_EQ(out.speech[0].score, 106);
    EXPECT_EQ(out.speech[0].now, std::nullopt);  // the cursor is hidden
    EXPECT_EQ(out.end, std::nullopt);
    EXPECT_EQ(out.clockTimer, TimerAction::Keep);
    EXPECT_EQ(out.fallingTimer, TimerAction::Keep);
    EXPECT_TRUE(flow.running());
}

TEST_F(FlowMove, TheMoveWordsGiveTheCellTheCursorLandsOnWhenItsCellEmptied) {
    newGame(kStandardGame, kTwoMoves);
    putCursor(9, 8);  // an empty cell beside the 3s
    FlowOutcome out = flow.play(at(11, 9));
    // The cell stays empty: the cursor goes to the nearest tile, the 3 below, in a group of two.
    ASSERT_TRUE(out.cursor);
    EXPECT_EQ(*out.cursor, at(9, 9));
    EXPECT_FALSE(out.tellCursor);  // the move says it in its own words
    ASSERT_EQ(kinds(out), std::vector{Utterance::Kind::Move});
    EXPECT_EQ(out.speech[0].now, (CellView{at(9, 9), 3, 2, 3}));
    EXPECT_EQ(flow.cursorView(), out.speech[0].now);

    // On a cell that a settled tile fills, the cursor stays and the words read the new tile.
    newGame(kStandardGame, kTwoMoves);
    putCursor(11, 8);  // one of the 1s
    out = flow.playCursor();
    EXPECT_EQ(flow.state().score, 6);
    EXPECT_EQ(flow.cursor(), at(11, 8));
    ASSERT_EQ(out.speech.size(), 1u);
    EXPECT_EQ(out.speech[0].now, (CellView{at(11, 8), 5, 1, 0}));
}

TEST_F(FlowMove, ALoneTileOrAnEmptyCellChangesNothing) {
    newGame(kStandardGame, kTwoMoves);
    flow.stateForTests().score = 100;
    const Cells before = flow.state().board;
    EXPECT_TRUE(flow.play(at(10, 8)).empty());  // the lone 5
    EXPECT_TRUE(flow.play(at(0, 0)).empty());   // an empty cell
    EXPECT_EQ(flow.state().board, before);
    EXPECT_EQ(flow.state().score, 100);
    EXPECT_FALSE(flow.canUndo());  // nothing to take back

    // By the keys: no picture, no words, the cursor stays where it is.
    putCursor(10, 9);  // the lone 4
    const FlowOutcome out = flow.playCursor();
    EXPECT_TRUE(out.frames.empty());
    EXPECT_TRUE(out.speech.empty());
    EXPECT_FALSE(out.scoreChanged);
    EXPECT_EQ(out.end, std::nullopt);
    EXPECT_EQ(flow.cursor(), at(10, 9));
    EXPECT_EQ(flow.state().board, before);
    EXPECT_TRUE(flow.running());
}

TEST_F(FlowMove, TheLastMoveEndsTheGameOnceWithItsPointsInTheEndWords) {
    newGame(kStandardGame, kTwoMoves);
    flow.stateForTests().score = 100;
    flow.play(at(11, 9));
    const FlowOutcome out = flow.play(at(8, 9));

    EXPECT_EQ(out.frames.size(), 3u);  // the move is still shown
    // One utterance: the end, which carries the move's points; no Move words besides.
    expectEnd(out, EndReason::NoGroupLeft, 109, 3);
    EXPECT_TRUE(out.end && out.end->mayEnterBestScores);
}

TEST_F(FlowMove, AfterTheEndNoInputChangesAnything) {
    // A Standard game: its clock would go on counting up.
    newGame(kStandardGame, kTwoMoves);
    putCursor(9, 9);
    playToTheEnd();
    expectEveryInputIgnored(at(11, 9));

    // A falling game that times out with groups still on the board: none can be played, no batch enters.
    newGame(kFallingTiles, kTwoMoves);
    flow.stateForTests().clockSeconds = 1;
    ASSERT_TRUE(flow.clockTick().end);
    expectEveryInputIgnored(at(11, 9));
    EXPECT_EQ(flow.state().clockSeconds, 0);

    // The last move ends a falling game with one second left; the tick that arrives
    // while the end is shown neither times it out nor ends it again.
    newGame(kFallingTiles, kTwoMoves);
    flow.stateForTests().clockSeconds = 1;
    ASSERT_TRUE(playToTheEnd().end);
    expectEveryInputIgnored(at(11, 9));
    EXPECT_EQ(flow.endReason(), EndReason::NoGroupLeft);
    EXPECT_EQ(flow.state().clockSeconds, 1);
}

// ---------------------------------------------------------------- pause and resume

TEST_F(FlowPause, APauseStopsTheTimersAndNothingRunsUntilResume) {
    newGame(kFallingTiles, kTwoMoves);
    flow.stateForTests().clockSeconds = 100;
    putCursor(11, 9);
    FlowOutcome out = flow.pause();
    EXPECT_TRUE(out.pauseChanged);
    EXPECT_EQ(out.clockTimer, TimerAction::Stop);
    EXPECT_EQ(out.fallingTimer, TimerAction::Stop);
    EXPECT_TRUE(flow.paused());
    EXPECT_FALSE(flow.running());
    EXPECT_FALSE(flow.canHint());
    expectEveryInputIgnored(at(11, 9));

    out = flow.resume();
    EXPECT_TRUE(out.pauseChanged);
    EXPECT_EQ(out.clockTimer, TimerAction::Start);
    EXPECT_EQ(out.fallingTimer, TimerAction::Start);
    EXPECT_TRUE(flow.running());
    EXPECT_EQ(flow.play(at(11, 9)).frames.size(), 3u);
    EXPECT_TRUE(flow.clockTick().clockChanged);
    EXPECT_EQ(flow.state().clockSeconds, 99);
}

TEST_F(FlowPause, ResumingAnEndedGameStartsNoTimer) {
    newGame(kStandardGame, kTwoMoves);
    playToTheEnd();
    flow.pause();
    const FlowOutcome out = flow.resume();
    EXPECT_TRUE(out.pauseChanged);
    EXPECT_FALSE(flow.paused());
    EXPECT_EQ(out.clockTimer, TimerAction::Keep);
    EXPECT_EQ(out.fallingTimer, TimerAction::Keep);
    EXPECT_TRUE(flow.over());
    EXPECT_TRUE(flow.clockTick().empty());
}

// ---------------------------------------------------------------- the clock

TEST_F(FlowClock, AStandardClockCountsUpAndSaysNothingAtSixtyThirtyOrTen) {
    newGame(kStandardGame, kTwoMoves);
    for (int second = 1; second <= 65; ++second) {
        const FlowOutcome out = flow.clockTick();
        EXPECT_TRUE(out.clockChanged);
        EXPECT_TRUE(out.speech.empty()) << "at " << second;
        EXPECT_EQ(out.end, std::nullopt);
        EXPECT_EQ(flow.state().clockSeconds, second);
    }
}

TEST_F(FlowClock, AFallingClockCountsDownWarnsAtSixtyThirtyAndTenAndTimesOutAtZero) {
    Options o = optionsFor(kFallingTiles);
    o.fallTimeIndex = 0;  // 120 s
    newGame(kFallingTiles, kTwoMoves, o);
    flow.stateForTests().score = 42;
    ASSERT_EQ(flow.state().clockSeconds, 120);

    std::vector<int32_t> warnedAt;
    int ticks = 0;
    int ends = 0;
    while (ticks < 200 && !flow.over()) {
        const FlowOutcome out = flow.clockTick();
        ++ticks;
        EXPECT_TRUE(out.clockChanged);
        EXPECT_EQ(flow.state().clockSeconds, 120 - ticks);
        for (const Utterance& u : out.speech) {
            if (u.kind == Utterance::Kind::TimeLeft) {
                EXPECT_EQ(u.secondsLeft, flow.state().clockSeconds);
                warnedAt.push_back(u.secondsLeft);
            }
        }
        if (out.end) {
            ++ends;
            expectEnd(out, EndReason::TimeOut, 42, std::nullopt);
        }
    }
    EXPECT_EQ(ticks, 120);  // ends exactly at 0, not a second before or after
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(flow.state().clockSeconds, 0);
    EXPECT_EQ(warnedAt, (std::vector<int32_t>{60, 30, 10}));
}

// ---------------------------------------------------------------- falling batches

TEST_F(FlowBatch, ABatchEntersTheTopRowThenSettles) {
    newGame(kFallingTiles, {"12", "34"});
    random.value = 0.0;  // a batch of 1s
    const FlowOutcome out = flow.fallingTick();
    ASSERT_EQ(out.frames.size(), 2u);
    GameState shown = flow.state();
    shown.board = out.frames[0].cells;
    EXPECT_EQ(pictureOf(shown)[0], "11111.......");
    EXPECT_EQ(corner(out.frames[0].cells, 2), (Rows{"..........12", "..........34"}));
    EXPECT_EQ(corner(out.frames[1].cells, 3), (Rows{"............", "..........12", ".....1111134"}));
    EXPECT_EQ(out.frames[1].cells, flow.state().board);
    EXPECT_EQ(kinds(out), std::vector{Utterance::Kind::Batch});
    EXPECT_EQ(out.speech[0].now, std::nullopt);  // the cursor is hidden
    EXPECT_FALSE(out.scoreChanged);
    EXPECT_EQ(out.end, std::nullopt);
    EXPECT_TRUE(flow.running());
}

TEST_F(FlowBatch, TheBatchWordsGiveTheCursorCellOnlyWhenItChangedOrTheBatchPassedThroughIt) {
    // The cursor on the 4 that the batch settles beside: its cell reads as before.
    newGame(kFallingTiles, {"12", "34"});
    putCursor(11, 9);
    FlowOutcome out = flow.fallingTick();
    ASSERT_EQ(kinds(out), std::vector{Utterance::Kind::Batch});
    EXPECT_EQ(out.speech[0].now, std::nullopt);

    // The cursor on an empty cell that a batch tile settles into: it now holds a 1 of a group of five.
    newGame(kFallingTiles, {"12", "34"});
    putCursor(9, 9);
    out = flow.fallingTick();
    ASSERT_EQ(kinds(out), std::vector{Utterance::Kind::Batch});
    EXPECT_EQ(out.speech[0].now, (CellView{at(9, 9), 1, 5, 15}));

    // The cursor on the empty top-left cell: the batch enters there (a tile
    // under the cursor) and falls away, leaving it empty, which is said.
    newGame(kFallingTiles, {"12", "34"});
    putCursor(0, 0);
    out = flow.fallingTick();
    ASSERT_EQ(kinds(out), std::vector{Utterance::Kind::Batch});
    ASSERT_TRUE(out.speech[0].now);
    EXPECT_EQ(out.speech[0].now->code, kEmpty);
    EXPECT_EQ(out.speech[0].now, flow.cursorView());
}

TEST_F(FlowBatch, ABlockedBatchEndsTheGame) {
    newGame(kFallingTiles, {"12", "34"});
    flow.stateForTests().score = 30;
    flow.stateForTests().board[at(5, 0).index] = 2;  // column numColors + 1 of the top row
    const Cells before = flow.state().board;
    const FlowOutcome out = flow.fallingTick();
    expectEnd(out, EndReason::BlockedBatch, 30, std::nullopt);
    EXPECT_TRUE(out.frames.empty());
    EXPECT_EQ(flow.state().board, before);
    EXPECT_TRUE(flow.fallingTick().empty());
}

TEST_F(FlowBatch, APendingHintIsOrderedAgainOnTheBoardTheBatchChanged) {
    newGame(kFallingTiles, {"12", "34"});
    const uint64_t first = flow.hint().searches.at(0).ticket;
    const FlowOutcome out = flow.fallingTick();
    const std::optional<SearchOrder> again = findOrder(out, SearchKind::Hint, false);
    ASSERT_TRUE(again);
    EXPECT_NE(again->ticket, first);
    EXPECT_TRUE(flow.awaiting(SearchKind::Hint));
    // The answer for the board before the batch is out of date; the new one is taken.
    EXPECT_TRUE(flow.searchAnswered(SearchKind::Hint, first, answer({at(11, 9)}, 3)).empty());
    EXPECT_EQ(flow.cursor(), std::nullopt);
    flow.searchAnswered(SearchKind::Hint, again->ticket, answer({at(9, 9)}, 15));
    EXPECT_EQ(flow.cursor(), at(9, 9));

    // Without a hint awaited, a batch orders none.
    EXPECT_TRUE(flow.fallingTick().searches.empty());
}

TEST_F(FlowBatch, BatchesDoNothingInAStandardGame) {
    newGame(kStandardGame, kTwoMoves);
    const Cells before = flow.state().board;
    EXPECT_TRUE(flow.fallingTick().empty());
    EXPECT_EQ(flow.state().board, before);
}

// ---------------------------------------------------------------- undo and redo

TEST_F(FlowUndo, UndoRestoresBoardAndScoreAndLeavesTheClockAlone) {
    newGame(kStandardGame, kTwoMoves);
    flow.stateForTests().score = 100;
    const Cells start = flow.state().board;
    flow.play(at(11, 9));
    for (int i = 0; i < 3; ++i) flow.clockTick();
    ASSERT_TRUE(flow.canUndo());
    EXPECT_FALSE(flow.canRedo());

    const FlowOutcome out = flow.undo();
    EXPECT_EQ(flow.state().board, start);
    EXPECT_EQ(flow.state().score, 100);
    EXPECT_TRUE(out.scoreChanged);
    ASSERT_EQ(out.frames.size(), 1u);
    EXPECT_EQ(out.frames[0].cells, start);
    EXPECT_TRUE(flow.assisted());
    EXPECT_TRUE(out.assistChanged);
    ASSERT_TRUE(out.cursor);  // shown on the cell that was played, though it was hidden
    EXPECT_EQ(*out.cursor, at(11, 9));
    EXPECT_EQ(flow.cursor(), at(11, 9));
    EXPECT_EQ(flow.state().clockSeconds, 3);
    EXPECT_FALSE(out.clockChanged);
    EXPECT_EQ(out.clockTimer, TimerAction::Keep);
    EXPECT_FALSE(flow.canUndo());
    EXPECT_TRUE(flow.canRedo());
}

TEST_F(FlowUndo, RedoPlaysTheMoveAgainAsAMove) {
    newGame(kStandardGame, kTwoMoves);
    flow.stateForTests().score = 100;
    flow.play(at(11, 9));
    const Cells after = flow.state().board;
    flow.undo();

    const FlowOutcome out = flow.redo();
    ASSERT_EQ(out.frames.size(), 3u);
    EXPECT_EQ(out.frames[0].pointsAt, at(11, 9));
    EXPECT_EQ(out.frames[0].points, 6);
    EXPECT_EQ(out.frames[2].cells, after);
    EXPECT_EQ(flow.state().board, after);
    EXPECT_EQ(flow.state().score, 106);
    EXPECT_TRUE(out.scoreChanged);
    ASSERT_EQ(kinds(out), std::vector{Utterance::Kind::Move});
    EXPECT_EQ(out.speech[0].points, 6);
    EXPECT_EQ(out.speech[0].score, 106);
    // The cursor that undo put on the played cell reads the 2 that fell into it.
    EXPECT_EQ(out.speech[0].now, (CellView{at(11, 9), 2, 1, 0}));
    EXPECT_TRUE(flow.canUndo());
    EXPECT_FALSE(flow.canRedo());

    // A new move after an undo forgets what could be redone.
    flow.undo();
    ASSERT_TRUE(flow.canRedo());
    flow.play(at(8, 9));
    EXPECT_FALSE(flow.canRedo());
    EXPECT_TRUE(flow.redo().empty());
}

TEST_F(FlowUndo, NoUndoOrRedoWhilePausedOrOverOrInFallingTiles) {
    newGame(kStandardGame, kTwoMoves);
    flow.play(at(11, 9));
    flow.pause();
    EXPECT_FALSE(flow.canUndo());
    expectEveryInputIgnored(at(8, 9));  // the undo among them
    flow.resume();
    ASSERT_TRUE(flow.canUndo());
    flow.undo();
    flow.pause();
    EXPECT_FALSE(flow.canRedo());
    expectEveryInputIgnored(at(8, 9));  // the redo among them
    flow.resume();
    ASSERT_TRUE(flow.canRedo());
    flow.redo();
    flow.play(at(8, 9));
    ASSERT_TRUE(flow.over());
    EXPECT_FALSE(flow.canUndo());

    newGame(kFallingTiles, kTwoMoves);
    flow.play(at(11, 9));
    EXPECT_FALSE(flow.canUndo());
    EXPECT_TRUE(flow.undo().empty());
    EXPECT_EQ(flow.state().score, 6);
    EXPECT_FALSE(flow.assisted());
}

// ---------------------------------------------------------------- the assisted mark

TEST_F(FlowAssist, AHintOrAnUndoKeepsTheGameOutOfTheBestScoresUntilTheNextStart) {
    newGame(kStandardGame, kTwoMoves);
    const FlowOutcome hinted = flow.hint();
    EXPECT_TRUE(hinted.assistChanged);
    EXPECT_TRUE(flow.assisted());
    std::optional<GameEnd> end = playToTheEnd().end;
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->mayEnterBestScores);

    newGame(kStandardGame, kTwoMoves);  // start() clears the mark
    EXPECT_FALSE(flow.assisted());
    end = playToTheEnd().end;
    ASSERT_TRUE(end);
    EXPECT_TRUE(end->mayEnterBestScores);

    newGame(kStandardGame, kTwoMoves);
    flow.play(at(11, 9));
    flow.undo();
    flow.redo();
    end = flow.play(at(8, 9)).end;
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->mayEnterBestScores);

    // In Falling Tiles too, where a hint is the only help.
    newGame(kFallingTiles, kTwoMoves);
    flow.hint();
    end = playToTheEnd().end;
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->mayEnterBestScores);
}

// ---------------------------------------------------------------- searches

TEST_F(FlowSearch, AClearingMoveAPauseOrANewDealCancelsAPendingHintAndItsLateAnswerIsIgnored) {
    const std::pair<const char*, std::function<FlowOutcome()>> ways[] = {
        {"a move", [&] { return flow.play(at(11, 9)); }},
        {"a pause", [&] { return flow.pause(); }},
        {"a new deal", [&] { return flow.start(); }},
    };
    for (const auto& [name, cancel] : ways) {
        newGame(kStandardGame, kTwoMoves);
        const FlowOutcome asked = flow.hint();
        ASSERT_EQ(asked.searches.size(), 1u);
        EXPECT_EQ(asked.searches[0].kind, SearchKind::Hint);
        EXPECT_FALSE(asked.searches[0].cancel);
        const uint64_t ticket = asked.searches[0].ticket;
        EXPECT_TRUE(flow.awaiting(SearchKind::Hint));

        const std::optional<SearchOrder> cancelled = findOrder(cancel(), SearchKind::Hint, true);
        ASSERT_TRUE(cancelled) << name;
        EXPECT_EQ(cancelled->ticket, ticket) << name;
        EXPECT_FALSE(flow.awaiting(SearchKind::Hint)) << name;
        flow.resume();  // after a pause: the answer comes late
        EXPECT_TRUE(flow.searchAnswered(SearchKind::Hint, ticket, answer({at(8, 9)}, 3)).empty()) << name;
        EXPECT_EQ(flow.cursor(), std::nullopt) << name;
    }
}

TEST_F(FlowSearch, AHintAnswerPutsTheCursorOnItsFirstMove) {
    newGame(kStandardGame, kTwoMoves);
    const uint64_t stale = flow.hint().searches.at(0).ticket;
    const uint64_t ticket = flow.hint().searches.at(0).ticket;  // asked again: the first is superseded
    EXPECT_TRUE(flow.searchAnswered(SearchKind::Hint, stale, answer({at(11, 9)}, 9)).empty());
    EXPECT_EQ(flow.cursor(), std::nullopt);

    const FlowOutcome out = flow.searchAnswered(SearchKind::Hint, ticket, answer({at(8, 9), at(11, 9)}, 9));
    ASSERT_TRUE(out.cursor);
    EXPECT_EQ(*out.cursor, at(8, 9));
    EXPECT_TRUE(out.tellCursor);
    EXPECT_EQ(flow.cursor(), at(8, 9));
    EXPECT_FALSE(flow.awaiting(SearchKind::Hint));
    // One answer per order: the same ticket again is ignored.
    EXPECT_TRUE(flow.searchAnswered(SearchKind::Hint, ticket, answer({at(11, 9)}, 9)).empty());
    EXPECT_EQ(flow.cursor(), at(8, 9));
    // A hint answer never stands in for the best-found one.
    EXPECT_TRUE(flow.searchAnswered(SearchKind::BestFound, ticket, answer({}, 500)).empty());
}

TEST_F(FlowSearch, TheBestFoundTotalIsShownOnlyOnceTheGameIsOver) {
    // The answer comes first: shown with the end.
    FlowOutcome out = newGame(kStandardGame, kTwoMoves);
    const uint64_t first = findOrder(out, SearchKind::BestFound, false).value().ticket;
    out = flow.searchAnswered(SearchKind::BestFound, first, answer({at(11, 9), at(8, 9)}, 42));
    EXPECT_EQ(out.bestFoundShown, std::nullopt);
    EXPECT_EQ(flow.bestFoundShown(), std::nullopt);
    EXPECT_FALSE(flow.awaiting(SearchKind::BestFound));
    flow.play(at(11, 9));
    EXPECT_EQ(flow.bestFoundShown(), std::nullopt);
    out = flow.play(at(8, 9));
    ASSERT_TRUE(out.end);
    EXPECT_EQ(out.bestFoundShown, 42);
    EXPECT_EQ(flow.bestFoundShown(), 42);

    // The end comes first: shown with the answer. The last deal's answer is not this one's.
    out = newGame(kStandardGame, kTwoMoves);
    const uint64_t second = findOrder(out, SearchKind::BestFound, false).value().ticket;
    EXPECT_EQ(flow.bestFoundShown(), std::nullopt);
    out = playToTheEnd();
    ASSERT_TRUE(out.end);
    EXPECT_EQ(out.bestFoundShown, std::nullopt);
    EXPECT_TRUE(flow.searchAnswered(SearchKind::BestFound, first, answer({}, 99)).empty());
    EXPECT_EQ(flow.bestFoundShown(), std::nullopt);
    out = flow.searchAnswered(SearchKind::BestFound, second, answer({}, 57));
    EXPECT_EQ(out.bestFoundShown, 57);
    EXPECT_EQ(flow.bestFoundShown(), 57);
}

TEST_F(FlowSearch, FallingTilesNeverShowsABestFoundTotal) {
    FlowOutcome out = newGame(kStandardGame, kTwoMoves);
    const uint64_t ticket = findOrder(out, SearchKind::BestFound, false).value().ticket;
    out = newGame(kFallingTiles, kTwoMoves);
    // The standard deal's search is called off.
    const std::optional<SearchOrder> cancelled = findOrder(out, SearchKind::BestFound, true);
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(cancelled->ticket, ticket);
    EXPECT_TRUE(flow.searchAnswered(SearchKind::BestFound, ticket, answer({}, 42)).empty());
    out = playToTheEnd();
    ASSERT_TRUE(out.end);
    EXPECT_EQ(out.bestFoundShown, std::nullopt);
    EXPECT_EQ(flow.bestFoundShown(), std::nullopt);
}

// ---------------------------------------------------------------- the cursor

TEST_F(FlowCursor, TheFirstArrowShowsTheCursorOnItsStartCellAndTheNextOnesStep) {
    newGame(kStandardGame, {"...2", "...1", "..51", "33.."});  // the bottom-right cell is empty
    EXPECT_EQ(flow.cursor(), std::nullopt);
    FlowOutcome out = flow.moveCursor(kUp);
    ASSERT_TRUE(out.cursor);
    EXPECT_EQ(*out.cursor, cursorStart(flow.state()));  // shown, not stepped
    EXPECT_EQ(flow.cursor(), at(11, 8));
    EXPECT_TRUE(out.tellCursor);

    out = flow.moveCursor(kUp);
    EXPECT_EQ(flow.cursor(), at(11, 7));
    ASSERT_TRUE(out.cursor);
    EXPECT_EQ(*out.cursor, at(11, 7));
    flow.moveCursor(kLeft);
    EXPECT_EQ(flow.cursor(), at(10, 7));
    flow.moveCursor(kRight);
    EXPECT_TRUE(flow.moveCursor(kRight).empty());  // at the edge it stays
    EXPECT_EQ(flow.cursor(), at(11, 7));
}

TEST_F(FlowCursor, JumpsToTheLargestGroupAndRoundTheGroups) {
    newGame(kStandardGame, kTwoMoves);  // the 1s (first cell 11,7) and the 3s (first cell 8,9)
    FlowOutcome out = flow.cursorToLargestGroup();  // shows the hidden cursor
    ASSERT_TRUE(out.cursor);
    EXPECT_EQ(*out.cursor, at(11, 7));
    EXPECT_TRUE(flow.cursorToLargestGroup().empty());  // already there
    flow.cursorToNextGroup(true);
    EXPECT_EQ(flow.cursor(), at(8, 9));
    flow.cursorToNextGroup(true);
    EXPECT_EQ(flow.cursor(), at(11, 7));
    flow.cursorToNextGroup(false);
    EXPECT_EQ(flow.cursor(), at(8, 9));
}

TEST_F(FlowCursor, APressHidesTheCursorAndPlaysTheCellPressed) {
    newGame(kStandardGame, kTwoMoves);
    putCursor(10, 9);
    FlowOutcome out = flow.press(std::nullopt);  // outside the tiles
    ASSERT_TRUE(out.cursor);
    EXPECT_EQ(*out.cursor, std::nullopt);
    EXPECT_EQ(flow.cursor(), std::nullopt);
    EXPECT_TRUE(out.frames.empty());

    putCursor(10, 9);
    out = flow.press(at(11, 9));
    EXPECT_EQ(out.frames.size(), 3u);
    EXPECT_EQ(flow.state().score, 6);
    ASSERT_TRUE(out.cursor);
    EXPECT_EQ(*out.cursor, std::nullopt);  // hidden, not moved by the move
    EXPECT_EQ(flow.cursor(), std::nullopt);
    ASSERT_EQ(out.speech.size(), 1u);
    EXPECT_EQ(out.speech[0].now, std::nullopt);
}

TEST_F(FlowCursor, ANewDealKeepsAShownCursorOnItsStartCell) {
    random.value = 0.5;
    newGame(kStandardGame, kTwoMoves);
    putCursor(8, 9);
    const FlowOutcome out = flow.start();  // a full board: the start cell is the bottom-right one
    ASSERT_TRUE(out.cursor);
    EXPECT_EQ(*out.cursor, at(11, 9));
    EXPECT_FALSE(out.tellCursor);
    EXPECT_EQ(flow.cursor(), at(11, 9));

    flow.press(std::nullopt);
    flow.start();
    EXPECT_EQ(flow.cursor(), std::nullopt);
}

// While paused or over they do nothing either (see expectEveryInputIgnored).
TEST_F(FlowCursor, KeysDoNothingBeforeTheFirstDeal) {
    EXPECT_TRUE(flow.moveCursor(kLeft).empty());
    EXPECT_TRUE(flow.cursorToLargestGroup().empty());
    EXPECT_TRUE(flow.cursorToNextGroup(true).empty());
    EXPECT_TRUE(flow.playCursor().empty());
    EXPECT_EQ(flow.cursor(), std::nullopt);
}

// ---------------------------------------------------------------- options

TEST_F(FlowOptions, ANewFallingSpeedChangesThePeriodAtOnce) {
    newGame(kFallingTiles, kTwoMoves);
    Options o = flow.options();
    o.fallSpeedIndex = 7;
    EXPECT_EQ(flow.setOptions(o).fallingPeriod, 9000);
    EXPECT_EQ(flow.fallingPeriod(), 9000);
    EXPECT_EQ(flow.setOptions(o).fallingPeriod, std::nullopt);  // unchanged
}

TEST_F(FlowOptions, OptionsAreInForceAtOnceAndTheNextDealPlaysThem) {
    newGame(kFallingTiles, {"12", "34"});
    Options o = flow.options();
    o.gameMode = kStandardGame;
    o.numColors = 8;
    o.tileSizeIndex = 2;
    EXPECT_FALSE(flow.setOptions(o).fallingPeriod);  // the speed is unchanged
    EXPECT_EQ(flow.options(), o);
    EXPECT_EQ(tileSize(flow.state()), 48);

    // The next deal is a Standard one of eight kinds.
    random.value = 0.99;
    flow.start();
    EXPECT_EQ(flow.mode(), kStandardGame);
    EXPECT_EQ(flow.state().clockSeconds, 0);
    EXPECT_EQ(pictureOf(flow.state()), Rows(10, std::string(12, '8')));

    // A new grid is laid out empty at once, for the window to fit it.
    o.gridSizeIndex = 3;
    flow.setOptions(o);
    EXPECT_EQ(flow.state().numCols, 25);
    EXPECT_EQ(pictureOf(flow.state()), Rows(20, std::string(25, 'o')));  // waiting to be dealt
}
