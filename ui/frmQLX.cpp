// What the main window does on each event. Every step of the game is one
// call into the rules; this file orders the steps and shows their results.
#include "frmQLX.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "Module5.h"
#include "Module6.h"
#include "Module8.h"
#include "accessibility.h"
#include "board_picture.h"
#include "clock.h"
#include "diagUN.h"
#include "diagWow.h"
#include "frmAbt.h"
#include "frmFTOp.h"
#include "frmStats.h"
#include "modUI.h"
#include "ui_look.h"

namespace qlx {

namespace {

constexpr int kFirstPause = 400;   // the gap and the points
constexpr int kSecondPause = 100;  // the fallen board

// Ticks exactly one item of a group of menu items.
template <std::size_t N>
void checkOnly(const std::array<QAction*, N>& group, int16_t index) {
    for (QAction* a : group) a->setChecked(false);
    group[static_cast<std::size_t>(index)]->setChecked(true);
}

}  // namespace

// ---------------------------------------------------------------- start-up

void frmQLX::Form_Load() {
    setMenuSelected(game_.tileSizeIndex);
    setTileMenuSelected(game_.tileSet);
    setNCMenuSelected(static_cast<int16_t>(game_.numColors - 5));
    setMenuGSSelected(program_.savedSettings.gridSizeIndex);
    for (std::size_t i = 0; i < mnuGS_.size(); ++i) {
        mnuGS_[i]->setText(QStringLiteral("%1 x %2").arg(gridCols[i + 1]).arg(gridRows[i + 1]));
        mnuGS_[i]->setEnabled(true);
    }
    enablePause(false);
}

// ---------------------------------------------------------------- a game

void frmQLX::startGame() {
    gameInProgress_ = true;
    const SavedSettings& saved = program_.savedSettings;
    services_.sound.play(soundPath("OPENING.WAV"));
    timeLimit_ = timeLimitFor(saved.fallTimeIndex);
    timerSeconds_.setInterval(1000);
    timerTileSpeed_.setInterval(tilePeriodFor(saved.fallSpeedIndex));
    enablePause(false);
    if (game_.gameMode == kFallingTiles) {
        game_.clockSeconds = timeLimit_;
        setLabel(lblTimeCap_, QStringLiteral("Time \r\nRemaining"));
        nameCount(lblTime_, QStringLiteral("Time remaining"));
    } else {
        game_.clockSeconds = 0;
        lblTimeCap_->setFont(uiFont(10));
        setLabel(lblTimeCap_, QStringLiteral("Time"));
        nameCount(lblTime_, QStringLiteral("Time"));
    }
    const TwipScale tw(services_.screen);
    lblTime_->move(lblTime_->x(), lblTimeCap_->y() + lblTimeCap_->height() + tw.y(50));
    game_.score = 0;
    setLabel(lblTime_, QString());
    setLabel(lblAScore_, QStringLiteral("0"));
    fillBoard(game_, services_.random);
    pbGrid_->setCursor(std::nullopt);  // a new board: the first arrow key shows the cursor again
    redrawBoard();
    timerTileSpeed_.setEnabled(true);
    timerSeconds_.setEnabled(true);
    showBestScore();
    const QString mode =
        game_.gameMode == kFallingTiles ? QStringLiteral(" Falling Tiles ") : QStringLiteral(" Standard Game");
    setWindowTitle(QStringLiteral("%1 - %2(%3x%4) %5 Tiles")
                       .arg(QString::fromLatin1(kAppTitle), mode)
                       .arg(game_.numRows)
                       .arg(game_.numCols)
                       .arg(game_.numColors));
    pbGrid_->setEnabled(true);
}

void frmQLX::redrawBoard(const Cell* pointsCell, int32_t points) {
    pbGrid_->clear();
    {
        QPainter p(&pbGrid_->image());
        drawBoard(p, game_, imageList1_.list(game_.tileSizeIndex));
        if (pointsCell) {
            p.setFont(pbGrid_->font());
            p.setPen(pbGrid_->palette().color(QPalette::WindowText));
            drawPoints(p, game_.tileSize, pointsCell->c, pointsCell->r, points);
        }
    }
    pbGrid_->refresh();
}

// A press on the board hides the cursor of keyboard play and plays the tile under the pointer.
void frmQLX::pbGrid_MouseDown(double x, double y) {
    pbGrid_->setCursor(std::nullopt);
    if (const std::optional<Cell> cell = tileAtPixel(game_, x, y)) playCell(*cell);
}

// A move. The two pauses block the user-interface thread after the picture
// has been shown (see QtMovePause), so no click and no tick can come in
// before the move is over: each runs afterwards, on the settled board.
void frmQLX::playCell(const Cell& cell) {
    if (game_.board[cell.index] == kEmpty) return;  // an empty cell: nothing happens
    if (const int32_t points = clearGroupAt(game_, cell.index)) {
        setLabel(lblAScore_, QString::number(game_.score));
        redrawBoard(&cell, points);  // the gap, and the points over the played cell
        services_.pause.pause(kFirstPause);
        settleTiles(game_, kDown);
        redrawBoard();
        services_.pause.pause(kSecondPause);
        settleTiles(game_, kRight);
        redrawBoard();
    }
    // The cursor stays on its cell, or goes to the nearest tile where its cell emptied.
    if (const std::optional<Cell> cursor = pbGrid_->cursor()) pbGrid_->setCursor(nearestTile(game_, *cursor));
    if (noMovesLeft(game_)) gameOver();
}

void frmQLX::timerSeconds_Timer() {
    const bool timedOut = tickClock(game_);
    setLabel(lblTime_, QString::fromStdString(clockText(game_.clockSeconds)));
    if (timedOut) gameOverWithMessage(" Time Out - Game Over ");
}

void frmQLX::timerTileSpeed_Timer() {
    if (game_.gameMode != kFallingTiles) return;
    if (!addFallingTiles(game_, services_.random)) {
        gameOverWithMessage(" Game Over ");
        return;
    }
    redrawBoard();  // the batch in the top row
    settleBoard(game_);
    redrawBoard();
}

// The message is modal and runs its own event loop: both timers stop before
// it shows, so that no tick can bring a second end of the same game.
void frmQLX::gameOverWithMessage(const char* text) {
    stopTimers();
    services_.messages.show(text);
    gameOver();
}

void frmQLX::stopTimers() {
    timerSeconds_.setEnabled(false);
    timerTileSpeed_.setEnabled(false);
}

void frmQLX::gameOver() {
    gameInProgress_ = false;
    services_.sound.play(soundPath("APPLAUSE.wav"));
    stopTimers();
    const Configuration config = currentConfiguration(program_);
    if (rankOfScore(program_.bestScores, config, game_.score) <= 3) {
        diagUN nameDialog(game_.gameMode, services_.screen, this);
        nameDialog.exec();
        insertScore(program_.bestScores, config, game_.score, nameDialog.userName());
        frmStats scores(program_, services_.screen, this);
        scores.exec();
        services_.sound.play("0");  // plays nothing: there is no such file
    }
    gameOverAnimation();

    diagWow wow(game_.score, services_.screen, this);
    wow.exec();
    if (wow.playAgain()) {
        pbGrid_->clear();
        resetBoard(game_, game_.numCols, game_.numRows);
        startGame();
    }
}

void frmQLX::gameOverAnimation() {
    stopTimers();
    pbGrid_->setEnabled(false);
}

void frmQLX::showBestScore() {
    setLabel(lblTotScore_, QString::number(program_.bestScores.recordFor(currentConfiguration(program_)).scores[0]));
}

std::string frmQLX::soundPath(const char* name) const { return services_.appFolder + "/snd/" + name; }

// ---------------------------------------------------------------- pause

void frmQLX::enablePause(bool paused) {
    cmdPuase_->setVisible(paused);
    // A finished game stays finished: resuming it does not start its timers
    // again, which would run its end a second time.
    if (paused || gameInProgress_) {
        timerSeconds_.setEnabled(!paused);
        timerTileSpeed_.setEnabled(!paused);
    }
    pbGrid_->setVisible(!paused);
    mnuPause_->setEnabled(!paused);
}

void frmQLX::MNU_PAUSE_Click() { enablePause(true); }

void frmQLX::cmdPuase_Click() { enablePause(false); }

void frmQLX::Form_MouseDown() {
    if (cmdPuase_->isVisible()) enablePause(false);
}

void frmQLX::Form_KeyPress(int keyAscii) {
    if (keyAscii != 27) return;
    MNU_PAUSE_Click();
    setWindowState(windowState() | Qt::WindowMinimized);
}

// ---------------------------------------------------------------- options

void frmQLX::setMenuSelected(int16_t index) {
    checkOnly(mnuSIZ_, index);
    game_.tileSizeIndex = index;
    game_.tileSize = static_cast<int16_t>(imageList1_.list(index).pictureSize());
}

void frmQLX::setTileMenuSelected(int16_t index) { checkOnly(mnuTN_, index); }

void frmQLX::setNCMenuSelected(int16_t index) { checkOnly(mnuNC_, index); }

void frmQLX::setMenuGSSelected(int16_t index) { checkOnly(mnuGS_, index); }

void frmQLX::MNU_GS_Click(int16_t index) {
    setMenuGSSelected(index);
    program_.savedSettings.gridSizeIndex = index;
    pbGrid_->clear();
    resetBoard(game_, gridCols[index + 1], gridRows[index + 1]);
    resizeWindow();
    startGame();
}

void frmQLX::MNU_SIZ_Click(int16_t index) {
    setMenuSelected(index);
    resizeWindow();
    redrawBoard();
}

void frmQLX::MNU_NC_Click(int16_t index) {
    game_.numColors = static_cast<int16_t>(index + 5);
    setNCMenuSelected(index);
    pbGrid_->clear();
    resetBoard(game_, game_.numCols, game_.numRows);
    startGame();
}

void frmQLX::MNU_TN_Click(int16_t index) {
    setTileMenuSelected(index);
    game_.tileSet = index;
    redrawBoard();
}

void frmQLX::MNU_STANDARD_Click() {
    game_.gameMode = kStandardGame;
    resetBoard(game_, game_.numCols, game_.numRows);
    startGame();
}

void frmQLX::MNU_FB_Click() {
    game_.gameMode = kFallingTiles;
    pbGrid_->clear();
    resetBoard(game_, game_.numCols, game_.numRows);
    startGame();
}

void frmQLX::MNU_SCORES_Click() {
    frmStats scores(program_, services_.screen, this);
    scores.exec();
    showBestScore();
}

// The new period applies to the running timer at once, without enabling or
// disabling it; the new playing time from the next game on.
void frmQLX::MNU_FALL_Click() {
    frmFTOp options(services_.screen);  // no owner: the one dialog that shows in the task bar
    options.speedIndex = program_.savedSettings.fallSpeedIndex;
    options.timeIndex = program_.savedSettings.fallTimeIndex;
    options.exec();
    if (!options.okPressed) return;
    program_.savedSettings.fallSpeedIndex = options.speedIndex;
    timerTileSpeed_.setInterval(tilePeriodFor(program_.savedSettings.fallSpeedIndex));
    program_.savedSettings.fallTimeIndex = options.timeIndex;
}

// The help opens beside the game, which goes on behind it.
void frmQLX::MNU_HC_Click() { services_.help.showContents(services_.appFolder + "/QLX.hlp"); }

void frmQLX::MNU_ABT_Click() {
    frmAbt about(QString::fromLatin1(kWebSite), [this] { openWebSite(services_); }, services_.screen);
    about.exec();
}

// ---------------------------------------------------------------- leaving

void frmQLX::MNU_EXIT_Click() { close(); }

void frmQLX::Form_Unload() {
    if (unloaded_) return;  // a window closed twice saves once
    unloaded_ = true;
    stopTimers();
    SavedSettings& saved = program_.savedSettings;
    saved.gameMode = game_.gameMode;
    saved.tileSet = game_.tileSet;
    saved.tileSizeIndex = game_.tileSizeIndex;
    saved.numColors = game_.numColors;
    if (services_.registry) saveSettings(*services_.registry, services_.messages, saved, program_.bestScores);
}

}  // namespace qlx
