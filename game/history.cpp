#include "history.h"

namespace qlx {

MoveOutcome MoveHistory::play(GameState& s, Cell cell) {
    Entry before{s.board, s.score, cell};
    MoveOutcome move = playMove(s, cell);
    if (move.result == MoveOutcome::Result::Cleared) {
        done_.push_back(std::move(before));
        undone_.clear();
    }
    return move;
}

Cell MoveHistory::undo(GameState& s) {
    Entry e = std::move(done_.back());
    done_.pop_back();
    s.board = e.board;
    s.score = e.score;
    undone_.push_back(std::move(e));
    return undone_.back().cell;
}

MoveOutcome MoveHistory::redo(GameState& s) {
    Entry e = std::move(undone_.back());
    undone_.pop_back();
    MoveOutcome move = playMove(s, e.cell);
    done_.push_back(std::move(e));
    return move;
}

void MoveHistory::clear() {
    done_.clear();
    undone_.clear();
}

}  // namespace qlx
