// The main window over test doubles: what it shows and in which order, and
// how the menus, the timers, pause and the end of a game work together. The
// rules themselves are tested directly in tests/core.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QStyleFactory>
#include <QtTest>
#include <memory>

#include "startup.h"
#include "game_style.h"
#include "about_dialog.h"
#include "falling_options_dialog.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {

QStringList texts(std::initializer_list<const QLabel*> labels) {
    QStringList out;
    for (const QLabel* l : labels) out << l->text();
    return out;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsAFirstRunStandardGame();
    void aMoveShowsTheGapAndPointsThenTheFallenThenTheSettledBoard();
    void optionMenusRestartOrRedrawAsTheySay();
    void endOfGameRecordsTheScoreAndPlaysAgain();
    void aClockTickShowsTheTimeUpThenDown();
    void pauseHidesTheBoardAndStopsBothTimers();
    void theTimersTimeTheGameOutAndStopBeforeItsMessage();
    void aFallingTickReachesTheBoardAndABlockedBatchEndsTheGame();
    void fallingOptionsChangeThePeriodAtOnceAndTheTimeFromTheNextGame();
    void helpAndAboutLeaveTheGameRunning();
    void theGamesStyleDrawsTheExtensionArrowAsTheDesktopsDoes();
};

void MainWindowTest::startUpShowsAFirstRunStandardGame() {
    RunningProgram p;
    MainWindow& w = *p.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Quellix -  Standard Game(10x12) 5 Tiles"));
    QCOMPARE(texts({w.scoreLabel(), w.bestScoreLabel(), w.timeLabel(), w.timeCaption()}), (QStringList{"0", "0", "", "Time"}));
    QCOMPARE(ticks(w), (std::array<int, 4>{0, 1, 0, 0}));
    QCOMPARE(w.board()->geometry(), QRect(0, 0, 384, 320));  // the window around it: layout_test.cpp
    QVERIFY(w.resumeButton()->isHidden() && w.clockTimer().running());
    QCOMPARE(w.fallingTimer().interval(), 5000);
    QCOMPARE(p.sound.played, std::vector<std::string>{"/opt/quellix/snd/OPENING.WAV"});
    const QImage& img = w.board()->image();
    QVERIFY(img.pixelColor(img.width() - 2, img.height() - 2) != BoardPicture::backgroundColor());
    // The grid sizes' captions are written at start-up, columns first.
    QStringList sizes;
    for (QAction* a : w.gridSizeActions()) sizes << a->text();
    QCOMPARE(sizes, (QStringList{"12 x 10", "16 x 12", "20 x 15", "25 x 20"}));
}

void MainWindowTest::aMoveShowsTheGapAndPointsThenTheFallenThenTheSettledBoard() {
    RunningProgram p;
    p.setBoard({"1...", "12..", "2233", "1455"});
    const QImage pictureBefore = p.window->board()->image();
    p.click(10, 10);  // the lone 4, and an empty cell: nothing is drawn, nothing pauses
    p.click(1, 1);
    QVERIFY(p.window->scoreLabel()->text() == QStringLiteral("0") && p.pause.pauses.empty());
    QCOMPARE(p.window->board()->image(), pictureBefore);

    QString scoreShown;
    std::vector<QImage> shown;  // the picture on screen during each pause
    p.pause.during = [&](int) {
        shown.push_back(p.window->board()->image());
        scoreShown = p.window->scoreLabel()->text();
    };
    p.click(9, 9);  // the 2 at the left of the "2233" row: with the 2 above and the one to its right
    QCOMPARE(p.pause.pauses, (std::vector<int>{400, 100}));
    QCOMPARE(scoreShown, QStringLiteral("6"));
    // A cell of a picture that shows only the background.
    const auto plain = [&](const QImage& picture, int x, int y) {
        for (int py = (y - 1) * 32 + 1; py < y * 32 - 1; ++py)
            for (int px = (x - 1) * 32 + 1; px < x * 32 - 1; ++px)
                if (picture.pixelColor(px, py) != BoardPicture::backgroundColor()) return false;
        return true;
    };
    // The gap: the group's cells show the background, but for the points over
    // the clicked cell; the 1s above are still in place.
    QVERIFY(!plain(shown[0], 9, 9) && plain(shown[0], 10, 9) && plain(shown[0], 10, 8));
    QVERIFY(!plain(shown[0], 9, 8) && !plain(shown[0], 9, 7));
    // Fallen, not yet slid: the 1s came down one cell.
    QVERIFY(!plain(shown[1], 9, 9) && !plain(shown[1], 9, 8) && plain(shown[1], 9, 7) && plain(shown[1], 10, 9));
    // Settled: the 1s slid right, and that picture stays.
    QVERIFY(plain(p.window->board()->image(), 9, 9) && !plain(p.window->board()->image(), 10, 9));
    // With no group left, a press on a lone tile ends the game.
    p.setBoard({"12", "21"});
    p.game().score = 0;  // a score of 0 never reaches the best scores
    DialogAnswers answers;
    QString info;
    answers.then(cancelWow(&info));
    p.click(12, 10);
    QCOMPARE(answers.titles, (std::vector<QString>{"Wow"}));
    QCOMPARE(info, QStringLiteral("Congratulations, You solved the game Successfully \r\n With a score of 0"));
    // Cancel leaves the finished board frozen: no timer runs and a press is not delivered...
    QVERIFY(!p.window->clockTimer().running() && !p.window->fallingTimer().running());
    p.setBoard({"11"});
    p.click(12, 10);
    QVERIFY(p.game().score == 0 && p.window->board()->isFrozen());
    p.window->kindCountActions()[0]->trigger();  // ...until a menu choice starts the next game
    QVERIFY(!p.window->board()->isFrozen() && p.window->flow().inProgress());
}

void MainWindowTest::optionMenusRestartOrRedrawAsTheySay() {
    RunningProgram p;
    MainWindow& w = *p.window;
    p.game().score = 42;
    p.game().clockSeconds = 17;
    const Rows board = pictureOf(p.game());
    // Tile set and tile size redraw the same game; the window goes back to the corner.
    w.tileSetActions()[4]->trigger();
    w.move(30, 30);
    w.tileSizeActions()[2]->trigger();
    QCOMPARE(ticks(w), (std::array<int, 4>{0, 2, 0, 4}));
    QCOMPARE(w.board()->geometry(), QRect(0, 0, 576, 480));
    QCOMPARE(w.frameGeometry(), QRect(0, 0, 683, 547));
    QCOMPARE(pictureOf(p.game()), board);
    QVERIFY(p.game().score == 42 && p.game().clockSeconds == 17 && w.clockTimer().running());
    // The cell at column 3, row 2 is drawn at (96, 48) with the 48-pixel Fractals picture of its kind.
    const QImage& img = w.board()->image();
    const int kind = p.game().board[cellIndex(p.game(), 3, 2)];
    const QImage& expected = w.tilePictures().list(2).picture(4 * 9 + kind, img.devicePixelRatio());
    QCOMPARE(img.copy(96, 48, 48, 48).convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32).copy(0, 0, 48, 48));
    // Grid size and number of kinds start a new game, the grid size in a new layout.
    w.tileSizeActions()[1]->trigger();
    w.gridSizeActions()[3]->trigger();
    QVERIFY(p.game().options.gridSizeIndex == 3 && p.game().score == 0);
    QCOMPARE(w.board()->geometry(), QRect(0, 0, 800, 640));
    w.kindCountActions()[3]->trigger();
    QCOMPARE(ticks(w), (std::array<int, 4>{3, 1, 3, 4}));
    QCOMPARE(w.windowTitle(), QStringLiteral("Quellix -  Standard Game(20x25) 8 Tiles"));
    QCOMPARE(p.sound.played.size(), size_t(3));
}

void MainWindowTest::endOfGameRecordsTheScoreAndPlaysAgain() {
    RunningProgram p;
    p.program.bestScores.recordFor({2, 0, 5}) = {{2, 1, 0}, {"Ann", "Ben", "Cy"}};
    p.window->fallingTilesChosen();  // the record is the one of the mode in play, shown in the panel
    p.setBoard({"123455"});    // only the pair at the right is a group
    DialogAnswers answers;
    QString modeTitle, bestDuringEnd;
    std::vector<QString> rows;
    answers.then([&](QDialog* d) {
        modeTitle = static_cast<NameDialog*>(d)->titleLabel()->text();
        QVERIFY(static_cast<NameDialog*>(d)->nameEdit()->text().isEmpty());
        enterName(QStringLiteral("Ada Lovelace, Countess"))(d);  // kept to its first 19 characters
    });
    answers.then(closeStats(&rows));
    answers.then([&](QDialog* d) {
        bestDuringEnd = p.window->bestScoreLabel()->text();
        playAgain()(d);
    });
    p.click(12, 10);
    QCOMPARE(answers.titles, (std::vector<QString>{"Best Score", "Scores", "Wow"}));
    QCOMPARE(modeTitle, QStringLiteral("Blokkar - Falling Tiles Game"));
    QCOMPARE(rows, (std::vector<QString>{"Ada Lovelace, Count=3", "Ann=2", "Ben=1"}));
    QCOMPARE(p.sound.played[2], std::string("/opt/quellix/snd/APPLAUSE.wav"));
    // The panel shows the new best score only from the next game on; Play Again
    // starts one of the same configuration.
    QCOMPARE(bestDuringEnd, QStringLiteral("2"));
    QCOMPARE(texts({p.window->scoreLabel(), p.window->bestScoreLabel()}), (QStringList{"0", "3"}));
    QVERIFY(p.window->flow().inProgress() && !p.window->board()->isFrozen() && p.window->clockTimer().running());
    QCOMPARE(p.window->windowTitle(), QStringLiteral("Quellix -  Falling Tiles (10x12) 5 Tiles"));

    // A score that takes the third place is entered too.
    p.program.bestScores.recordFor({2, 0, 5}) = {{10, 5, 1}, {"Ann", "Ben", "Cy"}};
    p.setBoard({"123455"});
    answers.then(enterName(QStringLiteral("Third")));
    answers.then(closeStats(&rows));
    answers.then(cancelWow());
    p.click(12, 10);
    QCOMPARE(rows, (std::vector<QString>{"Ann=10", "Ben=5", "Third=3"}));
    QCOMPARE(answers.unexpected, 0);
}

void MainWindowTest::aClockTickShowsTheTimeUpThenDown() {
    RunningProgram p;
    MainWindow& w = *p.window;
    p.game().clockSeconds = 60;
    w.clockTick();
    QCOMPARE(w.timeLabel()->text(), QStringLiteral("1:01"));
    p.game().options.fallTimeIndex = 0;
    w.fallingTilesChosen();
    QCOMPARE(w.timeCaption()->text(), QStringLiteral("Time \r\nRemaining"));
    QCOMPARE(w.timeCaption()->font().pointSizeF(), 10.0);  // kept from the Standard Game before
    QVERIFY(w.timeLabel()->y() > w.timeCaption()->y() + w.timeCaption()->height());
    w.clockTick();
    QCOMPARE(w.timeLabel()->text(), QStringLiteral("1:59"));
}

void MainWindowTest::pauseHidesTheBoardAndStopsBothTimers() {
    RunningProgram p;
    MainWindow& w = *p.window;
    const auto is = [&](bool paused) {  // the five controls of the paused state agree
        return w.resumeButton()->isVisibleTo(&w) == paused && w.board()->isVisibleTo(&w) != paused &&
               w.pauseAction()->isEnabled() != paused && w.clockTimer().running() != paused &&
               w.fallingTimer().running() != paused;
    };
    w.pauseAction()->trigger();
    QVERIFY(is(true));
    w.tileSizeActions()[0]->trigger();  // a tile-size change redraws into the hidden board and stays paused
    QVERIFY(is(true));
    w.resumeButton()->click();  // way back 1: the button
    QVERIFY(is(false));
    // A press on the background while running changes nothing; while paused it resumes (way back 2).
    const QPoint corner(w.centralWidget()->width() - 3, 3);
    QTest::mouseClick(w.centralWidget(), Qt::LeftButton, {}, corner);
    QVERIFY(is(false));
    w.pauseChosen();
    QTest::mouseClick(w.centralWidget(), Qt::LeftButton, {}, corner);
    QVERIFY(is(false));
    // Esc pauses and minimises; Esc again stays paused.
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(is(true) && (w.windowState() & Qt::WindowMinimized));
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(is(true));
    w.gridSizeActions()[0]->trigger();  // way back 3: a new game
    QVERIFY(is(false) && !(w.windowState() & Qt::WindowMinimized));
}

// Both timers run on the real event loop here, with short periods: the clock
// times out, and both stop before its message shows, so that the end is shown once.
void MainWindowTest::theTimersTimeTheGameOutAndStopBeforeItsMessage() {
    RunningProgram p;
    MainWindow& w = *p.window;
    w.fallingTilesChosen();
    p.game().clockSeconds = 1;
    w.clockTimer().setInterval(5);
    w.fallingTimer().setInterval(5);
    DialogAnswers answers;
    answers.then(cancelWow());
    QString labelAtMessage;
    p.messages.whileOpen = [&](const std::string&) {
        labelAtMessage = w.timeLabel()->text();
        QTest::qWait(50);
    };
    QTRY_COMPARE(answers.titles, (std::vector<QString>{"Wow"}));
    QCOMPARE(labelAtMessage, QStringLiteral("0:00"));
    QVERIFY(!w.clockTimer().running() && !w.fallingTimer().running());
    QCOMPARE(p.messages.shown, std::vector<std::string>{" Time Out - Game Over "});
    QVERIFY(answers.titles.size() == 1 && answers.unexpected == 0);
}

void MainWindowTest::aFallingTickReachesTheBoardAndABlockedBatchEndsTheGame() {
    RunningProgram p;
    p.window->fallingTilesChosen();
    p.setBoard({"............", "234523452345"});
    p.window->fallingTick();  // five tiles fall onto the bottom row and slide right
    QCOMPARE(pictureOf(p.game())[8].find_first_not_of('.'), size_t(7));
    // A tile at column numColors + 1 of the top row blocks the entry: the game ends, the board stays.
    p.game().board[cellIndex(p.game(), 6, 1)] = 1;
    const Rows blocked = pictureOf(p.game());
    DialogAnswers answers;
    answers.then(cancelWow());
    p.window->fallingTick();
    QCOMPARE(p.messages.shown, std::vector<std::string>{" Game Over "});
    QCOMPARE(pictureOf(p.game()), blocked);
    QCOMPARE(answers.titles, (std::vector<QString>{"Wow"}));
}

void MainWindowTest::fallingOptionsChangeThePeriodAtOnceAndTheTimeFromTheNextGame() {
    RunningProgram p;
    MainWindow& w = *p.window;
    w.fallingTilesChosen();
    QStringList opened;
    DialogAnswers answers;
    for (auto [speed, time, ok] : {std::tuple{0, 19, false}, {0, 19, true}, {5, 5, true}}) {
        answers.then([&opened, speed, time, ok](QDialog* d) {
            auto* o = static_cast<FallingOptionsDialog*>(d);
            opened << o->speedBox()->currentText() + " " + o->timeBox()->currentText();
            o->speedBox()->setCurrentIndex(speed);
            o->timeBox()->setCurrentIndex(time);
            (ok ? o->okButton() : o->cancelButton())->click();
        });
    }
    w.fallingOptionsChosen();  // Cancel changes nothing
    QCOMPARE(w.fallingTimer().interval(), 5000);
    p.game().clockSeconds = 100;
    w.fallingOptionsChosen();
    QCOMPARE(opened, (QStringList{"5 3:30", "5 3:30"}));
    QVERIFY(w.fallingTimer().interval() == 2000 && w.fallingTimer().running());  // next batch 2 s after "Ok"
    QCOMPARE(p.game().clockSeconds, 100);  // the running clock is left alone
    w.fallingTilesChosen();
    w.clockTick();
    QCOMPARE(w.timeLabel()->text(), QStringLiteral("11:29"));
    w.pauseChosen();  // while paused: the period changes, the game stays paused
    w.fallingOptionsChosen();
    QCOMPARE(opened.last(), QStringLiteral("2 11:30"));
    QVERIFY(w.fallingTimer().interval() == 7000 && !w.fallingTimer().running() && w.resumeButton()->isVisible());
    QCOMPARE(p.game().options.fallTimeIndex, 5);
}

void MainWindowTest::helpAndAboutLeaveTheGameRunning() {
    RunningProgram p;
    MainWindow& w = *p.window;
    w.helpChosen();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(p.help.shown, (std::vector<std::string>{"/opt/quellix/QLX.hlp", "/opt/quellix/QLX.hlp"}));
    DialogAnswers answers;
    answers.then([&](QDialog* d) {
        QTest::mouseClick(static_cast<AboutDialog*>(d)->webLabel(), Qt::LeftButton);
        static_cast<AboutDialog*>(d)->okButton()->click();
    });
    w.aboutChosen();
    QCOMPARE(answers.titles, (std::vector<QString>{"Dialog Caption"}));
    QCOMPARE(p.web.opened, std::vector<std::string>{kWebSite});
    QVERIFY(w.clockTimer().running() && w.flow().inProgress());
}

// The menu bar's extension arrow, made only when it is drawn, is the
// desktop style's own, in every size and state; other pictures pass through.
void MainWindowTest::theGamesStyleDrawsTheExtensionArrowAsTheDesktopsDoes() {
    const QString name = QApplication::style()->name();
    qlx::GameStyle game(name);
    const std::unique_ptr<QStyle> desktop(QStyleFactory::create(name));
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                             QStyle::SP_MessageBoxWarning}) {
        const QIcon later = game.standardIcon(which);
        const QIcon now = desktop->standardIcon(which);
        QVERIFY(!now.isNull());
        QCOMPARE(later.availableSizes(), now.availableSizes());
        for (const int size : {16, 32}) {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                QCOMPARE(later.pixmap(size, mode).toImage(), now.pixmap(size, mode).toImage());
            }
        }
    }
}

QTEST_MAIN(MainWindowTest)

#include "main_window_test.moc"
