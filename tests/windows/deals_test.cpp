// Deals that can be named and played again, through the real main window over
// the test doubles: the commands' keys and enabled states, a deal
// chosen by its number (marked), F5, and the
// replay of the best line found. The rules of each are the flow's own tests.
#include <QLineEdit>
#include <QtTest>

#include "deal_number_dialog.h"
#include "assist_view.h"
#include "deal_view.h"
#include "searches.h"
#include <QGroupBox>
#include "search_budgets.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {

const SearchBudget kSmallBestFound{.nodes = 20'000};

// The enabled states of Undo All, Redo All, Restart Deal, Play Deal Number and Show Best Found, '-' for greyed out.
QString enabled(const MainWindow& w) {
    const DealView& d = w.deals();
    QString s;
    for (const auto& [a, c] : {std::pair{d.undoAllAction(), 'U'}, {d.redoAllAction(), 'R'}, {d.restartAction(), 'F'},
                               {d.playDealAction(), 'N'}, {d.showBestAction(), 'B'}})
        s += a->isEnabled() ? QChar(c) : QChar('-');
    return s;
}

bool marked(const MainWindow& w) { return w.deals().knownDealLabel()->isVisibleTo(w.statsFrame()); }

// The board a deal number gives, dealt by a flow of its own.
Rows dealOf(const Options& options, uint64_t number) {
    GameRandom random;
    GameFlow flow(random);
    flow.setOptions(options);
    flow.playDeal(number);
    return pictureOf(flow.state());
}

}  // namespace

class DealsTest : public QObject {
    Q_OBJECT

private slots:
    void undoAllAndRedoAllByKeysWithTheCommandsStates();
    void aDealChosenByItsNumberIsMarkedAndNotRanked();
    void f5StartsTheDealAgain();
    void showBestFoundReplaysTheLineToTheFigureShownAndStopsAtAKey();
};

void DealsTest::undoAllAndRedoAllByKeysWithTheCommandsStates() {
    RunningProgram p;
    MainWindow& w = *p.window;
    activate(w);
    // Their places and keys in the Game menu are listed with Undo's (assist_test.cpp).
    QCOMPARE(enabled(w), QStringLiteral("--FN-"));
    QVERIFY(!marked(w));

    p.setBoard({"1...", "12..", "2233", "1455"});
    w.showPosition();
    const QImage deal = w.board()->image();
    p.click(10, 9);  // the three 2s
    p.click(12, 10);  // the 5s
    const QImage played = w.board()->image();
    QCOMPARE(enabled(w), QStringLiteral("U-FN-"));
    QTest::keyClick(w.board(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(w.board()->image(), deal);
    QCOMPARE(w.scoreLabel()->text(), QStringLiteral("0"));
    QCOMPARE(enabled(w), QStringLiteral("-RFN-"));  // as Undo and Redo are
    QTest::keyClick(w.board(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(w.board()->image(), played);
    QCOMPARE(w.scoreLabel()->text(), QStringLiteral("9"));
    w.pauseChosen();
    QCOMPARE(enabled(w), QStringLiteral("--FN-"));
}

void DealsTest::aDealChosenByItsNumberIsMarkedAndNotRanked() {
    RunningProgram p;
    MainWindow& w = *p.window;
    activate(w);
    DialogAnswers answers;
    QString shownNumber, refusal;
    bool stayedOpen = false;
    answers.then(answer<DealNumberDialog>([&](DealNumberDialog* d) {
        shownNumber = d->numberEdit()->text();  // the deal in play, ready to copy
        d->numberEdit()->setText(QStringLiteral("12a"));
        d->okButton()->click();
        refusal = d->messageLabel()->isVisible() ? d->messageLabel()->text() : QString();
        stayedOpen = d->isVisible();
        d->numberEdit()->setText(QStringLiteral(" 4242 "));
        d->okButton()->click();
    }));
    const Rows before = pictureOf(p.game());
    QTest::keyClick(w.board(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(shownNumber, QStringLiteral("0"));  // the first deal after start-up
    QVERIFY(stayedOpen);
    QVERIFY(refusal.contains("12a") && refusal.contains("999999999"));
    QCOMPARE(p.flow().dealNumber(), uint64_t{4242});
    QVERIFY(pictureOf(p.game()) != before);
    QCOMPARE(pictureOf(p.game()), dealOf(p.flow().options(), 4242));
    QVERIFY(marked(w));
    QCOMPARE(p.sound.played.size(), std::size_t{2});  // a game starts, as every game does
    // Kept out of the best scores: the flow's rule (deal_test.cpp), which the window
    // follows as for an assisted game (assist_test.cpp).
    QCOMPARE(answers.titles, (std::vector<QString>{"Play Deal Number"}));
    w.standardGameChosen();
    QVERIFY(!marked(w));
    QCOMPARE(answers.unexpected, 0);
}

void DealsTest::f5StartsTheDealAgain() {
    RunningProgram p;
    MainWindow& w = *p.window;
    activate(w);
    w.standardGameChosen();  // deal 120
    const QImage deal = w.board()->image();
    for (int tries = 0; tries < 5 && p.game().score == 0; ++tries) {
        QTest::keyClick(w.board(), Qt::Key_L);  // the cursor on the largest group
        QTest::keyClick(w.board(), Qt::Key_Space);
    }
    QVERIFY(p.game().score > 0);
    w.clockTick();
    QCOMPARE(w.timeLabel()->text(), QStringLiteral("0:01"));
    QTest::keyClick(w.board(), Qt::Key_F5);
    QCOMPARE(w.board()->image(), deal);
    QCOMPARE(w.scoreLabel()->text(), QStringLiteral("0"));
    QCOMPARE(w.timeLabel()->text(), QString());  // the clock from the start
    QCOMPARE(p.flow().dealNumber(), uint64_t{120});
    QVERIFY(marked(w));
    QVERIFY(w.clockTimer().enabled());
}

// The best line is replayed on the deal with the pauses of a move, each group
// outlined before it goes; it ends on the figure "Best found" shows, and any
// key brings back the finished game, doing nothing else.
void DealsTest::showBestFoundReplaysTheLineToTheFigureShownAndStopsAtAKey() {
    RunningProgram p(nullptr, {std::nullopt, kSmallBestFound});
    MainWindow& w = *p.window;
    activate(w);
    QTRY_VERIFY_WITH_TIMEOUT(!w.searches().runner(SearchKind::BestFound).busy(), 60000);
    p.setBoard({"11"});
    DialogAnswers answers;
    answers.then(enterName(QStringLiteral("Kim")));
    answers.then(closeStats());
    answers.then(cancelWow());
    p.click(12, 10);
    QCOMPARE(answers.titles.size(), std::size_t{3});
    QCOMPARE(enabled(w), QStringLiteral("--FNB"));
    const QImage finished = w.board()->image();
    const QString figure = w.assist().bestFoundLabel()->text();
    QVERIFY(figure.startsWith("Best found "));

    p.pause.pauses.clear();
    activate(w);  // back from the end's dialogs
    QTest::keyClick(w.board(), Qt::Key_B, Qt::ControlModifier);
    QVERIFY(p.flow().showingBestLine());
    QCOMPARE(enabled(w), QStringLiteral("--FN-"));
    QTRY_COMPARE_WITH_TIMEOUT(QStringLiteral("Best found ") + w.scoreLabel()->text(), figure, 20000);
    QVERIFY(p.flow().showingBestLine());  // the last board stays
    const std::vector<int>& pauses = p.pause.pauses;
    QCOMPARE(pauses.front(), kReplayStartPause);
    QCOMPARE(std::count(pauses.begin(), pauses.end(), kReplayOutlinePause),
             std::count(pauses.begin(), pauses.end(), kGapPause));  // each group outlined before it goes
    QVERIFY(std::count(pauses.begin(), pauses.end(), kFallenPause) > 0);

    QTest::keyClick(w.board(), Qt::Key_Escape);  // which otherwise pauses and minimises
    QVERIFY(!p.flow().showingBestLine());
    QVERIFY(!p.flow().paused() && !(w.windowState() & Qt::WindowMinimized));
    QCOMPARE(w.scoreLabel()->text(), QStringLiteral("3"));
    QCOMPARE(w.board()->image(), finished);
    QCOMPARE(p.program.bestScores.recordFor(currentConfiguration(p.program)).score(1), 3);
    QCOMPARE(answers.unexpected, 0);
}

QTEST_MAIN(DealsTest)
#include "deals_test.moc"
