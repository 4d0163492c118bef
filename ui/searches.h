// The searches a game orders, each on worker threads (see SearchRunner), with
// the budgets the program gives them. The hint is awaited by the player: it
// runs at the game's own priority. The best-found search is background work,
// which never slows the game. Answers are announced with the kind and ticket
// of their order; a search whose budget is none is never run. Made as part of
// a window, the best-found search waits for the window's first paint.
#pragma once

#include <QObject>

#include "game_flow.h"
#include "search_budgets.h"
#include "search_runner.h"

namespace qlx {

class Searches : public QObject {
    Q_OBJECT
public:
    explicit Searches(const SearchBudgets& budgets, QObject* parent = nullptr);

    // Starts (on the board of s, as it is now) or cancels what the order says.
    void carryOut(const SearchOrder& order, const GameState& s);
    // Cancels every search and waits for its thread: nothing runs afterwards.
    void stopAll();

    // For tests: the runners of each kind.
    const SearchRunner& runner(SearchKind kind) const { return kind == SearchKind::Hint ? hint_ : bestFound_; }

signals:
    void answered(qlx::SearchKind kind, uint64_t ticket, const qlx::SearchResult& result);

private:
    SearchBudgets budgets_;
    SearchRunner hint_;
    SearchRunner bestFound_;
};

}  // namespace qlx
