// The two budgets the game gives the search.
#pragma once

#include <optional>

#include "search.h"

namespace qlx {

// A hint answers within half a second: the search stops at 0.4 s, leaving
// room for the thread that runs it and the window that shows the answer.
inline const SearchBudget kHintBudget{.time = std::chrono::milliseconds(400)};

// "Best found" on a Standard deal: a fixed number of boards, so that a deal
// always shows the same figure, on any machine; one to two seconds of one core
// on a 25 x 20 board, less on smaller ones. The time limit only guards a slow machine.
inline const SearchBudget kBestFoundBudget{.nodes = 1'000'000, .time = std::chrono::seconds(8)};

}  // namespace qlx

namespace qlx {

// The budgets a program gives its searches; none: that search is never run
// (a test that does not need it).
struct SearchBudgets {
    std::optional<SearchBudget> hint = kHintBudget;
    std::optional<SearchBudget> bestFound = kBestFoundBudget;
};

}  // namespace qlx
