// The main window over test doubles: start-up, moves, options, the clock,
// pause and the end of a game, including the races between them.
#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
#include <QtTest>

#include "clock.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {

std::vector<std::string> boardText(const GameState& g) {
    std::vector<std::string> rows;
    for (int y = 1; y <= g.numRows; ++y) {
        std::string row;
        for (int x = 1; x <= g.numCols; ++x) {
            const int16_t c = g.board[cellIndex(g, x, y)];
            row += c == kEmpty ? '.' : static_cast<char>('0' + c);
        }
        rows.push_back(row);
    }
    return rows;
}

QStringList menuTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

// A board on which only the pair in the bottom-right corner is a group.
const std::vector<std::string> kOnePairLeft{"123455"};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsAFirstRunStandardGame();
    void menusCarryTheirCaptionsInOrder();
    void twoProgramsDealTheSameFirstBoard();
    void clickOnAGroupScoresShowsThePointsAndSettles();
    void clickOnALoneTileOrAnEmptyCellChangesNothing();
    void clickOnALoneTileEndsAGameWithNoGroupLeft();
    void gridSizeRestartsAndRelaysOut();
    void tileSizeRelaysOutAndRedrawsTheSameGame();
    void numberOfTilesAndTileSetActAsTheirMenusSay();
    void endOfGameShowsTheScoreAndPlaysAgain();
    void cancelLeavesTheFinishedBoardFrozen();
    void clockCountsUpAndTimesOutInFallingTiles();
    void pauseHidesTheBoardAndStopsBothTimers();
    void resumeAfterTheEndDoesNotRestartTheTimers();
    void ticksDuringTheTimeOutMessageEndTheGameOnce();
    void blockedEntryAndTimeOutTogetherEndTheGameOnce();
    void clickAndTicksDuringAMoveWaitUntilItIsOver();
    void fallingBatchArrivesOnlyInFallingTiles();
    void exitAndCloseBoxBothUnload();
};

void MainWindowTest::startUpShowsAFirstRunStandardGame() {
    RunningProgram p;
    frmQLX& w = *p.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Quellix -  Standard Game(10x12) 5 Tiles"));
    QCOMPARE(w.lblAScore()->text(), QStringLiteral("0"));
    QCOMPARE(w.lblTotScore()->text(), QStringLiteral("0"));
    QCOMPARE(w.lblTime()->text(), QString());
    QCOMPARE(w.lblTimeCap()->text(), QStringLiteral("Time"));
    QCOMPARE(w.lblTimeCap()->font().pointSizeF(), 10.0);
    QCOMPARE(checkedIndex(w.MNU_SIZ()), 1);
    QCOMPARE(checkedIndex(w.MNU_TN()), 0);
    QCOMPARE(checkedIndex(w.MNU_NC()), 0);
    QCOMPARE(checkedIndex(w.MNU_GS()), 0);
    QCOMPARE(w.MNU_GS()[0]->text(), QStringLiteral("12 x 10"));
    QCOMPARE(w.MNU_GS()[3]->text(), QStringLiteral("25 x 20"));
    // 12 x 10 Standard tiles: board 384 x 320, window 7360 x 5800 twips, panel at 399, 15.
    QCOMPARE(w.frameGeometry().size(), QSize(491, 387));
    QCOMPARE(w.frameGeometry().topLeft(), QPoint(0, 0));
    QCOMPARE(w.pbGrid()->geometry(), QRect(0, 0, 384, 320));
    QCOMPARE(w.frameStats()->pos(), QPoint(399, 15));
    QVERIFY(w.cmdPuase()->isHidden());
    QVERIFY(w.pbGrid()->isEnabled());
    QVERIFY(w.timerSeconds().running());
    QCOMPARE(w.timerSeconds().interval(), 1000);
    QCOMPARE(w.timerTileSpeed().interval(), 5000);
    QCOMPARE(p.sound.played, std::vector<std::string>{"/opt/quellix/snd/OPENING.WAV"});
    // Every playing cell was dealt and drawn; no cell is left empty.
    for (int16_t i = 0; i < p.game().numCells; ++i) {
        if (isInside(p.game(), i)) QVERIFY(p.game().board[i] >= 1 && p.game().board[i] <= 5);
    }
    const QImage& img = w.pbGrid()->image();
    QVERIFY(img.pixelColor(img.width() - 2, img.height() - 2) != BoardPicture::backgroundColor());
}

void MainWindowTest::menusCarryTheirCaptionsInOrder() {
    RunningProgram p;
    const QList<QAction*> bar = p.window->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(menuTexts(bar[0]->menu()),
             (QStringList{"standard", "Falling Blocks", "-", "Pause", "-", "Scores", "-", "Exit"}));
    QCOMPARE(menuTexts(bar[1]->menu()),
             (QStringList{"Grid Size", "Size", "Number Of Tiles", "Tile", "Falling Tile Options.."}));
    QCOMPARE(menuTexts(bar[2]->menu()), (QStringList{"Contents", "-", "About"}));
    QCOMPARE(bar[2]->menu()->actions()[0]->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(menuTexts(bar[1]->menu()->actions()[3]->menu()),
             (QStringList{"Classic tiles", "Stars", "Pets - parrots", "Animals", "Fractals"}));
    QCOMPARE(menuTexts(bar[1]->menu()->actions()[1]->menu()), (QStringList{"small", "Standard", "Big"}));
    for (QAction* a : bar[0]->menu()->actions()) QVERIFY(a->isEnabled());
}

void MainWindowTest::twoProgramsDealTheSameFirstBoard() {
    RunningProgram a;
    RunningProgram b;
    QCOMPARE(boardText(a.game()), boardText(b.game()));
}

void MainWindowTest::clickOnAGroupScoresShowsThePointsAndSettles() {
    RunningProgram p;
    p.setBoard({"1...", "12..", "2233", "1455"});
    QString scoreDuringFirstPause;
    QImage pictureDuringFirstPause;
    p.pause.during = [&](int ms) {
        if (ms != 400) return;
        scoreDuringFirstPause = p.window->lblAScore()->text();
        pictureDuringFirstPause = p.window->pbGrid()->image();
    };
    // Click the 2 at the left of the "2233" row: the group is that row's two 2s and the 2 above them.
    p.click(9, 9);
    QCOMPARE(p.pause.pauses, (std::vector<int>{400, 100}));
    QCOMPARE(scoreDuringFirstPause, QStringLiteral("6"));
    QCOMPARE(p.window->lblAScore()->text(), QStringLiteral("6"));
    QCOMPARE(p.game().score, 6);
    const auto rows = boardText(p.game());
    QCOMPARE(rows[6], std::string("............"));
    QCOMPARE(rows[7], std::string("...........1"));
    QCOMPARE(rows[8], std::string(".........133"));
    QCOMPARE(rows[9], std::string("........1455"));
    // During the first pause the gap shows the background, and the points are
    // written over the clicked cell only (its centre is no longer plain background).
    const QColor bg = BoardPicture::backgroundColor();
    auto cellIsPlain = [&](int x, int y) {
        for (int py = (y - 1) * 32 + 1; py < y * 32 - 1; ++py)
            for (int px = (x - 1) * 32 + 1; px < x * 32 - 1; ++px)
                if (pictureDuringFirstPause.pixelColor(px, py) != bg) return false;
        return true;
    };
    QVERIFY(!cellIsPlain(9, 9));
    QVERIFY(cellIsPlain(10, 9));
    QVERIFY(cellIsPlain(10, 8));
}

void MainWindowTest::clickOnALoneTileOrAnEmptyCellChangesNothing() {
    RunningProgram p;
    p.setBoard({"1...", "12..", "2233", "1455"});
    const auto before = boardText(p.game());
    const QImage pictureBefore = p.window->pbGrid()->image();
    p.click(10, 10);  // the lone 4
    p.click(1, 1);    // an empty cell
    QCOMPARE(boardText(p.game()), before);
    QCOMPARE(p.game().score, 0);
    QVERIFY(p.pause.pauses.empty());
    QCOMPARE(p.window->pbGrid()->image(), pictureBefore);
    // An empty cell never ends a game, even with no group left.
    p.setBoard({"12", "21"});
    DialogAnswers answers;
    p.click(1, 1);
    QVERIFY(p.window->gameInProgress());
    QCOMPARE(answers.titles.size(), 0);
}

void MainWindowTest::clickOnALoneTileEndsAGameWithNoGroupLeft() {
    RunningProgram p;
    p.setBoard({"12", "21"});
    DialogAnswers answers;
    QString info;
    answers.then(cancelWow(&info));
    p.click(12, 10);
    QVERIFY(!p.window->gameInProgress());
    QCOMPARE(answers.titles, (std::vector<QString>{"Wow"}));  // score 0 never reaches the best scores
    QCOMPARE(info, QStringLiteral("Congratulations, You solved the game Successfully \r\n With a score of 0"));
}

void MainWindowTest::gridSizeRestartsAndRelaysOut() {
    RunningProgram p;
    p.game().score = 99;
    p.window->move(40, 40);
    p.window->MNU_GS()[3]->trigger();
    QCOMPARE(checkedIndex(p.window->MNU_GS()), 3);
    QCOMPARE(p.program.savedSettings.gridSizeIndex, 3);
    QCOMPARE(p.game().numCols, 25);
    QCOMPARE(p.game().numRows, 20);
    QCOMPARE(p.game().score, 0);
    QCOMPARE(p.window->windowTitle(), QStringLiteral("Quellix -  Standard Game(20x25) 5 Tiles"));
    QCOMPARE(p.window->pbGrid()->geometry(), QRect(0, 0, 800, 640));
    QCOMPARE(p.window->frameStats()->pos(), QPoint(815, 15));
    // 15*32*25 + 1600 twips wide, 15*32*20 + 1000 high.
    QCOMPARE(p.window->frameGeometry(), QRect(0, 0, 907, 707));
    QCOMPARE(p.sound.played.size(), size_t(2));
}

void MainWindowTest::tileSizeRelaysOutAndRedrawsTheSameGame() {
    RunningProgram p;
    p.game().score = 42;
    p.game().clockSeconds = 17;
    const auto board = boardText(p.game());
    p.window->MNU_SIZ()[2]->trigger();
    QCOMPARE(checkedIndex(p.window->MNU_SIZ()), 2);
    QCOMPARE(p.game().tileSize, 48);
    QCOMPARE(p.window->pbGrid()->geometry(), QRect(0, 0, 576, 480));
    QCOMPARE(p.window->frameGeometry().size(), QSize(683, 547));
    QCOMPARE(boardText(p.game()), board);
    QCOMPARE(p.game().score, 42);
    QCOMPARE(p.game().clockSeconds, 17);
    QVERIFY(p.window->timerSeconds().running());
    // The cell at column 3, row 2 is drawn at (96, 48) with the 48-pixel picture of its kind.
    const QImage& img = p.window->pbGrid()->image();
    const int kind = p.game().board[cellIndex(p.game(), 3, 2)];
    const QImage& expected = p.window->ImageList1().list(2).picture(kind, img.devicePixelRatio());
    QCOMPARE(img.copy(96, 48, 48, 48).convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32).copy(0, 0, 48, 48));
    // Choosing the ticked size again still moves the window back to the corner.
    p.window->move(30, 30);
    p.window->MNU_SIZ()[2]->trigger();
    QCOMPARE(p.window->frameGeometry().topLeft(), QPoint(0, 0));
}

void MainWindowTest::numberOfTilesAndTileSetActAsTheirMenusSay() {
    RunningProgram p;
    const auto board = boardText(p.game());
    p.window->MNU_TN()[4]->trigger();
    QCOMPARE(p.game().tileSet, 4);
    QCOMPARE(checkedIndex(p.window->MNU_TN()), 4);
    QCOMPARE(boardText(p.game()), board);
    p.window->MNU_NC()[3]->trigger();
    QCOMPARE(p.game().numColors, 8);
    QCOMPARE(checkedIndex(p.window->MNU_NC()), 3);
    QCOMPARE(p.window->windowTitle(), QStringLiteral("Quellix -  Standard Game(10x12) 8 Tiles"));
    QVERIFY(boardText(p.game()) != board);
    bool sawEight = false;
    for (int16_t i = 0; i < p.game().numCells; ++i) sawEight |= p.game().board[i] == 8;
    QVERIFY(sawEight);
}

void MainWindowTest::endOfGameShowsTheScoreAndPlaysAgain() {
    RunningProgram p;
    p.setBoard(kOnePairLeft);
    DialogAnswers answers;
    std::vector<QString> shownScores;
    answers.then(enterName(QStringLiteral("Ada")));
    answers.then(closeStats(&shownScores));
    answers.then(playAgain());
    p.click(12, 10);
    QCOMPARE(answers.titles, (std::vector<QString>{"Best Score", "Scores", "Wow"}));
    QCOMPARE(shownScores, (std::vector<QString>{"Ada=3", "=0", "=0"}));
    QCOMPARE(p.sound.played[1], std::string("/opt/quellix/snd/APPLAUSE.wav"));
    // A new game of the same configuration is running.
    QVERIFY(p.window->gameInProgress());
    QCOMPARE(p.game().score, 0);
    QCOMPARE(p.window->lblTotScore()->text(), QStringLiteral("3"));
    QVERIFY(p.window->pbGrid()->isEnabled());
    QVERIFY(p.window->timerSeconds().running());
    QCOMPARE(p.window->windowTitle(), QStringLiteral("Quellix -  Standard Game(10x12) 5 Tiles"));
}

void MainWindowTest::cancelLeavesTheFinishedBoardFrozen() {
    RunningProgram p;
    p.setBoard({"1...", "1234"});
    DialogAnswers answers;
    answers.then(enterName(QString()));
    answers.then(closeStats());
    answers.then(cancelWow());
    p.click(9, 9);
    const auto frozen = boardText(p.game());
    QVERIFY(!p.window->pbGrid()->isEnabled());
    QVERIFY(!p.window->timerSeconds().running());
    QVERIFY(!p.window->timerTileSpeed().running());
    p.window->timerSeconds_Timer();
    p.click(12, 10);
    QCOMPARE(boardText(p.game()), frozen);
    QCOMPARE(p.game().score, 3);
    QCOMPARE(p.program.bestScores.recordFor(1, 0, 5).names[0], std::string("-"));
    // A menu choice starts the next game.
    p.window->MNU_NC()[0]->trigger();
    QVERIFY(p.window->pbGrid()->isEnabled());
    QVERIFY(p.window->gameInProgress());
}

void MainWindowTest::clockCountsUpAndTimesOutInFallingTiles() {
    RunningProgram p;
    frmQLX& w = *p.window;
    for (int k = 1; k <= 61; ++k) {
        w.timerSeconds_Timer();
        if (k == 9) QCOMPARE(w.lblTime()->text(), QStringLiteral("0:09"));
        if (k == 60) QCOMPARE(w.lblTime()->text(), QStringLiteral("1:00"));
    }
    QCOMPARE(w.lblTime()->text(), QStringLiteral("1:01"));

    p.program.savedSettings.fallTimeIndex = 0;
    w.MNU_FB_Click();
    QCOMPARE(w.windowTitle(), QStringLiteral("Quellix -  Falling Tiles (10x12) 5 Tiles"));
    QCOMPARE(w.lblTimeCap()->text(), QStringLiteral("Time \r\nRemaining"));
    QCOMPARE(w.lblTimeCap()->font().pointSizeF(), 10.0);  // kept from the Standard Game before
    QVERIFY(w.lblTime()->y() > w.lblTimeCap()->y() + w.lblTimeCap()->height());
    QCOMPARE(p.game().clockSeconds, 120);
    w.timerSeconds_Timer();
    QCOMPARE(w.lblTime()->text(), QStringLiteral("1:59"));
    DialogAnswers answers;
    answers.then(cancelWow());
    QString labelAtMessage;
    p.messages.whileOpen = [&](const std::string&) { labelAtMessage = w.lblTime()->text(); };
    for (int k = 2; k <= 120; ++k) w.timerSeconds_Timer();
    QCOMPARE(p.messages.shown, std::vector<std::string>{" Time Out - Game Over "});
    QCOMPARE(labelAtMessage, QStringLiteral("0:00"));
    QCOMPARE(answers.titles, (std::vector<QString>{"Wow"}));
    QCOMPARE(p.game().clockSeconds, 0);
    w.timerSeconds_Timer();
    QCOMPARE(p.game().clockSeconds, 0);
    QCOMPARE(w.lblTime()->text(), QStringLiteral("0:00"));
}

void MainWindowTest::pauseHidesTheBoardAndStopsBothTimers() {
    RunningProgram p;
    frmQLX& w = *p.window;
    w.show();
    w.MNU_PAUSE()->trigger();
    QVERIFY(w.cmdPuase()->isVisible());
    QVERIFY(!w.pbGrid()->isVisible());
    QVERIFY(!w.MNU_PAUSE()->isEnabled());
    QVERIFY(!w.timerSeconds().running() && !w.timerTileSpeed().running());
    // A tile-size change redraws into the hidden board and stays paused.
    w.MNU_SIZ()[0]->trigger();
    QVERIFY(w.cmdPuase()->isVisible());
    // Way back 1: the button.
    w.cmdPuase()->click();
    QVERIFY(!w.cmdPuase()->isVisible() && w.pbGrid()->isVisible() && w.MNU_PAUSE()->isEnabled());
    QVERIFY(w.timerSeconds().running() && w.timerTileSpeed().running());
    // A press on the background while running changes nothing.
    QTest::mouseClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(w.centralWidget()->width() - 3, 3));
    QVERIFY(!w.cmdPuase()->isVisible());
    // Way back 2: a press on the window's background.
    w.MNU_PAUSE_Click();
    QTest::mouseClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(w.centralWidget()->width() - 3, 3));
    QVERIFY(!w.cmdPuase()->isVisible() && w.timerSeconds().running());
    // Esc pauses and minimises; Esc again stays paused.
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.cmdPuase()->isVisibleTo(&w));
    QVERIFY(w.windowState() & Qt::WindowMinimized);
    w.Form_KeyPress(27);
    QVERIFY(w.cmdPuase()->isVisibleTo(&w) && !w.timerSeconds().running());
    // Way back 3: a new game.
    w.MNU_GS()[0]->trigger();
    QVERIFY(!w.cmdPuase()->isVisibleTo(&w) && w.timerSeconds().running());
    QVERIFY(!(w.windowState() & Qt::WindowMinimized));
}

void MainWindowTest::resumeAfterTheEndDoesNotRestartTheTimers() {
    RunningProgram p;
    p.setBoard({"12", "21"});
    DialogAnswers answers;
    answers.then(cancelWow());
    p.click(12, 10);
    QCOMPARE(answers.titles.size(), size_t(1));
    p.window->MNU_PAUSE_Click();
    p.window->cmdPuase_Click();
    QVERIFY(!p.window->timerSeconds().running());
    QVERIFY(!p.window->timerTileSpeed().running());
    QVERIFY(p.window->pbGrid()->isVisibleTo(p.window.get()));
    p.window->timerSeconds_Timer();
    QCOMPARE(answers.titles.size(), size_t(1));
}

void MainWindowTest::ticksDuringTheTimeOutMessageEndTheGameOnce() {
    RunningProgram p;
    p.window->MNU_FB_Click();
    p.game().clockSeconds = 1;
    DialogAnswers answers;
    answers.then(cancelWow());
    p.messages.whileOpen = [&](const std::string&) {
        for (int k = 0; k < 3; ++k) {
            p.window->timerSeconds_Timer();
            p.window->timerTileSpeed_Timer();
        }
        QVERIFY(!p.window->timerSeconds().running());
    };
    p.window->timerSeconds_Timer();
    QCOMPARE(p.messages.shown, std::vector<std::string>{" Time Out - Game Over "});
    QCOMPARE(answers.titles, (std::vector<QString>{"Wow"}));
    QCOMPARE(answers.unexpected, 0);
}

void MainWindowTest::blockedEntryAndTimeOutTogetherEndTheGameOnce() {
    RunningProgram p;
    p.window->MNU_FB_Click();
    GameState& g = p.game();
    g.board[cellIndex(g, 6, 1)] = 1;  // column numColors + 1 of the entry row
    const auto board = boardText(g);
    g.clockSeconds = 1;
    DialogAnswers answers;
    answers.then(cancelWow());
    p.messages.whileOpen = [&](const std::string&) { p.window->timerSeconds_Timer(); };
    p.window->timerTileSpeed_Timer();
    QCOMPARE(p.messages.shown, std::vector<std::string>{" Game Over "});
    QCOMPARE(boardText(g), board);
    QCOMPARE(answers.titles, (std::vector<QString>{"Wow"}));
}

void MainWindowTest::clickAndTicksDuringAMoveWaitUntilItIsOver() {
    RunningProgram p;
    p.window->MNU_FB_Click();
    p.setBoard({"1...", "12..", "2233", "1455"});
    p.game().clockSeconds = 1;
    std::vector<std::string> boardsDuringPause;
    int32_t scoreDuringPause = -1;
    bool delivered = false;
    p.pause.during = [&](int ms) {
        if (ms != 400 || delivered) return;
        delivered = true;
        // A second click (on the 3s), a clock tick that would time out, a batch of tiles.
        p.click(11, 9);
        p.window->timerSeconds_Timer();
        p.window->timerTileSpeed_Timer();
        boardsDuringPause = boardText(p.game());
        scoreDuringPause = p.game().score;
    };
    DialogAnswers answers;
    answers.then(enterName(QStringLiteral("Bo")));
    answers.then(closeStats());
    answers.then(cancelWow());
    p.click(9, 9);
    // Nothing changed during the move itself.
    QCOMPARE(scoreDuringPause, 6);
    QCOMPARE(boardsDuringPause[8], std::string("..........33"));
    QCOMPARE(p.game().clockSeconds, 0);
    // The queued click was played after the move (3 more points), then the tick timed the game out.
    QCOMPARE(p.game().score, 9);
    QCOMPARE(p.messages.shown, std::vector<std::string>{" Time Out - Game Over "});
    QCOMPARE(p.program.bestScores.recordFor(2, 0, 5).scores[0], 9);
    QCOMPARE(answers.titles, (std::vector<QString>{"Best Score", "Scores", "Wow"}));
}

void MainWindowTest::fallingBatchArrivesOnlyInFallingTiles() {
    RunningProgram p;
    const auto standard = boardText(p.game());
    p.window->timerTileSpeed_Timer();
    QCOMPARE(boardText(p.game()), standard);

    p.window->MNU_FB_Click();
    GameState& g = p.game();
    int before = 0, after = 0;
    for (int16_t i = 0; i < g.numCells; ++i) before += g.board[i] >= 1 && g.board[i] <= 8;
    QCOMPARE(boardText(g)[0], std::string("............"));
    p.window->timerTileSpeed_Timer();
    for (int16_t i = 0; i < g.numCells; ++i) after += g.board[i] >= 1 && g.board[i] <= 8;
    QCOMPARE(after, before + 5);
    QCOMPARE(boardText(g)[0], std::string("............"));  // the batch fell
}

void MainWindowTest::exitAndCloseBoxBothUnload() {
    RunningProgram p;
    p.window->show();
    p.window->MNU_SIZ_Click(2);
    p.window->MNU_TN_Click(3);
    p.window->MNU_EXIT_Click();
    QVERIFY(!p.window->isVisible());
    QCOMPARE(p.program.savedSettings.tileSizeIndex, 2);
    QCOMPARE(p.program.savedSettings.tileSet, 3);
    QCOMPARE(p.program.savedSettings.gameMode, 1);
    QCOMPARE(p.program.savedSettings.numColors, 5);
    QVERIFY(!p.window->timerSeconds().running());

    RunningProgram q;
    q.window->show();
    q.window->MNU_NC_Click(2);
    q.window->close();
    QCOMPARE(q.program.savedSettings.numColors, 7);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
