#include "searches.h"

namespace qlx {

Searches::Searches(const SearchBudgets& budgets, QObject* parent)
    : QObject(parent),
      budgets_(budgets),
      hint_(SearchRunner::Urgency::Awaited),
      bestFound_(SearchRunner::Urgency::Background) {
    // The background search of a window's first game begins once the window
    // has been painted: it never delays the first picture.
    if (auto* widget = qobject_cast<QWidget*>(parent)) bestFound_.holdUntilPainted(widget->window());
    connect(&hint_, &SearchRunner::found, this,
            [this](uint64_t ticket, const SearchResult& r) { emit answered(SearchKind::Hint, ticket, r); });
    connect(&bestFound_, &SearchRunner::found, this,
            [this](uint64_t ticket, const SearchResult& r) { emit answered(SearchKind::BestFound, ticket, r); });
}

void Searches::carryOut(const SearchOrder& order, const GameState& s) {
    SearchRunner& runner = order.kind == SearchKind::Hint ? hint_ : bestFound_;
    const std::optional<SearchBudget>& budget = order.kind == SearchKind::Hint ? budgets_.hint : budgets_.bestFound;
    if (order.cancel || !budget) {
        runner.cancel();
    } else {
        runner.start(s, *budget, order.ticket);
    }
}

void Searches::stopAll() {
    hint_.stopAll();
    bestFound_.stopAll();
}

}  // namespace qlx
