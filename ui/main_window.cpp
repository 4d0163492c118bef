// What the main window does on each event: one call into the game's flow,
// whose outcome it shows, plays and says (showOutcome); and the menus'
// commands, the options in force and saving.
#include "main_window.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "about_dialog.h"
#include "accessibility.h"
#include "announcer.h"
#include "board_painter.h"
#include "board_picture.h"
#include "captions.h"
#include "clock.h"
#include "assist_view.h"
#include "falling_options_dialog.h"
#include "game_end.h"
#include "language.h"
#include "scores_dialog.h"
#include "searches.h"
#include "startup.h"
#include "stats_frame.h"
#include "ui_look.h"

namespace qlx {

namespace {

// Ticks exactly the item of a group of menu items that stands for value.
template <std::size_t N>
void tickOnly(const std::array<QAction*, N>& group, const OptionField& field, int16_t value) {
    for (QAction* a : group) a->setChecked(false);
    group.at(static_cast<std::size_t>(value - field.min))->setChecked(true);
}

}  // namespace

// ---------------------------------------------------------------- start-up

void MainWindow::applyOptionsToMenus() {
    const Options& o = flow_.options();
    tickOnly(tileSizeActions_, optionField(&Options::tileSizeIndex), o.tileSizeIndex);
    tickOnly(tileSetActions_, optionField(&Options::tileSet), o.tileSet);
    tickOnly(kindCountActions_, optionField(&Options::numColors), o.numColors);
    tickOnly(gridSizeActions_, optionField(&Options::gridSizeIndex), o.gridSizeIndex);
    for (std::size_t i = 0; i < gridSizeActions_.size(); ++i) {
        const GridSize grid = kGrids[i];
        //: A grid size in the Options menu: columns x rows.
        gridSizeActions_[i]->setText(tr("%1 x %2").arg(localDigits(grid.cols), localDigits(grid.rows)));
        gridSizeActions_[i]->setEnabled(true);
    }
}

// ---------------------------------------------------------------- a game

void MainWindow::newGame() {
    board_->clear();
    startGame();
}

void MainWindow::startGame() { showOutcome(flow_.start()); }

// Everything a call into the flow changed, in the order a player meets it.
// The pauses of a move block the user-interface thread after each picture
// has been shown (see QtMovePause), so no click and no tick can come in
// before the move is over: each runs afterwards, on the settled board.
void MainWindow::showOutcome(const FlowOutcome& out) {
    if (out.started) services_.sound.play(soundPath("OPENING.WAV"));
    applyTimers(out);
    for (const SearchOrder& order : out.searches) searches_->carryOut(order, flow_.state());
    if (out.pauseChanged) showPause();
    if (out.assistChanged) assist_->show(flow_);
    if (out.assistChanged) showDeals();
    if (out.started) {
        statsFrame_->showNewGame(flow_.mode(), TwipScale(services_.screen));
        showBestScore();
        assist_->hideBestFound();
    }
    if (out.scoreChanged) statsFrame_->showScore(flow_.state().score);
    if (out.clockChanged) statsFrame_->showClock(flow_.state().clockSeconds);
    if (out.cursor && out.started) board_->setCursor(flow_.cursor(), false);
    for (const BoardFrame& frame : out.frames) {
        redrawBoard(frame.cells, frame.pointsAt ? &*frame.pointsAt : nullptr, frame.points);
        if (frame.pauseAfter > 0) services_.pause.pause(frame.pauseAfter);
    }
    if (out.started) {
        setWindowTitle(gameCaption(flow_.state()));
        focusBoard();
    } else if (out.cursor) {
        board_->setCursor(flow_.cursor(), out.tellCursor);
    }
    const Utterance* endWords = nullptr;
    for (const Utterance& said : out.speech) {
        if (said.kind == Utterance::Kind::End) {
            endWords = &said;
        } else {
            announcer_->say(spokenText(flow_.state(), said));
        }
    }
    if (out.end && endWords) {
        showEnd(*out.end, *endWords, out.bestFoundShown);
    } else if (out.bestFoundShown) {
        assist_->showBestFound(*out.bestFoundShown);
    }
}

void MainWindow::applyTimers(const FlowOutcome& out) {
    if (out.started) clockTimer_.setInterval(kClockPeriod);
    if (out.fallingPeriod) fallingTimer_.setInterval(*out.fallingPeriod);
    if (out.clockTimer != TimerAction::Keep) clockTimer_.setEnabled(out.clockTimer == TimerAction::Start);
    if (out.fallingTimer != TimerAction::Keep) fallingTimer_.setEnabled(out.fallingTimer == TimerAction::Start);
}

void MainWindow::redrawBoard(const Cells& cells, const Cell* pointsCell, int32_t points) {
    board_->clear();
    {
        QPainter p(&board_->image());
        drawBoard(p, flow_.state(), cells, tilePictures_.listOfSize(tileSize(flow_.state())));
        if (pointsCell) {
            p.setFont(board_->font());
            p.setPen(board_->palette().color(QPalette::WindowText));
            drawPoints(p, flow_.state(), *pointsCell, points);
        }
    }
    board_->refresh();
}

void MainWindow::redrawBoard() { redrawBoard(flow_.state().board); }

void MainWindow::showPosition() {
    statsFrame_->showScore(flow_.state().score);
    redrawBoard();
}

// A press on the board hides the cursor of keyboard play and plays the tile under the pointer.
void MainWindow::boardPressed(double x, double y) { showOutcome(flow_.press(tileAtPixel(flow_.state(), x, y))); }

void MainWindow::clockTick() { showOutcome(flow_.clockTick()); }

void MainWindow::fallingTick() { showOutcome(flow_.fallingTick()); }

void MainWindow::undoChosen() { showOutcome(flow_.undo()); }

void MainWindow::redoChosen() { showOutcome(flow_.redo()); }

void MainWindow::hintChosen() { showOutcome(flow_.hint()); }

void MainWindow::searchAnswered(SearchKind kind, uint64_t ticket, const SearchResult& result) {
    showOutcome(flow_.searchAnswered(kind, ticket, result));
}

void MainWindow::stopSearches() { searches_->stopAll(); }

void MainWindow::stopTimers() {
    clockTimer_.setEnabled(false);
    fallingTimer_.setEnabled(false);
}

// Modal windows run their own event loops, in which ticks keep arriving: the
// flow has ended the game and stopped both timers before anything is shown.
void MainWindow::showEnd(const GameEnd& end, const Utterance& said, std::optional<int32_t> bestFound) {
    announcer_->say(spokenText(flow_.state(), said));  // before any message or dialog
    waitForEndSpeech();
    if (bestFound) assist_->showBestFound(*bestFound);
    if (runEndDialogs(program_, services_, this, end)) {
        newGame();
    } else {
        focusBoard();
    }
}

void MainWindow::showBestScore() {
    statsFrame_->showBestScore(program_.bestScores.recordFor(currentConfiguration(program_)).score(1));
}

std::string MainWindow::soundPath(const char* name) const { return services_.appFolder + "/snd/" + name; }

// ---------------------------------------------------------------- pause

void MainWindow::showPause() {
    const bool paused = flow_.paused();
    resumeButton_->setVisible(paused);
    board_->setVisible(!paused);
    pauseAction_->setEnabled(!paused);
}

void MainWindow::pauseChosen() { showOutcome(flow_.pause()); }

void MainWindow::resumeClicked() {
    showOutcome(flow_.resume());
    focusBoard();
}

void MainWindow::surfacePressed() {
    if (flow_.paused()) resumeClicked();
}

void MainWindow::escapePressed() {
    pauseChosen();
    setWindowState(windowState() | Qt::WindowMinimized);
}

// ---------------------------------------------------------------- options

// An option chosen is in force at once and saved at once (quietly: a failure
// is tried again at the next save).
void MainWindow::choose(int16_t Options::*member, int16_t value) {
    Options o = flow_.options();
    o.*member = value;
    showOutcome(flow_.setOptions(o));
    saveChanges(program_);
}

void MainWindow::gridSizeChosen(int16_t index) {
    choose(&Options::gridSizeIndex, index);
    tickOnly(gridSizeActions_, optionField(&Options::gridSizeIndex), index);
    board_->clear();
    resizeWindow();
    startGame();
}

void MainWindow::tileSizeChosen(int16_t index) {
    choose(&Options::tileSizeIndex, index);
    tickOnly(tileSizeActions_, optionField(&Options::tileSizeIndex), index);
    resizeWindow();
    redrawBoard();
}

void MainWindow::kindCountChosen(int16_t index) {
    const OptionField& kinds = optionField(&Options::numColors);
    choose(&Options::numColors, static_cast<int16_t>(kinds.min + index));
    tickOnly(kindCountActions_, kinds, flow_.options().numColors);
    newGame();
}

void MainWindow::tileSetChosen(int16_t index) {
    choose(&Options::tileSet, index);
    tickOnly(tileSetActions_, optionField(&Options::tileSet), index);
    redrawBoard();
}

void MainWindow::standardGameChosen() {
    choose(&Options::gameMode, kStandardGame);
    startGame();
}

void MainWindow::fallingTilesChosen() {
    choose(&Options::gameMode, kFallingTiles);
    newGame();
}

void MainWindow::scoresChosen() {
    ScoresDialog scores(program_, services_.screen, this);
    scores.exec();
    showBestScore();
    focusBoard();
}

// The new period applies to the running timer at once, without enabling or
// disabling it; the new playing time from the next game on.
void MainWindow::fallingOptionsChosen() {
    FallingOptionsDialog options(services_.screen, this);  // opens over the game, as every dialog does
    options.speedIndex = flow_.options().fallSpeedIndex;
    options.timeIndex = flow_.options().fallTimeIndex;
    options.exec();
    focusBoard();
    if (!options.okPressed) return;
    Options o = flow_.options();
    o.fallSpeedIndex = options.speedIndex;
    o.fallTimeIndex = options.timeIndex;
    showOutcome(flow_.setOptions(o));
    saveChanges(program_);
}

// The help opens beside the game, which goes on behind it.
void MainWindow::helpChosen() { services_.help.showContents(services_.appFolder + "/QLX.hlp"); }

void MainWindow::aboutChosen() {
    AboutDialog about(QString::fromLatin1(kWebSite), [this] { openWebSite(services_); }, services_.screen, this);
    about.exec();
    focusBoard();
}

// ---------------------------------------------------------------- leaving

void MainWindow::exitChosen() { close(); }

void MainWindow::saveOnClose() {
    if (unloaded_) return;  // a window closed twice saves once
    unloaded_ = true;
    stopTimers();
    stopSearches();
    // Nobody is there to answer a message when the session ends.
    if (saveChanges(program_) == StoreOutcome::SoftwareUnavailable && !sessionEnding_) {
        services_.messages.show(storeFailedMessage());
    }
}

void MainWindow::endSession() {
    sessionEnding_ = true;
    close();
}

void MainWindow::saveNow() { saveChanges(program_); }

}  // namespace qlx
