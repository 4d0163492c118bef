// The main window: the board picture, the statistics panel, the resume button,
// the two timers and the menus. Its controls and menu tree are built in
// main_window_form.cpp, keys are in main_window_keys.cpp, and what it does on
// each event is in main_window.cpp: one call into the game's flow per event,
// whose outcome it shows, plays and says. It keeps no game state: it asks
// the flow.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "game_timer.h"
#include "game_flow.h"
#include "program.h"
#include "tile_pictures.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QTimer;
class QPushButton;

namespace qlx {

class Announcer;
class AssistView;
class BoardPicture;
class DealView;
class Searches;
class StatsPanel;

// The items of an option menu, one per value of the option.
template <int16_t Options::*member>
using OptionActions = std::array<QAction*, optionCount(member)>;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Program& program, Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Game procedures.
    void startGame();  // a new deal of the options in force
    // Lays the window out for the grid and tile size and puts it in the top-left
    // corner of its screen. Where the chosen tile size does not fit the screen,
    // the board is shown with the largest tile size that fits, laid out alike.
    void resizeWindow();
    // The same fit, where the window is, after it changed screens or its screen
    // changed its area or scale; the board is drawn again at its new size.
    void fitToScreen();
    // Shows, plays and says what a call into the game's flow did, in order.
    void showOutcome(const FlowOutcome& outcome);
    // Shows the score and the board as the game has them now, at once.
    void showPosition();
    // Ticks the option menus as the options say and writes the grid sizes' captions.
    void applyOptionsToMenus();

    // Event handlers, public so that tests can drive them as the window system would.
    void surfacePressed();   // a press on the window outside the board and the panel
    void escapePressed();    // pauses and minimises
    void saveOnClose();      // the window closes: the options and best scores are saved, once
    // The session ends: the window closes as by its close box, but a failed
    // save shows no message (nobody is there to answer it).
    void endSession();
    // Saves what changed since the last save, quietly (a checkpoint).
    void saveNow();
    void boardPressed(double x, double y);
    // Keyboard play on the board: the arrow keys move the cell cursor, Space
    // and Enter play the cell under it. True when the key was one of these.
    bool boardKey(int key);
    void clockTick();
    void fallingTick();
    void resumeClicked();
    void pauseChosen();
    void exitChosen();
    void gridSizeChosen(int16_t index);
    void tileSizeChosen(int16_t index);
    void kindCountChosen(int16_t index);
    void tileSetChosen(int16_t index);
    void scoresChosen();
    void standardGameChosen();
    void fallingTilesChosen();
    void fallingOptionsChosen();
    void helpChosen();
    void aboutChosen();
    void undoChosen();
    void redoChosen();
    void hintChosen();
    // Deals that can be named and played again (main_window_deals.cpp).
    void undoAllChosen();
    void redoAllChosen();
    void restartChosen();
    void playDealChosen();
    // The best line found is replayed; any key or click stops it.
    void showBestChosen();
    void bestLineStep();
    void stopBestLine();
    void searchAnswered(SearchKind kind, uint64_t ticket, const SearchResult& result);
    // Cancels every search and waits for its thread (the end of the program).
    void stopSearches();

    // For a player who cannot see (main_window_access.cpp): L, G and Shift+G
    // move the cursor to the largest, next and previous group, S says the
    // score, the time and the best score, P pauses without minimising and
    // resumes. True when the key was one of these.
    bool accessKey(int key, Qt::KeyboardModifiers modifiers);
    // Puts the keyboard focus, and a screen reader's, on the board's cursor cell.
    void focusBoard();
    Announcer* announcer() const { return announcer_; }

    // Controls, for tests and for the dialogs.
    BoardPicture* board() const { return board_; }
    QGroupBox* statsFrame() const;
    QLabel* scoreLabel() const;
    QLabel* bestScoreLabel() const;
    QLabel* timeCaption() const;
    QLabel* timeLabel() const;
    QPushButton* resumeButton() const { return resumeButton_; }
    GameTimer& clockTimer() { return clockTimer_; }
    GameTimer& fallingTimer() { return fallingTimer_; }
    QAction* pauseAction() const { return pauseAction_; }
    const OptionActions<&Options::gridSizeIndex>& gridSizeActions() const { return gridSizeActions_; }
    const OptionActions<&Options::tileSizeIndex>& tileSizeActions() const { return tileSizeActions_; }
    const OptionActions<&Options::numColors>& kindCountActions() const { return kindCountActions_; }
    const OptionActions<&Options::tileSet>& tileSetActions() const { return tileSetActions_; }
    const TilePictures& tilePictures() const { return tilePictures_; }
    // Undo, Redo, Hint, "Best found" and the assisted mark, as shown.
    AssistView& assist() const { return *assist_; }
    // Undo All, Redo All, the deal's commands and the known deal's mark, as shown.
    DealView& deals() const { return *deals_; }
    const Searches& searches() const { return *searches_; }
    // The game shown.
    const GameFlow& flow() const { return program_.flow; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The form: controls, menus and the window's outer size (main_window_form.cpp).
    void buildControls();
    void buildMenus();
    void fitOuterSize();
    // The layout for a screen's usable area: tile size, board, panel and button.
    void layOut(const ScreenArea& area);
    // The outer size that the layout formulas give for a tile size, and the
    // inner size that holds the board and the panel wholly.
    QSize formulaOuterSize(int tile) const;
    QSize roomForControls(int tile) const;
    void buildAccess();  // the announcer and the window's shortcuts (main_window_access.cpp)
    void waitForEndSpeech();
    void showPause();
    void applyTimers(const FlowOutcome& outcome);
    void buildDeals(QMenu* gameMenu);  // the deal's commands and mark (main_window_deals.cpp)
    void showReplay(const FlowOutcome& outcome);
    void showDeals();

    // A new game of the options in force on a fresh board.
    void newGame();
    // Clears the board picture, draws the cells into it, with the points of a
    // move over pointsCell when one is given, and shows it.
    void redrawBoard(const Cells& cells, const Cell* pointsCell = nullptr, int32_t points = 0);
    void redrawBoard();
    // The end of a game, as the flow reports it once per game: its words, its
    // message, the best scores, and the dialog that offers another game.
    void showEnd(const GameEnd& end, const Utterance& said, std::optional<int32_t> bestFound);
    void stopTimers();
    void showBestScore();
    // An option was chosen: it is in force and saved at once (quietly: a
    // failure is tried again at the next save).
    void choose(int16_t Options::*member, int16_t value);
    std::string soundPath(const char* name) const;

    Program& program_;
    Services& services_;
    GameFlow& flow_;

    TilePictures tilePictures_;
    BoardPicture* board_ = nullptr;
    StatsPanel* statsFrame_ = nullptr;
    QPushButton* resumeButton_ = nullptr;
    Announcer* announcer_ = nullptr;
    GameTimer clockTimer_;
    GameTimer fallingTimer_;
    AssistView* assist_ = nullptr;
    DealView* deals_ = nullptr;
    QTimer* replayTimer_ = nullptr;  // the best line's next step
    QObject* replayStopper_ = nullptr;  // while the best line plays: any key or click stops it
    Searches* searches_ = nullptr;

    QAction* pauseAction_ = nullptr;
    OptionActions<&Options::gridSizeIndex> gridSizeActions_{};
    OptionActions<&Options::tileSizeIndex> tileSizeActions_{};
    OptionActions<&Options::numColors> kindCountActions_{};
    OptionActions<&Options::tileSet> tileSetActions_{};

    QSize outerSize_;             // the window's size with its frame, as resizeWindow computes it
    QPoint corner_;               // the top-left corner of the screen that resizeWindow put the window in
    bool cornerPending_ = false;  // resizeWindow asked for the corner; a window manager may not have placed it yet
    bool unloaded_ = false;
    bool sessionEnding_ = false;
};

}  // namespace qlx
