#include "game_flow.h"

#include <utility>

#include "clock.h"
#include "deal_number.h"

namespace qlx {

namespace {

BoardFrame frame(const Cells& cells, int pauseAfter = 0) { return BoardFrame{cells, std::nullopt, 0, pauseAfter}; }

// The later outcome's changes added to the earlier one's.
void append(FlowOutcome& into, FlowOutcome&& more) {
    for (BoardFrame& f : more.frames) into.frames.push_back(std::move(f));
    into.scoreChanged |= more.scoreChanged;
    into.clockChanged |= more.clockChanged;
    into.started |= more.started;
    into.pauseChanged |= more.pauseChanged;
    into.assistChanged |= more.assistChanged;
    if (more.cursor) {
        into.cursor = more.cursor;
        into.tellCursor = more.tellCursor;
    }
    for (Utterance& u : more.speech) into.speech.push_back(std::move(u));
    if (more.end) into.end = more.end;
    if (more.clockTimer != TimerAction::Keep) into.clockTimer = more.clockTimer;
    if (more.fallingTimer != TimerAction::Keep) into.fallingTimer = more.fallingTimer;
    if (more.fallingPeriod) into.fallingPeriod = more.fallingPeriod;
    for (SearchOrder& o : more.searches) into.searches.push_back(o);
    if (more.bestFoundShown) into.bestFoundShown = more.bestFoundShown;
    if (more.nextStepIn) into.nextStepIn = more.nextStepIn;
}

}  // namespace

bool FlowOutcome::empty() const {
    return frames.empty() && !scoreChanged && !clockChanged && !started && !pauseChanged && !assistChanged &&
           !cursor && speech.empty() && !end && clockTimer == TimerAction::Keep &&
           fallingTimer == TimerAction::Keep && !fallingPeriod && searches.empty() && !bestFoundShown &&
           !nextStepIn;
}

// The board is laid out for the options from the first, so that a window can
// be fitted to it before the first game starts.
GameFlow::GameFlow(UniformSource& random) : random_(&random) { resetBoard(state_); }

bool GameFlow::canUndo() const { return running() && mode() == kStandardGame && history_.canUndo(); }

bool GameFlow::canRedo() const { return running() && mode() == kStandardGame && history_.canRedo(); }

std::optional<CellView> GameFlow::cursorView() const {
    if (!cursor_) return std::nullopt;
    const GroupView group = groupAt(state_, *cursor_);
    const int16_t code = state_.board[cursor_->index];
    return CellView{*cursor_, code, static_cast<int16_t>(group.cells.size()), group.points};
}

std::optional<int32_t> GameFlow::bestFoundShown() const {
    if (!over_ || !bestFound_ || mode() != kStandardGame) return std::nullopt;
    return bestFound_;
}

int32_t GameFlow::fallingPeriod() const { return tilePeriodFor(state_.options.fallSpeedIndex); }

bool GameFlow::awaiting(SearchKind kind) const {
    return (kind == SearchKind::Hint ? hintTicket_ : bestFoundTicket_) != 0;
}

// ---------------------------------------------------------------- options

FlowOutcome GameFlow::setOptions(const Options& options) {
    FlowOutcome out;
    const bool periodChanged = options.fallSpeedIndex != state_.options.fallSpeedIndex;
    const bool gridChanged = options.gridSizeIndex != state_.options.gridSizeIndex;
    state_.options = options;
    if (periodChanged) out.fallingPeriod = fallingPeriod();
    // A board of the new grid, empty until the next start deals it.
    if (gridChanged) resetBoard(state_);
    return out;
}

// ---------------------------------------------------------------- a game

FlowOutcome GameFlow::start() { return begin(false, false); }

FlowOutcome GameFlow::restart() {
    if (!canRestart() || !random_->seek(*deal_)) return {};
    return begin(true, true);
}

FlowOutcome GameFlow::playDeal(uint64_t number) {
    if (number > kMaxDealNumber || !random_->seek(number)) return {};
    return begin(true, false);
}

// A deal begins: a new one (start), or a known one, by its number or again.
// The deal's number is the random source's place before the board is filled.
FlowOutcome GameFlow::begin(bool known, bool again) {
    FlowOutcome out;
    // The same board again keeps the best line found on it, or the search still looking.
    const Options& o = state_.options;
    const bool sameBoard = again && dealOptions_.gameMode == o.gameMode &&
                           dealOptions_.gridSizeIndex == o.gridSizeIndex && dealOptions_.numColors == o.numColors;
    started_ = true;
    over_ = false;
    endReason_.reset();
    paused_ = false;
    assisted_ = false;
    known_ = known;
    replay_.reset();
    if (!sameBoard) {
        bestFound_.reset();
        bestLine_.clear();
    }
    history_.clear();
    cancel(out, SearchKind::Hint);

    resetBoard(state_);
    state_.clockSeconds = mode() == kFallingTiles ? timeLimitFor(state_.options.fallTimeIndex) : 0;
    state_.score = 0;
    deal_ = random_->position();
    dealOptions_ = state_.options;
    fillBoard(state_, *random_);
    dealt_ = state_.board;
    // A keyboard player finds the cursor on the new board's start cell; for a
    // mouse player it stays hidden until an arrow key shows it. The board's
    // focus tells it, so the cursor itself is not told.
    setCursor(out, cursor_ ? cursorStart(state_) : std::nullopt, false);

    out.started = true;
    out.frames.push_back(frame(state_.board));
    out.scoreChanged = true;
    out.pauseChanged = true;
    out.assistChanged = true;
    out.clockTimer = TimerAction::Start;
    out.fallingTimer = TimerAction::Start;
    out.fallingPeriod = fallingPeriod();
    if (!sameBoard || (!bestFound_ && bestFoundTicket_ == 0)) {
        cancel(out, SearchKind::BestFound);
        if (mode() == kStandardGame) out.searches.push_back(order(SearchKind::BestFound));
    }
    if (known && deal_) {
        Utterance said;
        said.kind = Utterance::Kind::Deal;
        said.deal = *deal_;
        said.again = again;
        out.speech.push_back(said);
    }
    return out;
}

FlowOutcome GameFlow::press(std::optional<Cell> cell) {
    if (!running()) return {};
    FlowOutcome out;
    setCursor(out, std::nullopt);
    if (cell) append(out, play(*cell));
    return out;
}

FlowOutcome GameFlow::play(Cell cell) {
    if (!running()) return {};
    MoveOutcome move;
    if (mode() == kStandardGame) {
        move = history_.play(state_, cell);
    } else {
        move = playMove(state_, cell);
    }
    return moveOutcome(move, cell);
}

FlowOutcome GameFlow::playCursor() {
    if (!running() || !cursor_) return {};
    return play(*cursor_);
}

// A move shows the gap with its points, the fallen board and the settled one.
// The cursor stays on its cell, or goes to the nearest tile where its cell
// emptied; after a clearing move the move's words say where it is.
FlowOutcome GameFlow::moveOutcome(const MoveOutcome& move, const Cell& cell) {
    FlowOutcome out;
    if (move.result == MoveOutcome::Result::NoTile) return out;
    const bool cleared = move.result == MoveOutcome::Result::Cleared;
    if (cleared) {
        cancel(out, SearchKind::Hint);
        out.scoreChanged = true;
        out.frames.push_back(BoardFrame{move.gap, cell, move.points, kGapPause});
        out.frames.push_back(frame(move.fallen, kFallenPause));
        out.frames.push_back(frame(state_.board));
        out.assistChanged = true;
    }
    if (cursor_) setCursor(out, nearestTile(state_, *cursor_), !cleared);
    if (move.gameOver) {
        endGame(out, EndReason::NoGroupLeft, cleared ? std::optional<int32_t>(move.points) : std::nullopt);
    } else if (cleared) {
        Utterance said;
        said.kind = Utterance::Kind::Move;
        said.points = move.points;
        said.score = state_.score;
        said.now = cursorView();
        out.speech.push_back(said);
    }
    return out;
}

FlowOutcome GameFlow::clockTick() {
    if (!running()) return {};
    FlowOutcome out;
    const bool timedOut = tickClock(state_);
    out.clockChanged = true;
    if (timedOut) {
        endGame(out, EndReason::TimeOut);
    } else if (mode() == kFallingTiles) {
        const int32_t left = state_.clockSeconds;
        if (left == 60 || left == 30 || left == 10) {
            Utterance said;
            said.kind = Utterance::Kind::TimeLeft;
            said.secondsLeft = left;
            out.speech.push_back(said);
        }
    }
    return out;
}

FlowOutcome GameFlow::fallingTick() {
    if (!running() || mode() != kFallingTiles) return {};
    FlowOutcome out;
    if (!addFallingTiles(state_, *random_)) {
        endGame(out, EndReason::BlockedBatch);
        return out;
    }
    const std::optional<CellView> before = cursorView();  // with the batch in the top row
    out.frames.push_back(frame(state_.board));
    settleBoard(state_);
    out.frames.push_back(frame(state_.board));
    Utterance said;
    said.kind = Utterance::Kind::Batch;
    if (std::optional<CellView> now = cursorView(); now != before) said.now = now;
    out.speech.push_back(said);
    // A hint asked for is looked for again on the board the batch has changed.
    if (hintTicket_ != 0) out.searches.push_back(order(SearchKind::Hint));
    return out;
}

// Once per game, whatever brings it: the timers stop and a hint awaited is
// forgotten before anything is shown.
void GameFlow::endGame(FlowOutcome& out, EndReason reason, std::optional<int32_t> lastMovePoints) {
    if (over_) return;
    over_ = true;
    endReason_ = reason;
    cancel(out, SearchKind::Hint);
    out.clockTimer = TimerAction::Stop;
    out.fallingTimer = TimerAction::Stop;
    out.assistChanged = true;
    Utterance said;
    said.kind = Utterance::Kind::End;
    said.score = state_.score;
    said.lastMovePoints = lastMovePoints;
    out.speech.push_back(said);
    // A game played with Undo or Hint, or on a known deal, does not enter the best scores.
    out.end = GameEnd{reason, state_.score, !assisted_ && !known_};
    out.bestFoundShown = bestFoundShown();
}

// ---------------------------------------------------------------- pause

FlowOutcome GameFlow::pause() {
    FlowOutcome out;
    paused_ = true;
    out.pauseChanged = true;
    out.assistChanged = true;
    out.clockTimer = TimerAction::Stop;
    out.fallingTimer = TimerAction::Stop;
    cancel(out, SearchKind::Hint);
    return out;
}

// A finished game stays finished: resuming it does not start its timers again.
FlowOutcome GameFlow::resume() {
    if (!paused_) return {};
    FlowOutcome out;
    paused_ = false;
    out.pauseChanged = true;
    out.assistChanged = true;
    if (inProgress()) {
        out.clockTimer = TimerAction::Start;
        out.fallingTimer = TimerAction::Start;
    }
    return out;
}

// ---------------------------------------------------------------- assistance

FlowOutcome GameFlow::undo() {
    if (!canUndo()) return {};
    FlowOutcome out;
    cancel(out, SearchKind::Hint);
    const Cell played = history_.undo(state_);
    markAssisted(out);
    out.scoreChanged = true;
    out.frames.push_back(frame(state_.board));
    out.assistChanged = true;
    setCursor(out, played);
    return out;
}

// Redo plays the move again as a move is played: the gap and the points, the fallen board, the settled one.
FlowOutcome GameFlow::redo() {
    if (!canRedo()) return {};
    const Cell cell = history_.redoCell();
    return moveOutcome(history_.redo(state_), cell);
}

FlowOutcome GameFlow::undoAll() {
    if (!canUndo()) return {};
    FlowOutcome out;
    cancel(out, SearchKind::Hint);
    Cell first;
    while (history_.canUndo()) first = history_.undo(state_);
    markAssisted(out);
    out.scoreChanged = true;
    out.frames.push_back(frame(state_.board));
    setCursor(out, first);
    return out;
}

// The moves are played again as the rules play them, and only the board they
// leave is shown; what they scored together is said as one move's points.
FlowOutcome GameFlow::redoAll() {
    if (!canRedo()) return {};
    FlowOutcome out;
    cancel(out, SearchKind::Hint);
    const int32_t before = state_.score;
    bool gameOver = false;
    while (history_.canRedo() && !gameOver) gameOver = history_.redo(state_).gameOver;
    const auto points = static_cast<int32_t>(static_cast<uint32_t>(state_.score) - static_cast<uint32_t>(before));
    out.scoreChanged = true;
    out.assistChanged = true;
    out.frames.push_back(frame(state_.board));
    if (cursor_) setCursor(out, nearestTile(state_, *cursor_), false);
    if (gameOver) {
        endGame(out, EndReason::NoGroupLeft, points);
    } else {
        Utterance said;
        said.kind = Utterance::Kind::Move;
        said.points = points;
        said.score = state_.score;
        said.now = cursorView();
        out.speech.push_back(said);
    }
    return out;
}

FlowOutcome GameFlow::hint() {
    if (!canHint()) return {};
    FlowOutcome out;
    markAssisted(out);
    out.searches.push_back(order(SearchKind::Hint));
    return out;
}

// The cursor goes to the first move of the best sequence found, which outlines its group.
FlowOutcome GameFlow::searchAnswered(SearchKind kind, uint64_t ticket, const SearchResult& result) {
    FlowOutcome out;
    if (kind == SearchKind::Hint) {
        if (ticket == 0 || ticket != hintTicket_) return out;
        hintTicket_ = 0;
        if (running() && !result.moves.empty()) setCursor(out, result.moves.front());
        return out;
    }
    if (ticket == 0 || ticket != bestFoundTicket_) return out;
    bestFoundTicket_ = 0;
    bestFound_ = result.total;
    bestLine_ = result.moves;
    out.bestFoundShown = bestFoundShown();
    out.assistChanged = true;  // the line can be shown
    return out;
}

// ---------------------------------------------------------------- the best line

bool GameFlow::canShowBestLine() const { return bestFoundShown().has_value() && !bestLine_.empty() && !replay_; }

FlowOutcome GameFlow::showBestLine() {
    if (!canShowBestLine()) return {};
    FlowOutcome out;
    replay_ = Replay{state_.board, state_.score, cursor_};
    state_.board = dealt_;
    state_.score = 0;
    setCursor(out, std::nullopt, false);
    out.frames.push_back(frame(state_.board));
    out.scoreChanged = true;
    out.assistChanged = true;
    Utterance said;
    said.kind = Utterance::Kind::BestLine;
    said.score = *bestFound_;
    said.moves = static_cast<int32_t>(bestLine_.size());
    out.speech.push_back(said);
    out.nextStepIn = kReplayStartPause;
    return out;
}

// Each move in three steps: its group outlined, the outline lifted, the move.
FlowOutcome GameFlow::bestLineStep() {
    if (!replay_ || replay_->next >= bestLine_.size()) return {};
    FlowOutcome out;
    const Cell cell = bestLine_[replay_->next];
    switch (replay_->step) {
        case Replay::Step::Outline:
            setCursor(out, cell, false);
            replay_->step = Replay::Step::Lift;
            out.nextStepIn = kReplayOutlinePause;
            return out;
        case Replay::Step::Lift:
            setCursor(out, std::nullopt, false);
            replay_->step = Replay::Step::Move;
            out.nextStepIn = 0;
            return out;
        case Replay::Step::Move: break;
    }
    replay_->step = Replay::Step::Outline;
    ++replay_->next;
    const MoveOutcome move = playMove(state_, cell);
    if (move.result == MoveOutcome::Result::Cleared) {
        out.scoreChanged = true;
        out.frames.push_back(BoardFrame{move.gap, cell, move.points, kGapPause});
        out.frames.push_back(frame(move.fallen, kFallenPause));
        out.frames.push_back(frame(state_.board));
        Utterance said;
        said.kind = Utterance::Kind::Move;
        said.points = move.points;
        said.score = state_.score;
        out.speech.push_back(said);
    } else {
        replay_->next = bestLine_.size();  // a line that does not fit the board ends here
    }
    if (replay_->next < bestLine_.size()) {
        out.nextStepIn = kReplayMovePause;
    } else {
        Utterance said;
        said.kind = Utterance::Kind::BestLine;
        said.score = state_.score;
        said.moves = static_cast<int32_t>(bestLine_.size());
        said.finished = true;
        out.speech.push_back(said);
    }
    return out;
}

FlowOutcome GameFlow::stopBestLine() {
    if (!replay_) return {};
    FlowOutcome out;
    state_.board = replay_->board;
    state_.score = replay_->score;
    setCursor(out, replay_->cursor, replay_->cursor.has_value());
    replay_.reset();
    out.frames.push_back(frame(state_.board));
    out.scoreChanged = true;
    out.assistChanged = true;
    return out;
}

void GameFlow::markAssisted(FlowOutcome& out) {
    assisted_ = true;
    out.assistChanged = true;
}

SearchOrder GameFlow::order(SearchKind kind) {
    const uint64_t ticket = nextTicket_++;
    (kind == SearchKind::Hint ? hintTicket_ : bestFoundTicket_) = ticket;
    return SearchOrder{kind, false, ticket};
}

void GameFlow::cancel(FlowOutcome& out, SearchKind kind) {
    uint64_t& ticket = kind == SearchKind::Hint ? hintTicket_ : bestFoundTicket_;
    if (ticket == 0) return;
    out.searches.push_back(SearchOrder{kind, true, ticket});
    ticket = 0;
}

// ---------------------------------------------------------------- the cursor

void GameFlow::setCursor(FlowOutcome& out, std::optional<Cell> cell, bool tell) {
    cursor_ = cell;
    out.cursor = cell;
    out.tellCursor = tell;
}

FlowOutcome GameFlow::moveCursor(int16_t direction) {
    if (!running()) return {};
    FlowOutcome out;
    if (!cursor_) {
        setCursor(out, cursorStart(state_));  // the first arrow key shows the cursor
    } else if (const Cell next = stepCursor(state_, *cursor_, direction); next != *cursor_) {
        setCursor(out, next);
    }
    return out;
}

FlowOutcome GameFlow::cursorToLargestGroup() {
    if (!running()) return {};
    FlowOutcome out;
    if (const std::optional<Cell> to = largestGroup(state_); to && to != cursor_) setCursor(out, to);
    return out;
}

FlowOutcome GameFlow::cursorToNextGroup(bool forward) {
    if (!running()) return {};
    FlowOutcome out;
    if (const std::optional<Cell> to = nextGroup(state_, cursor_, forward); to && to != cursor_) setCursor(out, to);
    return out;
}

FlowOutcome GameFlow::cursorTo(std::optional<Cell> cell) {
    FlowOutcome out;
    setCursor(out, cell);
    return out;
}

}  // namespace qlx
