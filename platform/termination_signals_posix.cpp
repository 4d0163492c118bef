#include "termination_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace qlx {

namespace {

// A signal handler may not call Qt. It writes one byte into a socket pair;
// a notifier on the other end wakes the event loop.
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

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (wakeUp[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeUp.data()) != 0) {
        return;  // no way to hear the signals: they end the program as they would have
    }
    notifier_ = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The handler stays installed: a second signal while the first is being
    // handled must not end the program before it has saved.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], nullptr, &previous[i]);
        if (previous[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
}

void TerminationSignals::drain() {
    char bytes[16];
    int first = 0;
    for (ssize_t n; (n = ::read(wakeUp[1], bytes, sizeof bytes)) > 0;) {
        if (first == 0) first = static_cast<unsigned char>(bytes[0]);
    }
    if (first != 0) emit received(first);
}

void ignoreBrokenPipes() { ::signal(SIGPIPE, SIG_IGN); }

}  // namespace qlx
