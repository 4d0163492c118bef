#include "search_runner.h"

#include <algorithm>

namespace qlx {

SearchRunner::SearchRunner(QThread::Priority priority, QObject* parent) : QObject(parent), priority_(priority) {}

SearchRunner::~SearchRunner() {
    for (const auto& run : runs_) run->cancel = true;
    for (const auto& run : runs_) {
        run->thread->wait();
        delete run->thread;
    }
}

void SearchRunner::start(const GameState& s, const SearchBudget& budget) {
    cancel();
    auto run = std::make_shared<Run>();
    Run* raw = run.get();
    // The thread owns a copy of the board and shares the run (with its flag)
    // with the answer, which may arrive after the thread has been deleted.
    run->thread = QThread::create([this, run, board = s, budget] {
        SearchResult result = searchBest(board, budget, &run->cancel);
        QMetaObject::invokeMethod(
            this,
            [this, run, result = std::move(result)] {
                if (current_ != run.get() || run->cancel) return;  // cancelled, or a newer search was started
                current_ = nullptr;
                emit found(result);
            },
            Qt::QueuedConnection);
    });
    connect(run->thread, &QThread::finished, this, [this, raw] {
        const auto it = std::find_if(runs_.begin(), runs_.end(), [raw](const auto& r) { return r.get() == raw; });
        if (it == runs_.end()) return;
        (*it)->thread->deleteLater();
        runs_.erase(it);
    });
    runs_.push_back(run);
    current_ = raw;
    run->thread->start(priority_);
}

void SearchRunner::cancel() {
    if (current_) current_->cancel = true;
    current_ = nullptr;
}

}  // namespace qlx
