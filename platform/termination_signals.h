// The requests to end the program that come from the operating system rather
// than from a window: on POSIX systems kill (SIGTERM), a closed terminal
// (SIGHUP) and Ctrl+C (SIGINT). On Windows a desktop program hears the end of
// the session through the window system (the session manager's request), so
// nothing is watched there.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace qlx {

// A write to a closed pipe (standard error read by a program that has gone)
// fails with an error instead of ending the program. Call first thing.
void ignoreBrokenPipes();

class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    // Watches the signals for the lifetime of this object, one object at a
    // time. A signal the program was started to ignore (nohup, a shell's
    // background job and SIGINT) stays ignored.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // On the event loop, never inside the signal handler; once for each
    // batch of signals that arrived while the loop was busy, with the number
    // of the first of them.
    void received(int signalNumber);

private:
    void drain();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qlx
