#include "session_end.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <cerrno>
#include <csignal>

namespace qlx {

namespace {

// A signal handler may not call Qt. It writes one byte into a socket pair;
// a notifier on the other end wakes the event loop, where the end runs.
std::array<int, 2> wakeUp = {-1, -1};  // [0] written by the handler, [1] read on the event loop

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};
std::array<struct sigaction, 3> previous{};

void onSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);  // full: one is already waiting
    errno = savedErrno;
}

}  // namespace

SessionEnd::SessionEnd(QWidget* mainWindow, QObject* parent) : QObject(parent), window_(mainWindow) {
    steps_.setInterval(10);
    connect(&steps_, &QTimer::timeout, this, &SessionEnd::step);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &SessionEnd::commitData);

    if (wakeUp[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeUp.data()) != 0) {
        return;  // no way to hear the signals: they end the program as they would have
    }
    notifier_ = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::signalled);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], nullptr, &previous[i]);
        // A signal the program was started to ignore (nohup; a shell's
        // background job and SIGINT) stays ignored.
        if (previous[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
    }
}

SessionEnd::~SessionEnd() {
    if (!notifier_) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
}

void SessionEnd::signalled() {
    char bytes[16];
    while (::read(wakeUp[1], bytes, sizeof bytes) > 0) {
    }
    begin();
}

void SessionEnd::commitData(QSessionManager& /*manager*/) { begin(); }

void SessionEnd::begin() {
    if (ending_) return;  // a second signal, or the session manager after a signal: one end
    ending_ = true;
    steps_.start();
    step();
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
    if (window_) window_->close();  // its unload saves (once, whatever closes it)
    QCoreApplication::quit();
}

}  // namespace qlx
