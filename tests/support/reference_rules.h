// The plain, step-by-step forms of the settle and the end test. The game uses
// faster procedures that must give exactly the same boards; tests compare them.
#pragma once

#include "board.h"

namespace qlx::test {

// Moves every tile one step at a time, scanning from the last index down,
// until a whole pass moves nothing.
inline void settleTilesStepwise(GameState& s, int16_t direction) {
    bool moved = true;
    while (moved) {
        moved = false;
        for (int i = s.numCells - 1; i >= 0; --i) {
            const int16_t t = s.board[i];
            const int j = i + s.dirOffset[direction];
            if (isInside(s, static_cast<int16_t>(i)) && t != kEmpty && s.board[j] == kEmpty) {
                s.board[j] = t;
                s.board[i] = kEmpty;
                moved = true;
            }
        }
    }
}

// A full group search from every tile until one finds a group.
inline bool noMovesLeftBySearch(const GameState& s) {
    for (int16_t i = 0; i < s.numCells; ++i) {
        if (findGroup(s, i).size >= 2) return false;
    }
    return true;
}

}  // namespace qlx::test
