// The main window: the board picture, the statistics panel, the pause button,
// the two timers and the menus. Its controls and menu tree are built in
// frmQLX_form.cpp; what it does on each event is in frmQLX.cpp, one call into
// the rules per step.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <string>

#include "game_timer.h"
#include "program.h"
#include "tile_pictures.h"

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;

namespace qlx {

class BoardPicture;

class frmQLX : public QMainWindow {
    Q_OBJECT
public:
    frmQLX(Program& program, Services& services, QWidget* parent = nullptr);
    ~frmQLX() override;

    // Game procedures.
    void startGame();
    void gameOver();
    void gameOverAnimation();
    void resizeWindow();
    void enablePause(bool paused);

    // Event handlers, public so that tests can drive them as the window system would.
    void Form_Load();
    void Form_MouseDown();
    void Form_KeyPress(int keyAscii);
    void Form_Unload();
    void pbGrid_MouseDown(double x, double y);
    // Keyboard play on the board: the arrow keys move the cell cursor, Space
    // and Enter play the cell under it. True when the key was one of these.
    bool pbGrid_KeyDown(int key);
    // The move on a cell, whether the mouse or the keys chose it.
    void playCell(const Cell& cell);
    void timerSeconds_Timer();
    void timerTileSpeed_Timer();
    void cmdPuase_Click();
    void MNU_PAUSE_Click();
    void MNU_EXIT_Click();
    void MNU_GS_Click(int16_t index);
    void MNU_SIZ_Click(int16_t index);
    void MNU_NC_Click(int16_t index);
    void MNU_TN_Click(int16_t index);
    void MNU_SCORES_Click();
    void MNU_STANDARD_Click();
    void MNU_FB_Click();
    void MNU_FALL_Click();
    void MNU_HC_Click();
    void MNU_ABT_Click();

    // Check marks of the option menus.
    void setMenuSelected(int16_t index);
    void setTileMenuSelected(int16_t index);
    void setNCMenuSelected(int16_t index);
    void setMenuGSSelected(int16_t index);

    // Controls, for tests and for the dialogs.
    BoardPicture* pbGrid() const { return pbGrid_; }
    QGroupBox* frameStats() const { return frameStats_; }
    QLabel* lblAScore() const { return lblAScore_; }
    QLabel* lblTotScore() const { return lblTotScore_; }
    QLabel* lblTimeCap() const { return lblTimeCap_; }
    QLabel* lblTime() const { return lblTime_; }
    QPushButton* cmdPuase() const { return cmdPuase_; }
    GameTimer& timerSeconds() { return timerSeconds_; }
    GameTimer& timerTileSpeed() { return timerTileSpeed_; }
    QAction* MNU_PAUSE() const { return mnuPause_; }
    const std::array<QAction*, 4>& MNU_GS() const { return mnuGS_; }
    const std::array<QAction*, 3>& MNU_SIZ() const { return mnuSIZ_; }
    const std::array<QAction*, 4>& MNU_NC() const { return mnuNC_; }
    const std::array<QAction*, 5>& MNU_TN() const { return mnuTN_; }
    const TilePictures& ImageList1() const { return imageList1_; }

    // True from the start of a game until its end.
    bool gameInProgress() const { return gameInProgress_; }
    int32_t timeLimit() const { return timeLimit_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The form: controls, menus and the window's outer size (frmQLX_form.cpp).
    void buildControls();
    void buildMenus();
    void fitOuterSize();

    // Clears the board picture, draws the board into it, with the points of a
    // move over pointsCell when one is given, and shows it.
    void redrawBoard(const Cell* pointsCell = nullptr, int32_t points = 0);
    // The end of a game that the clock or the falling tiles bring, after their message.
    void gameOverWithMessage(const char* text);
    void stopTimers();
    void showBestScore();
    std::string soundPath(const char* name) const;

    Program& program_;
    Services& services_;
    GameState& game_;

    TilePictures imageList1_;
    BoardPicture* pbGrid_ = nullptr;
    QGroupBox* frameStats_ = nullptr;
    QLabel* lblScoreCap_ = nullptr;
    QLabel* lblAScore_ = nullptr;
    QLabel* lblTotScoreCap_ = nullptr;
    QLabel* lblTotScore_ = nullptr;
    QLabel* lblTimeCap_ = nullptr;
    QLabel* lblTime_ = nullptr;
    QPushButton* cmdPuase_ = nullptr;
    GameTimer timerSeconds_;
    GameTimer timerTileSpeed_;

    QAction* mnuStandard_ = nullptr;
    QAction* mnuFB_ = nullptr;
    QAction* mnuPause_ = nullptr;
    QAction* mnuScores_ = nullptr;
    QAction* mnuExit_ = nullptr;
    std::array<QAction*, 4> mnuGS_{};
    std::array<QAction*, 3> mnuSIZ_{};
    std::array<QAction*, 4> mnuNC_{};
    std::array<QAction*, 5> mnuTN_{};
    QAction* mnuFall_ = nullptr;
    QAction* mnuHC_ = nullptr;
    QAction* mnuAbt_ = nullptr;

    QSize outerSize_;             // the window's size with its frame, as resizeWindow computes it
    bool cornerPending_ = false;  // resizeWindow asked for the corner; a window manager may not have placed it yet
    int32_t timeLimit_ = 0;
    bool gameInProgress_ = false;
    bool unloaded_ = false;
};

}  // namespace qlx
