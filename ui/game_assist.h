// What the main window offers beyond the rules of a game: Undo and Redo in a
// Standard Game, a Hint from a search in both modes, and the best score a
// background search found on a Standard deal. A game in which Undo or Hint was
// used is marked "Assisted" and does not enter the best scores.
//
// The main window calls in at the moments that matter (a game starts, a move
// is played, a batch of falling tiles has entered, the game is paused or ends);
// everything else is here: the menu items, the two labels of the statistics
// panel, the history of moves and the searches on their worker threads.
#pragma once

#include <QObject>
#include <optional>

#include "history.h"
#include "search.h"
#include "search_runner.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace qlx {

class MainWindow;
class TwipScale;

class GameAssist : public QObject {
    Q_OBJECT
public:
    GameAssist(MainWindow& window, GameState& game);
    ~GameAssist() override;

    // Puts "Best found" under the score and "Assisted" at the foot of the statistics panel.
    void addLabels(QWidget* statsFrame, const TwipScale& tw);
    // Adds "Undo", "Redo" and "Hint" to the Game menu.
    void addMenuItems(QMenu* gameMenu);

    // The moments of a game.
    void gameStarted();                   // after the deal
    MoveOutcome playMove(const Cell& cell);  // a move, or the move Redo plays again
    void batchEntered();                  // falling tiles have changed the board
    void gameEnded();                     // before the end's dialogs
    // Sets what the menu items allow now: called whenever the game is paused,
    // resumed, started or ended.
    void refresh();

    // The commands.
    void undo();
    void redo();
    void hint();

    bool assisted() const { return assisted_; }
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }
    QAction* hintAction() const { return hintAction_; }
    QLabel* bestFoundLabel() const { return bestFoundLabel_; }
    QLabel* assistedLabel() const { return assistedLabel_; }
    // The searches, for tests: the hint's and the best-found one's.
    const SearchRunner& hintSearch() const { return hintSearch_; }
    const SearchRunner& bestFoundSearch() const { return bestFoundSearch_; }

private:
    bool running() const;  // a game in progress and not paused
    void markAssisted();
    void hintFound(const SearchResult& result);
    void bestFound(const SearchResult& result);
    void showBestFound();

    MainWindow& window_;
    GameState& game_;
    MoveHistory history_;
    SearchRunner hintSearch_;
    SearchRunner bestFoundSearch_;
    bool redoing_ = false;
    bool assisted_ = false;
    bool ended_ = false;
    std::optional<int32_t> bestFound_;  // the best total found on this game's deal

    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* hintAction_ = nullptr;
    QLabel* bestFoundLabel_ = nullptr;
    QLabel* assistedLabel_ = nullptr;
};

}  // namespace qlx
