// The flow of a game: the one owner of a running game. It holds the options in
// force, the board, the score, the clock, the cell cursor of keyboard play,
// whether the game is paused, whether it is over and why, whether it was
// assisted (Undo or Hint), the moves that can be taken back, and the searches
// it is waiting for. Every input is a call; every call returns a FlowOutcome
// that says everything a front end must show, play and say, in order. The
// front end keeps no game state of its own: it asks this object.
//
// Plain C++20, no Qt and no platform: it never sleeps, paints or speaks. What
// is to be said is given as data (points, score, the cell under the cursor,
// seconds left); the front end puts it into words.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "board.h"
#include "cursor.h"
#include "history.h"
#include "random.h"
#include "search.h"

namespace qlx {

// Why a game ended.
enum class EndReason {
    NoGroupLeft,   // a move left no group of two
    TimeOut,       // a Falling Tiles game's clock reached 0
    BlockedBatch,  // a falling batch found its row occupied
};

// The pauses of a move, in milliseconds: the gap with the points, then the fallen board.
inline constexpr int kGapPause = 400;
inline constexpr int kFallenPause = 100;

// The clock ticks every second.
inline constexpr int kClockPeriod = 1000;

// The pauses of the best line's replay, in milliseconds: before its first
// move, the group outlined before it goes, and between one move and the next.
inline constexpr int kReplayStartPause = 1000;
inline constexpr int kReplayOutlinePause = 700;
inline constexpr int kReplayMovePause = 300;

// One picture of the board to show, then to hold for pauseAfter milliseconds
// before the next picture (0: the next follows at once).
struct BoardFrame {
    Cells cells{};
    std::optional<Cell> pointsAt;  // the points of a move are drawn over this cell
    int32_t points = 0;
    int pauseAfter = 0;
};

// A cell as a screen reader should hear it: what lies there, and the group it
// belongs to (its size and the points clearing it would score; 0 and 0 for
// an empty cell, 1 and 0 for a lone tile).
struct CellView {
    Cell cell;
    int16_t code = 0;  // the board's cell code: 1..kMaxKinds a tile of that kind
    int16_t groupSize = 0;
    int32_t points = 0;
    bool operator==(const CellView&) const = default;
};

// Something a screen reader should hear.
struct Utterance {
    enum class Kind {
        Move,      // "<points> points, score <score>", then where the cursor is (now)
        Batch,     // falling tiles entered and settled; now is given when the cell under the cursor
                   // reads otherwise than with the batch just entered
        TimeLeft,  // secondsLeft: 60, 30 or 10 in a Falling Tiles game
        End,       // the final score; lastMovePoints when a move ended the game
        Deal,      // a deal chosen by its number, or restarted (again), begins: its number
        BestLine,  // the best line's replay: its total (score) and moves; finished at its end
    };
    Kind kind = Kind::Move;
    int32_t points = 0;
    int32_t score = 0;
    int32_t secondsLeft = 0;
    std::optional<int32_t> lastMovePoints;
    std::optional<CellView> now;
    uint64_t deal = 0;
    bool again = false;
    int32_t moves = 0;
    bool finished = false;
};

// What a timer should do.
enum class TimerAction {
    Keep,   // nothing changes
    Start,  // enabled, its period started anew
    Stop,   // disabled
};

// The searches a game asks for: a hint for the player, and the best total
// that can be found on a Standard deal (shown when the game ends).
enum class SearchKind { Hint, BestFound };

// A search to start on the board as it is now, or to cancel. Its answer comes
// back through GameFlow::searchAnswered with the same ticket; the answer to a
// cancelled or superseded search is ignored.
struct SearchOrder {
    SearchKind kind = SearchKind::Hint;
    bool cancel = false;
    uint64_t ticket = 0;
};

// The end of a game, as it happens: once per game.
struct GameEnd {
    EndReason reason = EndReason::NoGroupLeft;
    int32_t score = 0;
    bool mayEnterBestScores = true;  // false for an assisted game
};

// Everything a call changed that a front end must show, play or say.
struct FlowOutcome {
    std::vector<BoardFrame> frames;        // the board's pictures in order; the last one is the board as it is
    bool scoreChanged = false;             // the score shown is flow.state().score
    bool clockChanged = false;             // the clock shown is flow.state().clockSeconds
    bool started = false;                  // a new game began: caption, labels and panel anew; the opening sound
    bool pauseChanged = false;             // flow.paused() changed
    bool assistChanged = false;            // what Undo, Redo and Hint allow, or the assisted mark, changed
    std::optional<std::optional<Cell>> cursor;  // the cursor moved (to a cell, or hidden)
    bool tellCursor = true;                // a screen reader is told the cursor cell (a move says it in its own words)
    std::vector<Utterance> speech;         // in order
    std::optional<GameEnd> end;            // the game ended with this call
    TimerAction clockTimer = TimerAction::Keep;
    TimerAction fallingTimer = TimerAction::Keep;
    std::optional<int32_t> fallingPeriod;  // milliseconds: the falling timer's new period, applied at once
    std::vector<SearchOrder> searches;     // in order
    std::optional<int32_t> bestFoundShown; // "Best found" is to be shown with this total
    std::optional<int> nextStepIn;         // the best line's replay goes on: bestLineStep() after this pause (ms)

    bool empty() const;
};

class GameFlow {
public:
    // The flow deals and drops its batches from this source, which must outlive it.
    explicit GameFlow(UniformSource& random);

    // ------------------------------------------------------------ what is
    const GameState& state() const { return state_; }
    const Options& options() const { return state_.options; }
    int16_t mode() const { return state_.options.gameMode; }
    // From start() until the game ends.
    bool inProgress() const { return started_ && !over_; }
    bool over() const { return over_; }
    std::optional<EndReason> endReason() const { return endReason_; }
    bool paused() const { return paused_; }
    // In progress and not paused: moves, ticks, Hint and Undo are taken.
    bool running() const { return inProgress() && !paused_; }
    bool assisted() const { return assisted_; }
    // The deal was restarted or chosen by its number: its player may know it,
    // so it does not enter the best scores.
    bool knownDeal() const { return known_; }
    // The number of the deal in play (see deal_number.h); nothing before the
    // first deal, or with a random source that cannot name its places.
    std::optional<uint64_t> dealNumber() const { return deal_; }
    bool canRestart() const { return started_ && deal_.has_value(); }
    bool canPlayDeal() const { return random_->position().has_value(); }
    // A Standard game is over and the search has found a line: it can be replayed.
    bool canShowBestLine() const;
    bool showingBestLine() const { return replay_.has_value(); }
    bool canUndo() const;
    bool canRedo() const;
    bool canHint() const { return running(); }
    const std::optional<Cell>& cursor() const { return cursor_; }
    // The cell under the cursor, as a screen reader hears it; nothing while it is hidden.
    std::optional<CellView> cursorView() const;
    // The best total found on this deal, once the game is over and the search has answered (Standard Game only).
    std::optional<int32_t> bestFoundShown() const;
    // The falling timer's period for the options in force.
    int32_t fallingPeriod() const;
    // The search orders still awaiting an answer, for a front end that starts late.
    bool awaiting(SearchKind kind) const;

    // ------------------------------------------------------------ options and the window
    // The options to play by, in force at once (the tile size and set are
    // the board's look; a new grid size lays out an empty board of that size,
    // to be dealt by the next start()). A new falling speed changes the
    // running timer's period at once; a new time limit counts from the next
    // start().
    FlowOutcome setOptions(const Options& options);
    // The tile edge on screen when the window shows the board smaller than
    // chosen (0: the chosen size). Changes nothing in the game.
    void setScreenTileSize(int16_t pixels) { state_.screenTileSize = pixels; }

    // ------------------------------------------------------------ inputs
    // A new deal of the options in force: the board is laid out for the grid,
    // filled, the clock set (0, or the time limit of Falling Tiles), the
    // score 0, the history forgotten, the game neither paused nor over nor
    // assisted. The cursor stays shown (on its start cell) if it was shown.
    FlowOutcome start();
    // The deal in play once more from its start: the same board, and in
    // Falling Tiles the same batches; the clock from the start, the score 0.
    // The deal is known from then on.
    FlowOutcome restart();
    // The deal of that number (0..kMaxDealNumber) with the options in force; a known deal.
    // Nothing for a number out of range.
    FlowOutcome playDeal(uint64_t number);
    // A press on the board: the cursor hides, and the cell, when it holds a
    // tile, is played. Nothing while the game is not running.
    FlowOutcome press(std::optional<Cell> cell);
    // A move on a cell (by mouse or keys). Nothing while the game is not running.
    FlowOutcome play(Cell cell);
    // The cell under the cursor is played; nothing when the cursor is hidden.
    FlowOutcome playCursor();
    // One second of the clock.
    FlowOutcome clockTick();
    // The falling period has passed: a batch enters (Falling Tiles only).
    FlowOutcome fallingTick();
    FlowOutcome pause();
    FlowOutcome resume();
    FlowOutcome undo();
    FlowOutcome redo();
    // Every move taken back, or played again, at once: one picture of the
    // board. Allowed exactly when Undo, or Redo, is.
    FlowOutcome undoAll();
    FlowOutcome redoAll();
    FlowOutcome hint();
    FlowOutcome searchAnswered(SearchKind kind, uint64_t ticket, const SearchResult& result);

    // The best line found, played on the deal as it was dealt, move by move:
    // the cursor outlines the group, then the move is shown with its pauses
    // and said. Each outcome asks for the next step after its pause
    // (nextStepIn); the last move's board stays until stopBestLine(), which
    // brings back the finished game as it was. It is shown only: no score,
    // no end and no record change.
    FlowOutcome showBestLine();
    FlowOutcome bestLineStep();
    FlowOutcome stopBestLine();

    // The cursor of keyboard play: an arrow key (kRight, kDown, kLeft, kUp;
    // the first one shows the cursor on its start cell), the largest group,
    // the next or previous group. Nothing while the game is not running.
    FlowOutcome moveCursor(int16_t direction);
    FlowOutcome cursorToLargestGroup();
    FlowOutcome cursorToNextGroup(bool forward);
    // The cursor on a cell chosen directly, or hidden (nothing): even while
    // the game is paused or over, as a screen reader may read a finished board.
    FlowOutcome cursorTo(std::optional<Cell> cell);

    // For tests: the state to lay out a board in. A front end never writes it.
    GameState& stateForTests() { return state_; }

private:
    FlowOutcome moveOutcome(const MoveOutcome& move, const Cell& cell);
    void endGame(FlowOutcome& out, EndReason reason, std::optional<int32_t> lastMovePoints = std::nullopt);
    void setCursor(FlowOutcome& out, std::optional<Cell> cell, bool tell = true);
    SearchOrder order(SearchKind kind);
    void cancel(FlowOutcome& out, SearchKind kind);
    void markAssisted(FlowOutcome& out);
    FlowOutcome begin(bool known, bool again);

    UniformSource* random_;
    GameState state_;
    MoveHistory history_;
    std::optional<Cell> cursor_;
    bool started_ = false;
    bool over_ = false;
    std::optional<EndReason> endReason_;
    bool paused_ = false;
    bool assisted_ = false;
    std::optional<int32_t> bestFound_;
    uint64_t nextTicket_ = 1;
    uint64_t hintTicket_ = 0;       // 0: no hint awaited
    uint64_t bestFoundTicket_ = 0;  // 0: none awaited

    std::optional<uint64_t> deal_;  // the number of the deal in play
    Options dealOptions_;           // the options it was dealt with
    bool known_ = false;
    Cells dealt_{};                 // its board as dealt
    std::vector<Cell> bestLine_;    // the moves of the best found total, on that board

    // The best line's replay: the finished game to come back to, and where the replay is.
    struct Replay {
        Cells board{};
        int32_t score = 0;
        std::optional<Cell> cursor;
        std::size_t next = 0;  // the move to show next
        enum class Step { Outline, Lift, Move } step = Step::Outline;
    };
    std::optional<Replay> replay_;
};

}  // namespace qlx
