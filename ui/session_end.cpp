#include "session_end.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QWidget>

#include "termination_signals.h"

namespace qlx {

SessionEnd::SessionEnd(QWidget* mainWindow, QObject* parent) : QObject(parent), window_(mainWindow) {
    steps_.setInterval(10);
    connect(&steps_, &QTimer::timeout, this, &SessionEnd::step);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &SessionEnd::commitData);

    connect(new TerminationSignals(this), &TerminationSignals::received, this, &SessionEnd::begin);
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
