#include "search_runner.h"

#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <utility>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qlx {

namespace {

// Background work on Linux runs at nice 19 rather than under SCHED_IDLE (Qt's
// IdlePriority): a SCHED_IDLE thread on a busy machine may wait a second or
// more for the moment it would see its cancel flag, and a process without
// privileges can never raise it again; at nice 19 it still gets a slice
// within a few scheduling periods. (LowestPriority changes nothing there.)
QThread::Priority startingPriority(SearchRunner::Urgency urgency) {
#ifdef __linux__
    static_cast<void>(urgency);
    return QThread::InheritPriority;
#else
    return urgency == SearchRunner::Urgency::Background ? QThread::IdlePriority : QThread::InheritPriority;
#endif
}

void enterUrgency(SearchRunner::Urgency urgency) {
#ifdef __linux__
    // On Linux, PRIO_PROCESS with a thread's id sets that thread alone.
    if (urgency == SearchRunner::Urgency::Background)
        static_cast<void>(::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 19));
#else
    static_cast<void>(urgency);
#endif
}

}  // namespace

SearchRunner::SearchRunner(Urgency urgency, QObject* parent) : QObject(parent), urgency_(urgency) {}

SearchRunner::~SearchRunner() { stopAll(); }

void SearchRunner::stopAll() {
    current_ = nullptr;
    held_.clear();  // never started: wait() returns at once
    for (const auto& run : runs_) run->cancel = true;
    for (const auto& run : runs_) {
        run->thread->wait();
        delete run->thread;
    }
    runs_.clear();
}

void SearchRunner::start(const GameState& s, const SearchBudget& budget, uint64_t ticket) {
    cancel();
    auto run = std::make_shared<Run>();
    Run* raw = run.get();
    // The thread owns a copy of the board and shares the run (with its flag)
    // with the answer, which may arrive after the thread has been deleted.
    run->thread = QThread::create([this, run, board = s, budget, ticket, urgency = urgency_] {
        enterUrgency(urgency);
        SearchResult result = searchBest(board, budget, &run->cancel);
#if defined(__GLIBC__)
        // The search's boards were freed into this thread's own heap, which
        // the C library keeps for later use: hand its pages back now.
        malloc_trim(0);
#endif
        QMetaObject::invokeMethod(
            this,
            [this, run, ticket, result = std::move(result)] {
                if (current_ != run.get() || run->cancel) return;  // cancelled, or a newer search was started
                current_ = nullptr;
                emit found(ticket, result);
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
    if (paintAwaited_ && paintAwaited_->isVisible()) {
        held_.push_back(raw);
    } else {
        run->thread->start(startingPriority(urgency_));
    }
}

void SearchRunner::holdUntilPainted(QWidget* window) {
    if (paintAwaited_) paintAwaited_->removeEventFilter(this);
    paintAwaited_ = window;
    if (window) window->installEventFilter(this);
}

bool SearchRunner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == paintAwaited_ && event->type() == QEvent::Paint) {
        paintAwaited_->removeEventFilter(this);
        paintAwaited_ = nullptr;
        // After the paint has been handled and sent to the screen.
        QTimer::singleShot(0, this, &SearchRunner::startHeld);
    }
    return QObject::eventFilter(watched, event);
}

void SearchRunner::startHeld() {
    for (Run* raw : std::exchange(held_, {})) {
        const auto it = std::find_if(runs_.begin(), runs_.end(), [raw](const auto& r) { return r.get() == raw; });
        if (it == runs_.end()) continue;
        if (raw->cancel) {  // cancelled before it began: it never will
            delete raw->thread;
            runs_.erase(it);
        } else {
            raw->thread->start(startingPriority(urgency_));
        }
    }
}

void SearchRunner::cancel() {
    if (current_) current_->cancel = true;
    current_ = nullptr;
}

}  // namespace qlx
