#include "session_end.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QWidget>
#include <chrono>
#include <cstdlib>

#include "main_window.h"
#include "termination_signals.h"

namespace qlx {

void endProgramNow(int status) { std::_Exit(status); }

SessionEnd::SessionEnd(MainWindow* mainWindow, QObject* parent)
    : SessionEnd(mainWindow, SessionEndDeadline{}, parent) {}

SessionEnd::SessionEnd(MainWindow* mainWindow, SessionEndDeadline deadline, QObject* parent)
    : QObject(parent), window_(mainWindow), deadlineRule_(std::move(deadline)) {
    steps_.setInterval(10);
    connect(&steps_, &QTimer::timeout, this, &SessionEnd::step);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &SessionEnd::commitData);
    qApp->installEventFilter(this);

    // The exit status after a signal is the one the signal itself would have given.
    connect(new TerminationSignals(this), &TerminationSignals::received, this,
            [this](int signalNumber) { begin(128 + signalNumber); });
}

SessionEnd::~SessionEnd() {
    if (!deadline_.joinable()) return;
    {
        std::lock_guard lock(deadlineMutex_);
        cancelled_ = true;
    }
    deadlineCancelled_.notify_all();
    deadline_.join();
}

// A checkpoint, or the first half of a logout: either way the game saves and
// goes on; when the session does end, the quit request follows.
void SessionEnd::commitData(QSessionManager& /*manager*/) {
    if (window_ && !ending_) window_->saveNow();
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    // Only a quit while the game is still open: the one that follows its
    // own close (the last window closed) goes through.
    if (watched == qApp && event->type() == QEvent::Quit && !ending_ && window_ && window_->isVisible()) {
        begin(0);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SessionEnd::begin(int exitStatus) {
    if (ending_) return;  // a second signal, or the session manager after a signal: one end
    ending_ = true;
    exitStatus_ = exitStatus;
    startDeadline();
    steps_.start();
    step();
}

void SessionEnd::startDeadline() {
    deadline_ = std::thread([this, status = exitStatus_] {
        std::unique_lock lock(deadlineMutex_);
        if (!deadlineCancelled_.wait_for(lock, deadlineRule_.limit, [this] { return cancelled_; })) {
            deadlineRule_.exit(status);  // the saves already made are on the disk; nothing half-written is left
        }
    });
}

// Runs on the event loop, so never inside a move: a move blocks the thread
// in its pauses (a sleep) from its first picture to its last, and no event,
// this timer's or the notifier's, is handled before it is over.
//
// A modal window runs an event loop of its own inside the code that opened
// it (the end of a game shows the name dialog, inserts the score, shows the
// scores, then the end-of-game dialog). Closing the main window from there
// would save before that code has finished, and a best score being entered
// would be lost. So each open modal window is closed in turn, as it comes,
// and the code that opened it goes on as after its Cancel; the main window
// is closed only when none is open, that is, back in the main event loop.
void SessionEnd::step() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        return;
    }
    steps_.stop();
    if (window_) window_->endSession();  // its unload saves (once, whatever closes it), quietly
    QCoreApplication::exit(exitStatus_);
}

}  // namespace qlx
