#include "game_assist.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>

#include "board_picture.h"
#include "main_window.h"
#include "search_budgets.h"
#include "ui_look.h"

namespace qlx {

namespace {
const QColor kAssistedRed(160, 0, 0);
}  // namespace

// The hint is awaited by the player: it runs at the game's own priority. The
// best-found search is background work, which never slows the game.
GameAssist::GameAssist(MainWindow& window, GameState& game)
    : window_(window),
      game_(game),
      hintSearch_(SearchRunner::Urgency::Awaited),
      bestFoundSearch_(SearchRunner::Urgency::Background) {
    connect(&hintSearch_, &SearchRunner::found, this, &GameAssist::hintFound);
    connect(&bestFoundSearch_, &SearchRunner::found, this, &GameAssist::bestFound);
}

GameAssist::~GameAssist() = default;

void GameAssist::addLabels(QWidget* statsFrame, const TwipScale& tw) {
    // Between the score and the "Best Score" caption, on two lines if the panel is too narrow for one.
    bestFoundLabel_ = new QLabel(statsFrame);
    bestFoundLabel_->setObjectName(QStringLiteral("bestFoundLabel"));
    bestFoundLabel_->setFont(uiFont(7.5));
    bestFoundLabel_->setAlignment(Qt::AlignCenter);
    bestFoundLabel_->setWordWrap(true);
    bestFoundLabel_->setGeometry(2, tw.y(630), statsFrame->width() - 6, tw.y(345));
    bestFoundLabel_->hide();
    assistedLabel_ = designLabel(statsFrame, "assistedLabel", QStringLiteral("Assisted"), tw, 0, 2940, uiFont(8.25, true));
    assistedLabel_->move((statsFrame->width() - assistedLabel_->width()) / 2, assistedLabel_->y());
    setTextColor(assistedLabel_, kAssistedRed);
    assistedLabel_->hide();
}

void GameAssist::addMenuItems(QMenu* gameMenu) {
    const auto item = [&](const QString& caption, const QKeySequence& keys, void (GameAssist::*command)()) {
        QAction* a = gameMenu->addAction(caption, this, command);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        return a;
    };
    undoAction_ = item(QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), &GameAssist::undo);
    redoAction_ = item(QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &GameAssist::redo);
    hintAction_ = item(QStringLiteral("Hint"), QKeySequence(Qt::Key_H), &GameAssist::hint);
}

bool GameAssist::running() const { return window_.gameInProgress() && window_.resumeButton()->isHidden(); }

void GameAssist::refresh() {
    const bool standard = game_.options.gameMode == kStandardGame;
    undoAction_->setEnabled(running() && standard && history_.canUndo());
    redoAction_->setEnabled(running() && standard && history_.canRedo());
    hintAction_->setEnabled(running());
    if (!running()) hintSearch_.cancel();  // a pause or the end
}

void GameAssist::gameStarted() {
    history_.clear();
    hintSearch_.cancel();
    assisted_ = false;
    ended_ = false;
    bestFound_.reset();
    bestFoundLabel_->hide();
    assistedLabel_->hide();
    if (game_.options.gameMode == kStandardGame) {
        bestFoundSearch_.start(game_, kBestFoundBudget);
    } else {
        bestFoundSearch_.cancel();
    }
    refresh();
}

MoveOutcome GameAssist::playMove(const Cell& cell) {
    MoveOutcome move;
    if (game_.options.gameMode != kStandardGame) {
        move = qlx::playMove(game_, cell);
    } else if (redoing_) {
        move = history_.redo(game_);
    } else {
        move = history_.play(game_, cell);
    }
    if (move.result == MoveOutcome::Result::Cleared) hintSearch_.cancel();
    refresh();
    return move;
}

// The hint asked for is looked for again on the board the batch has changed.
void GameAssist::batchEntered() {
    if (hintSearch_.busy()) hintSearch_.start(game_, kHintBudget);
}

void GameAssist::gameEnded() {
    ended_ = true;
    refresh();
    showBestFound();
}

void GameAssist::undo() {
    if (!undoAction_->isEnabled()) return;
    hintSearch_.cancel();
    const Cell played = history_.undo(game_);
    markAssisted();
    window_.showPosition();
    window_.board()->setCursor(played);
    refresh();
}

// Redo plays the move again as a move is played: the gap and the points, the fallen board, the settled one.
void GameAssist::redo() {
    if (!redoAction_->isEnabled()) return;
    redoing_ = true;
    window_.playCell(history_.redoCell());
    redoing_ = false;
}

void GameAssist::hint() {
    if (!running()) return;
    markAssisted();
    hintSearch_.start(game_, kHintBudget);
}

void GameAssist::markAssisted() {
    assisted_ = true;
    assistedLabel_->show();
}

// The cursor goes to the first move of the best sequence found, which outlines its group.
void GameAssist::hintFound(const SearchResult& result) {
    if (!running() || result.moves.empty()) return;
    window_.board()->setCursor(result.moves.front());
}

void GameAssist::bestFound(const SearchResult& result) {
    bestFound_ = result.total;
    showBestFound();
}

// Shown once the game has ended and the search has answered, whichever comes last.
void GameAssist::showBestFound() {
    if (!ended_ || !bestFound_ || game_.options.gameMode != kStandardGame) return;
    const QString text = QStringLiteral("Best found ") + QLocale(QLocale::English).toString(*bestFound_);
    bestFoundLabel_->setText(text);
    bestFoundLabel_->setAccessibleName(text);
    bestFoundLabel_->show();
}

}  // namespace qlx
