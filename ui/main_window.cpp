// What the main window does on each event. Every step of the game is one
// call into the rules; this file orders the steps and shows their results.
#include "main_window.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <utility>

#include "about_dialog.h"
#include "accessibility.h"
#include "announcer.h"
#include "best_scores.h"
#include "board_painter.h"
#include "board_picture.h"
#include "captions.h"
#include "clock.h"
#include "cursor.h"
#include "falling_options_dialog.h"
#include "game_assist.h"
#include "game_over_dialog.h"
#include "name_dialog.h"
#include "scores_dialog.h"
#include "settings_store.h"
#include "startup.h"
#include "ui_look.h"

namespace qlx {

namespace {

constexpr int kFirstPause = 400;   // the gap and the points
constexpr int kSecondPause = 100;  // the fallen board

// Ticks exactly the item of a group of menu items that stands for value.
template <std::size_t N>
void tickOnly(const std::array<QAction*, N>& group, const OptionField& field, int16_t value) {
    for (QAction* a : group) a->setChecked(false);
    group.at(static_cast<std::size_t>(value - field.min))->setChecked(true);
}

}  // namespace

// ---------------------------------------------------------------- start-up

void MainWindow::applyOptionsToMenus() {
    const Options& o = game_.options;
    tickOnly(tileSizeActions_, optionField(&Options::tileSizeIndex), o.tileSizeIndex);
    tickOnly(tileSetActions_, optionField(&Options::tileSet), o.tileSet);
    tickOnly(kindCountActions_, optionField(&Options::numColors), o.numColors);
    tickOnly(gridSizeActions_, optionField(&Options::gridSizeIndex), o.gridSizeIndex);
    for (std::size_t i = 0; i < gridSizeActions_.size(); ++i) {
        const GridSize grid = kGrids[i];
        gridSizeActions_[i]->setText(QStringLiteral("%1 x %2").arg(grid.cols).arg(grid.rows));
        gridSizeActions_[i]->setEnabled(true);
    }
    setPaused(false);
}

// ---------------------------------------------------------------- a game

void MainWindow::newGame() {
    board_->clear();
    resetBoard(game_);
    startGame();
}

void MainWindow::startGame() {
    gameInProgress_ = true;
    const Options& o = game_.options;
    services_.sound.play(soundPath("OPENING.WAV"));
    clockTimer_.setInterval(1000);
    fallingTimer_.setInterval(tilePeriodFor(o.fallSpeedIndex));
    setPaused(false);
    if (o.gameMode == kFallingTiles) {
        game_.clockSeconds = timeLimitFor(o.fallTimeIndex);
        setLabel(timeCaption_, QStringLiteral("Time \r\nRemaining"));
        nameCount(timeLabel_, QStringLiteral("Time remaining"));
    } else {
        game_.clockSeconds = 0;
        timeCaption_->setFont(uiFont(10));
        setLabel(timeCaption_, QStringLiteral("Time"));
        nameCount(timeLabel_, QStringLiteral("Time"));
    }
    const TwipScale tw(services_.screen);
    timeLabel_->move(timeLabel_->x(), timeCaption_->y() + timeCaption_->height() + tw.y(50));
    game_.score = 0;
    setLabel(timeLabel_, QString());
    setLabel(scoreLabel_, QStringLiteral("0"));
    fillBoard(game_, services_.random);
    // A new board: a keyboard player finds the cursor on its first tile; for
    // a mouse player it stays hidden until an arrow key shows it.
    board_->setCursor(board_->cursor() ? cursorStart(game_) : std::nullopt, false);
    redrawBoard();
    fallingTimer_.setEnabled(true);
    clockTimer_.setEnabled(true);
    showBestScore();
    setWindowTitle(gameCaption(game_));
    board_->setFrozen(false);
    focusBoard();
    assist_->gameStarted();
}

void MainWindow::redrawBoard(const Cells& cells, const Cell* pointsCell, int32_t points) {
    board_->clear();
    {
        QPainter p(&board_->image());
        drawBoard(p, game_, cells, tilePictures_.listOfSize(tileSize(game_)));
        if (pointsCell) {
            p.setFont(board_->font());
            p.setPen(board_->palette().color(QPalette::WindowText));
            drawPoints(p, game_, *pointsCell, points);
        }
    }
    board_->refresh();
}

void MainWindow::redrawBoard() { redrawBoard(game_.board); }

// A press on the board hides the cursor of keyboard play and plays the tile under the pointer.
void MainWindow::boardPressed(double x, double y) {
    board_->setCursor(std::nullopt);
    if (const std::optional<Cell> cell = tileAtPixel(game_, x, y)) playCell(*cell);
}

// A move. The two pauses block the user-interface thread after the picture
// has been shown (see QtMovePause), so no click and no tick can come in
// before the move is over: each runs afterwards, on the settled board.
void MainWindow::playCell(const Cell& cell) {
    const MoveOutcome move = assist_->playMove(cell);
    if (move.result == MoveOutcome::Result::NoTile) return;
    if (move.result == MoveOutcome::Result::Cleared) {
        setLabel(scoreLabel_, QString::number(game_.score));
        redrawBoard(move.gap, &cell, move.points);  // the gap, and the points over the played cell
        services_.pause.pause(kFirstPause);
        redrawBoard(move.fallen);
        services_.pause.pause(kSecondPause);
        redrawBoard();
    }
    // The cursor stays on its cell, or goes to the nearest tile where its cell
    // emptied; after a clearing move the move's words say where it is.
    const bool cleared = move.result == MoveOutcome::Result::Cleared;
    if (const std::optional<Cell> cursor = board_->cursor()) board_->setCursor(nearestTile(game_, *cursor), !cleared);
    if (cleared) speakMove(move);
    if (move.gameOver) endGame();
}

void MainWindow::clockTick() {
    const bool timedOut = tickClock(game_);
    setLabel(timeLabel_, QString::fromStdString(clockText(game_.clockSeconds)));
    if (timedOut) {
        endGame(kTimeOutMessage);
    } else if (game_.options.gameMode == kFallingTiles) {
        announcer_->say(timeWarning(game_.clockSeconds));
    }
}

void MainWindow::fallingTick() {
    if (game_.options.gameMode != kFallingTiles) return;
    if (!addFallingTiles(game_, services_.random)) {
        endGame(kGameOverMessage);
        return;
    }
    const QString cursorBefore = cursorName();
    redrawBoard();  // the batch in the top row
    settleBoard(game_);
    redrawBoard();
    speakBatch(cursorBefore);
    assist_->batchEntered();
}

void MainWindow::stopTimers() {
    clockTimer_.setEnabled(false);
    fallingTimer_.setEnabled(false);
}

// Modal windows run their own event loops, in which ticks keep arriving: the
// game is marked over and both timers stop before anything is shown.
void MainWindow::endGame(const char* message) {
    const QString spokenMove = std::exchange(spokenBeforeEnd_, QString());
    if (!gameInProgress_) return;
    gameInProgress_ = false;
    stopTimers();
    announcer_->say(spokenMove + endSpeech(game_.score));  // before any message or dialog
    waitForEndSpeech();
    assist_->gameEnded();
    if (message) services_.messages.show(message);
    services_.sound.play(soundPath("APPLAUSE.wav"));
    const Configuration config = currentConfiguration(program_);
    // A game played with Undo or Hint does not enter the best scores.
    if (!assist_->assisted() && isRanked(program_.bestScores, config, game_.score)) {
        NameDialog nameDialog(game_.options.gameMode, services_.screen, this);
        nameDialog.exec();
        program_.settings.enterScore(program_.bestScores, config, game_.score, nameDialog.userName());
        saveChanges(program_);  // on the disk before anything else can happen; a failure is tried again later
        ScoresDialog scores(program_, services_.screen, this);
        scores.exec();
        // Asks for a sound file named "0", which does not exist, so it is silent; kept as the game always did.
        services_.sound.play("0");
    }
    board_->setFrozen(true);  // the finished board stays in view, frozen

    GameOverDialog gameOver(game_.score, services_.screen, this);
    gameOver.exec();
    if (gameOver.playAgain()) {
        newGame();
    } else {
        focusBoard();
    }
}

void MainWindow::showBestScore() {
    setLabel(bestScoreLabel_, QString::number(program_.bestScores.recordFor(currentConfiguration(program_)).score(1)));
}

std::string MainWindow::soundPath(const char* name) const { return services_.appFolder + "/snd/" + name; }

// ---------------------------------------------------------------- pause

void MainWindow::setPaused(bool paused) {
    resumeButton_->setVisible(paused);
    // A finished game stays finished: resuming it does not start its timers again.
    if (paused || gameInProgress_) {
        clockTimer_.setEnabled(!paused);
        fallingTimer_.setEnabled(!paused);
    }
    board_->setVisible(!paused);
    pauseAction_->setEnabled(!paused);
    assist_->refresh();
}

void MainWindow::showPosition() {
    setLabel(scoreLabel_, QString::number(game_.score));
    redrawBoard();
}

void MainWindow::pauseChosen() { setPaused(true); }

void MainWindow::resumeClicked() {
    setPaused(false);
    focusBoard();
}

void MainWindow::surfacePressed() {
    if (resumeButton_->isVisible()) resumeClicked();
}

void MainWindow::escapePressed() {
    pauseChosen();
    setWindowState(windowState() | Qt::WindowMinimized);
}

// ---------------------------------------------------------------- options

void MainWindow::gridSizeChosen(int16_t index) {
    game_.options.gridSizeIndex = index;
    tickOnly(gridSizeActions_, optionField(&Options::gridSizeIndex), index);
    keepChoice();
    board_->clear();
    resetBoard(game_);
    resizeWindow();
    startGame();
}

void MainWindow::tileSizeChosen(int16_t index) {
    game_.options.tileSizeIndex = index;
    tickOnly(tileSizeActions_, optionField(&Options::tileSizeIndex), index);
    keepChoice();
    resizeWindow();
    redrawBoard();
}

void MainWindow::kindCountChosen(int16_t index) {
    const OptionField& kinds = optionField(&Options::numColors);
    game_.options.numColors = static_cast<int16_t>(kinds.min + index);
    tickOnly(kindCountActions_, kinds, game_.options.numColors);
    keepChoice();
    newGame();
}

void MainWindow::tileSetChosen(int16_t index) {
    game_.options.tileSet = index;
    tickOnly(tileSetActions_, optionField(&Options::tileSet), index);
    keepChoice();
    redrawBoard();
}

void MainWindow::standardGameChosen() {
    game_.options.gameMode = kStandardGame;
    keepChoice();
    resetBoard(game_);
    startGame();
}

void MainWindow::fallingTilesChosen() {
    game_.options.gameMode = kFallingTiles;
    keepChoice();
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
    options.speedIndex = game_.options.fallSpeedIndex;
    options.timeIndex = game_.options.fallTimeIndex;
    options.exec();
    focusBoard();
    if (!options.okPressed) return;
    game_.options.fallSpeedIndex = options.speedIndex;
    game_.options.fallTimeIndex = options.timeIndex;
    keepChoice();
    fallingTimer_.setInterval(tilePeriodFor(game_.options.fallSpeedIndex));
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
    // Nobody is there to answer a message when the session ends.
    if (saveChanges(program_) == StoreOutcome::SoftwareUnavailable && !sessionEnding_) {
        services_.messages.show(kStoreFailedMessage);
    }
}

void MainWindow::endSession() {
    sessionEnding_ = true;
    close();
}

void MainWindow::keepChoice() { saveChanges(program_); }

void MainWindow::saveNow() { saveChanges(program_); }

}  // namespace qlx
