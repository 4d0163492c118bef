// Runs the search of the rules off the window's thread. Each search works on
// its own copy of the board in a thread of its own; its answer comes back to
// the window's thread through a queued call and is announced by found().
// Starting a new search or cancelling sets the old one's flag: it stops within
// a few hundred boards, and its answer is never announced. The destructor
// cancels every search and waits for its thread, so that the program ends promptly.
// A runner may be told to hold its searches back until a window has been
// painted: a search started before then begins right after the first paint.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "search.h"

namespace qlx {

class SearchRunner : public QObject {
    Q_OBJECT
public:
    // An awaited search runs at the game's own priority; a background one only
    // takes what the other threads leave.
    enum class Urgency { Awaited, Background };
    explicit SearchRunner(Urgency urgency, QObject* parent = nullptr);
    ~SearchRunner() override;

    // Starts a search from the board of s; a search still running is cancelled.
    // Its answer is announced with the ticket.
    void start(const GameState& s, const SearchBudget& budget, uint64_t ticket = 0);
    // From now on, a search started while `window` is shown but has not been
    // painted yet waits for the end of its first paint (its thread is made,
    // and counted, at once).
    void holdUntilPainted(QWidget* window);
    // True while a search started waits for that first paint.
    bool waitingForPaint() const { return !held_.empty(); }
    void cancel();
    // Cancels every search and waits for each thread to end.
    void stopAll();
    // True from start() until the answer is announced or the search is cancelled.
    bool busy() const { return current_ != nullptr; }
    // The threads not yet seen to end: a cancelled search's thread counts
    // until it has returned and its end has reached this object's thread.
    int threadsRunning() const { return static_cast<int>(runs_.size()); }

signals:
    void found(uint64_t ticket, const qlx::SearchResult& result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startHeld();
    struct Run {
        QThread* thread = nullptr;
        std::atomic<bool> cancel{false};
    };
    Urgency urgency_;
    std::vector<std::shared_ptr<Run>> runs_;  // every thread not yet finished
    Run* current_ = nullptr;                  // the run whose answer is awaited
    QPointer<QWidget> paintAwaited_;          // the window whose first paint the searches wait for
    std::vector<Run*> held_;                  // runs whose threads wait for that paint
};

}  // namespace qlx
