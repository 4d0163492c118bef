// Deals that can be named and played again: the deal restarted (F5), a deal
// chosen by its number, every move undone or redone at once, and the best
// line found replayed move by move. Each command is one call into the game's
// flow; the window shows the outcome. The replay's steps follow one another
// through the event loop, so that a key or a click between them stops it.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include "assist_view.h"
#include "board_picture.h"
#include "deal_number_dialog.h"
#include "deal_view.h"
#include "main_window.h"
#include "stats_frame.h"

namespace qlx {

namespace {

// While the best line plays, the first key or mouse press anywhere in the
// program stops it and goes no further: a key is not also a command, a
// click not also a move.
class ReplayStopper : public QObject {
public:
    explicit ReplayStopper(MainWindow* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::ShortcutOverride:
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                event->accept();
                if (window_->flow().showingBestLine()) window_->stopBestLine();
                return true;
            default: return false;
        }
    }

private:
    MainWindow* window_;
};

}  // namespace

void MainWindow::buildDeals(QMenu* gameMenu) {
    deals_ = new DealView(this);
    deals_->addMenuItems(gameMenu, assist_->hintAction());
    deals_->addLabel(statsFrame_, *assist_->assistedLabel());
    connect(deals_, &DealView::undoAllChosen, this, &MainWindow::undoAllChosen);
    connect(deals_, &DealView::redoAllChosen, this, &MainWindow::redoAllChosen);
    connect(deals_, &DealView::restartChosen, this, &MainWindow::restartChosen);
    connect(deals_, &DealView::playDealChosen, this, &MainWindow::playDealChosen);
    connect(deals_, &DealView::showBestChosen, this, &MainWindow::showBestChosen);
    replayTimer_ = new QTimer(this);
    replayTimer_->setSingleShot(true);
    connect(replayTimer_, &QTimer::timeout, this, &MainWindow::bestLineStep);
}

// The deal's commands and mark as the game has them; the replay's watch on
// keys and clicks ends with the replay (later: the rest of the key that
// stopped it, its press after its shortcut check, still goes to the watch).
void MainWindow::showDeals() {
    deals_->show(flow_);
    if (replayStopper_ && !flow_.showingBestLine()) {
        replayStopper_->deleteLater();
        replayStopper_ = nullptr;
    }
}

void MainWindow::undoAllChosen() { showOutcome(flow_.undoAll()); }

void MainWindow::redoAllChosen() { showOutcome(flow_.redoAll()); }

void MainWindow::restartChosen() {
    board_->clear();
    showOutcome(flow_.restart());
}

void MainWindow::playDealChosen() {
    DealNumberDialog dialog(flow_.dealNumber(), flow_.options(), this);
    dialog.exec();
    focusBoard();
    if (!dialog.chosen()) return;
    board_->clear();
    showOutcome(flow_.playDeal(*dialog.chosen()));
}

void MainWindow::showBestChosen() { showReplay(flow_.showBestLine()); }

void MainWindow::bestLineStep() { showReplay(flow_.bestLineStep()); }

void MainWindow::stopBestLine() {
    replayTimer_->stop();
    showOutcome(flow_.stopBestLine());
}

// A step of the replay is shown as any outcome, its pause held through the
// pause of a move; the next step comes from the event loop, after any key or
// click made meanwhile.
void MainWindow::showReplay(const FlowOutcome& out) {
    showOutcome(out);
    if (!flow_.showingBestLine()) return;
    if (!replayStopper_) {
        replayStopper_ = new ReplayStopper(this);
        qApp->installEventFilter(replayStopper_);
    }
    if (out.nextStepIn) {
        if (*out.nextStepIn > 0) services_.pause.pause(*out.nextStepIn);
        replayTimer_->start(0);
    }
}

}  // namespace qlx
