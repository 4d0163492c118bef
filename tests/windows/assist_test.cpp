// Undo, Redo and Hint through the real main window, the "Assisted" mark, and
// the best score found on a Standard deal, over the test doubles: what the
// window shows of them (the rules of each are the game flow's own tests). The
// searches run on their worker threads, with small node budgets, while the
// test's event loop turns.
#include <QAccessible>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <optional>

#include "assist_view.h"
#include "searches.h"
#include "search.h"
#include "search_budgets.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {

// Budgets of boards alone: the same answer on every machine, however busy.
const SearchBudget kSmallHint{.nodes = 20'000};
const SearchBudget kSmallBestFound{.nodes = 50'000};

// The enabled states of Undo, Redo and Hint, as "UR H" with '-' for a greyed-out item.
QString enabled(const MainWindow& w) {
    const AssistView& a = w.assist();
    return QString(a.undoAction()->isEnabled() ? 'U' : '-') + (a.redoAction()->isEnabled() ? 'R' : '-') +
           (a.hintAction()->isEnabled() ? 'H' : '-');
}

}  // namespace

class AssistTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoByKeysAreShownWithTheirMenuStates();
    void hintMovesTheCursorToAGroupWhileTheClockTicks();
    void anAssistedGameSkipsTheBestScores();
    void aStandardGameEndsShowingTheBestScoreFoundOnItsDeal();
};

void AssistTest::undoAndRedoByKeysAreShownWithTheirMenuStates() {
    RunningProgram p;
    MainWindow& w = *p.window;
    activate(w);
    // The Game menu: the three commands after Pause, with their keys.
    QStringList items;
    for (QAction* a : w.menuBar()->actions().first()->menu()->actions())
        if (!a->isSeparator()) items << a->text() + (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString());
    QCOMPARE(items, (QStringList{"standard", "Falling Blocks", "Pause", "Undo Ctrl+Z", "Redo Ctrl+Shift+Z",
                                 "Undo All Ctrl+Home", "Redo All Ctrl+End", "Hint H", "Restart Deal F5",
                                 QStringLiteral("Play Deal Number… Ctrl+D"), "Show Best Found Ctrl+B", "Scores",
                                 "Exit"}));
    QCOMPARE(enabled(w), QStringLiteral("--H"));

    p.setBoard({"1...", "12..", "2233", "1455"});
    w.showPosition();
    const QImage deal = w.board()->image();
    p.click(10, 9);  // the three 2s
    p.click(12, 10);  // the 5s
    QCOMPARE(enabled(w), QStringLiteral("U-H"));
    QVERIFY(w.assist().assistedLabel()->isHidden());

    // What is taken back is the game flow's rule; the window shows it.
    QTest::keyClick(w.board(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.scoreLabel()->text(), QStringLiteral("6"));
    QCOMPARE(*w.board()->cursor(), *cellAt(p.game(), 11, 9));  // on the cell that was played
    QCOMPARE(enabled(w), QStringLiteral("URH"));
    QVERIFY(w.assist().assistedLabel()->isVisibleTo(w.statsFrame()));
    QTest::keyClick(w.board(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.board()->image(), deal);  // back to the deal
    QCOMPARE(enabled(w), QStringLiteral("-RH"));

    // While paused nothing can be taken back or played again.
    w.pauseChosen();
    QCOMPARE(enabled(w), QStringLiteral("---"));
    w.resumeClicked();
    p.pause.pauses.clear();
    QTest::keyClick(w.board(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(p.pause.pauses, (std::vector<int>{400, 100}));  // played again as a move is played
    QCOMPARE(w.scoreLabel()->text(), QStringLiteral("6"));
    QCOMPARE(enabled(w), QStringLiteral("URH"));

    // In Falling Tiles neither can be used; a new game starts unassisted.
    w.fallingTilesChosen();
    QVERIFY(w.assist().assistedLabel()->isHidden() && !p.flow().assisted());
    p.setBoard({"11", "22"});
    p.click(11, 9);
    QCOMPARE(enabled(w), QStringLiteral("--H"));
}

// The hint's search runs on its thread: the window's clock goes on ticking
// while it looks ahead, and its answer puts the cursor on a group of two or more.
void AssistTest::hintMovesTheCursorToAGroupWhileTheClockTicks() {
    RunningProgram p(nullptr, {kSmallHint, std::nullopt});
    MainWindow& w = *p.window;
    w.gridSizeChosen(3);
    w.kindCountChosen(3);  // 25 x 20, 8 kinds
    activate(w);
    const BoardPicture* board = w.board();
    const SearchRunner& hints = w.searches().runner(SearchKind::Hint);
    // Asked and then paused: the search is called off, and nothing shows.
    QTest::keyClick(w.board(), Qt::Key_H);
    QVERIFY(hints.busy());
    w.pauseChosen();
    QVERIFY(!hints.busy());
    w.resumeClicked();
    QVERIFY(!board->cursor());
    QVERIFY(w.assist().assistedLabel()->isVisibleTo(w.statsFrame()));  // asking was enough
    w.kindCountChosen(3);
    QVERIFY(w.assist().assistedLabel()->isHidden());

    w.clockTimer().setInterval(5);
    QTest::keyClick(w.board(), Qt::Key_H);
    const int32_t clockAsked = p.game().clockSeconds;
    QTRY_VERIFY_WITH_TIMEOUT(board->cursor().has_value(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(p.game().clockSeconds > clockAsked, 20000);  // the clock goes on: the search is on its thread
    const SearchResult expected = searchBest(p.game(), kSmallHint);
    QCOMPARE(*board->cursor(), expected.moves.front());
    QVERIFY(board->cursorGroup().cells.size() >= 2);
    // The hint is the search's first move: playing it scores what the outline says.
    const int32_t points = board->cursorGroup().points;
    QTest::keyClick(w.board(), Qt::Key_Space);
    QCOMPARE(p.game().score, points);

    // In Falling Tiles too; a new game forgets the old one's hint.
    w.fallingTilesChosen();
    QVERIFY(!hints.busy());
    QTest::keyClick(w.board(), Qt::Key_Left);  // the cursor shows; a hint moves it to a group's first cell
    QTest::keyClick(w.board(), Qt::Key_H);
    QTRY_VERIFY_WITH_TIMEOUT(!hints.busy(), 20000);
    QVERIFY(board->cursorGroup().points > 0);
}

void AssistTest::anAssistedGameSkipsTheBestScores() {
    RunningProgram p;
    MainWindow& w = *p.window;
    p.setBoard({"1122", "3344"});
    w.showPosition();
    p.click(9, 10);  // the 3s
    w.undoChosen();
    DialogAnswers answers;
    answers.then(cancelWow());
    for (int x : {9, 11, 11, 12}) p.click(x, 10);  // all four pairs: 12 points, which the empty table would take
    QCOMPARE(p.game().score, 12);
    QCOMPARE(answers.titles, (std::vector<QString>{"Wow"}));  // straight to the end dialog
    QCOMPARE(p.program.bestScores.recordFor(currentConfiguration(p.program)).score(1), 0);
    QCOMPARE(enabled(w), QStringLiteral("---"));
    QVERIFY(w.assist().assistedLabel()->isVisibleTo(w.statsFrame()));
    QCOMPARE(answers.unexpected, 0);
}

void AssistTest::aStandardGameEndsShowingTheBestScoreFoundOnItsDeal() {
    RunningProgram p(nullptr, {kSmallHint, kSmallBestFound});
    MainWindow& w = *p.window;
    w.gridSizeChosen(3);
    w.kindCountChosen(3);  // 25 x 20, 8 kinds: a total in the thousands
    const GameState deal = p.game();
    QLabel* label = w.assist().bestFoundLabel();
    const SearchRunner& background = w.searches().runner(SearchKind::BestFound);
    QTRY_VERIFY_WITH_TIMEOUT(!background.busy(), 60000);
    QVERIFY(label->isHidden());  // not before the end
    const SearchResult expected = searchBest(deal, kSmallBestFound);

    p.setBoard({"11"});
    DialogAnswers answers;
    QString shownDuringEnd;
    answers.then([&](QDialog* d) {
        shownDuringEnd = label->isVisibleTo(w.statsFrame()) ? label->text() : QString();
        enterName(QStringLiteral("Kim"))(d);
    });
    answers.then(closeStats());
    answers.then(cancelWow());
    p.click(25, 20);
    QCOMPARE(answers.titles, (std::vector<QString>{"Best Score", "Scores", "Wow"}));  // an unassisted end, as ever
    const QString text = QStringLiteral("Best found ") + QLocale(QLocale::English).toString(expected.total);
    QVERIFY(expected.total >= 1000 && text.contains(','));
    QCOMPARE(shownDuringEnd, text);
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), text);
    QVERIFY(label->geometry().top() > w.scoreLabel()->geometry().bottom());  // under the score
    // A new game hides it; a Falling Tiles game never shows it.
    w.fallingTilesChosen();
    QVERIFY(label->isHidden() && !background.busy());
    p.setBoard({"11"});
    answers.then(cancelWow());
    p.click(12, 10);
    QVERIFY(label->isHidden());
    QCOMPARE(answers.unexpected, 0);
}

QTEST_MAIN(AssistTest)
#include "assist_test.moc"
