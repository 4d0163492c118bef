// The moves of a game, kept so that they can be taken back and played again.
// Only the board and the score go back: the clock is not the history's.
#pragma once

#include <vector>

#include "board.h"

namespace qlx {

class MoveHistory {
public:
    // Plays a move through the rules and, when it cleared a group, keeps the
    // board and score it started from; a new move forgets what could be redone.
    MoveOutcome play(GameState& s, Cell cell);

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }

    // Takes back the last move: the board and score are as they were before
    // it. Returns the cell that was played. Only when canUndo().
    Cell undo(GameState& s);

    // The cell of the move taken back last. Only when canRedo().
    Cell redoCell() const { return undone_.back().cell; }

    // Plays the move taken back last once more, as the rules play it. Only when canRedo().
    MoveOutcome redo(GameState& s);

    // Forgets every move: a new deal.
    void clear();

private:
    struct Entry {
        Cells board;
        int32_t score;
        Cell cell;
    };
    std::vector<Entry> done_;
    std::vector<Entry> undone_;
};

}  // namespace qlx
