// Playing without seeing the board: what the game says to a screen reader
// (through the announcer), the keys that save scanning the board cell by
// cell, and the keyboard focus brought back to the board's cursor cell. A
// mouse player never meets any of it: nothing is said while no assistive
// technology runs, and the keys change nothing a mouse changes.
#include <QAccessible>
#include <QEventLoop>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "accessibility.h"
#include "announcer.h"
#include "best_scores.h"
#include "board_picture.h"
#include "cursor.h"
#include "main_window.h"

namespace qlx {

namespace {
constexpr int kCellFocusDelay = 150;  // ms
constexpr int kEndSpeechTime = 3000;  // ms: "3 points. Game over, final score 233." at a screen reader's usual rate
}  // namespace

void MainWindow::buildAccess() {
    announcer_ = new Announcer(centralWidget());
    const auto shortcut = [this](QKeySequence keys, auto handler) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, handler);
    };
    // F10 opens the first menu of the menu bar, as on other desktops.
    shortcut(QKeySequence(Qt::Key_F10), [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    // Ctrl+N: a new game of the mode in force, as its Game menu item starts it.
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
        if (flow_.mode() == kFallingTiles) {
            fallingTilesChosen();
        } else {
            standardGameChosen();
        }
    });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { exitChosen(); });
}

bool MainWindow::accessKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const bool shift = modifiers & Qt::ShiftModifier;
    switch (key) {
        case Qt::Key_S: {
            const int32_t best = program_.bestScores.recordFor(currentConfiguration(program_)).score(1);
            announcer_->say(statusSpeech(flow_.state(), best));
            return true;
        }
        case Qt::Key_P:
            showOutcome(flow_.paused() ? flow_.resume() : flow_.pause());
            return true;
        case Qt::Key_L: showOutcome(flow_.cursorToLargestGroup()); return true;
        case Qt::Key_G: showOutcome(flow_.cursorToNextGroup(!shift)); return true;
        default: return false;
    }
}

void MainWindow::focusBoard() {
    if (flow_.paused()) return;  // the board is hidden
    if (!isActiveWindow()) activateWindow();  // back from a dialog: the game's window is the one in use
    if (!board_->hasFocus()) {
        board_->setFocus(Qt::OtherFocusReason);  // its focus-in event tells the cell
        return;
    }
    // Already focused (a new game by a key): the board is told, and then, a
    // moment later, its cursor cell. A screen reader skips a focus event
    // followed at once by another, and does not read again the cell it thinks
    // in focus; so the board is read, then the cell.
    QAccessibleEvent table(board_, QAccessible::Focus);
    QAccessible::updateAccessibility(&table);
    if (board_->cursor()) {
        QTimer::singleShot(kCellFocusDelay, board_, [b = board_] {
            if (b->hasFocus()) notifyCursorMoved(b);
        });
    }
}

// A screen reader breaks off what it says when a window opens. With one
// running, the end's words get the time to be heard before the first dialog;
// meanwhile the timers stand still and keys and clicks wait for the dialog.
void MainWindow::waitForEndSpeech() {
    if (!QAccessible::isActive()) return;
    QEventLoop wait;
    QTimer::singleShot(kEndSpeechTime, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace qlx
