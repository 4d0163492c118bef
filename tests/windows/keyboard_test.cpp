// Keyboard play and the board as assistive technology sees it, on the real
// main window over the test doubles. Keys go to the board, as they do when it
// has the keyboard focus; what it does not take goes on to the window.
#include <QAccessible>
#include <QtTest>

#include "window_fixture.h"
#ifdef QLX_QPA_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#endif

using namespace qlx;
using namespace qlx::test;

namespace {
// A small board in the bottom-right corner: a group of three 2s, pairs of 3s and 5s, lone tiles.
const Rows kCorner{"1...", "12..", "2233", "1455"};

void press(RunningProgram& p, Qt::Key key) { QTest::keyClick(p.window->board(), key); }

// Moves the cursor of p, already shown, to the cell (c, r) with arrow keys.
void walkTo(RunningProgram& p, int c, int r) {
    const auto& cursor = p.window->board()->cursor();
    while (cursor->c != c) press(p, cursor->c < c ? Qt::Key_Right : Qt::Key_Left);
    while (cursor->r != r) press(p, cursor->r < r ? Qt::Key_Down : Qt::Key_Up);
}

// Every accessibility event of the board, with the cell it names, and of the score (-2).
using Event = std::pair<QAccessible::Event, int>;
std::vector<Event> events;
QObject* scoreLabel = nullptr;
void record(QAccessibleEvent* e) {
    if (e->object() == scoreLabel) events.emplace_back(e->type(), -2);
    if (qobject_cast<BoardPicture*>(e->object())) events.emplace_back(e->type(), e->child());
}

QString accessibleName(QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); }
}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void aWholeGameByKeysScoresAsTheSameCellsPressedWithTheMouse();
    void theCursorIsPaintedOverThePictureFollowsTheMoveAndComesBackWithTheFocus();
    void theBoardIsATableOfNamedCellsWhoseFocusFollowsTheCursor();
};

void KeyboardTest::aWholeGameByKeysScoresAsTheSameCellsPressedWithTheMouse() {
    RunningProgram keys, mouse;  // the same first deal
    DialogAnswers answers;  // each game ends with a best score
    for (int game = 0; game < 2; ++game)
        for (auto answer : {enterName(QStringLiteral("Kim")), closeStats(), cancelWow()}) answers.then(answer);
    press(keys, Qt::Key_Left);
    for (int move = 0; keys.window->flow().inProgress(); ++move) {
        // The next cell: the first one, from the bottom right, whose tile is in a group.
        Cell target;
        for (int i = keys.game().numCols * keys.game().numRows - 1; i >= 0; --i) {
            target = *cellAt(keys.game(), i % keys.game().numCols, i / keys.game().numCols);
            if (groupAt(keys.game(), target).points > 0) break;
        }
        walkTo(keys, target.c, target.r);
        press(keys, std::array{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}[move % 3]);
        mouse.click(target.c + 1, target.r + 1);
        QCOMPARE(keys.game().score, mouse.game().score);
        QCOMPARE(pictureOf(keys.game()), pictureOf(mouse.game()));
    }
    QCOMPARE(keys.pause.pauses, mouse.pause.pauses);
    QCOMPARE(answers.titles.size(), size_t(6));  // each game ended once
}

void KeyboardTest::theCursorIsPaintedOverThePictureFollowsTheMoveAndComesBackWithTheFocus() {
    RunningProgram p;
    MainWindow& w = *p.window;
    BoardPicture* board = w.board();
    const auto& cursor = board->cursor();
    p.setBoard(kCorner);
    w.tileSetChosen(0);  // draws the board anew
    const QImage kept = board->image(), plain = board->grab().toImage();
    press(p, Qt::Key_Space);  // no cursor yet: nothing is played
    QVERIFY(!cursor && p.game().score == 0);
    press(p, Qt::Key_Up);  // the first arrow shows it on the bottom-right tile, without a step
    QCOMPARE(*cursor, *cellAt(p.game(), 11, 9));
    // On the group of three 2s: its outline is painted over the kept picture, and not
    // into it, neither as the cursor moves nor when the board is drawn anew.
    walkTo(p, 9, 8);
    QCOMPARE(board->cursorGroup().points, 6);
    QCOMPARE(board->image(), kept);
    w.tileSetChosen(0);
    QCOMPARE(board->image(), kept);
    QVERIFY(board->grab().toImage() != plain);
    // Playing the top 2 empties its cell: the cursor goes to the nearest tile, the 1 fallen below it.
    walkTo(p, 9, 7);
    press(p, Qt::Key_Enter);
    QCOMPARE(p.game().score, 6);
    QCOMPARE(*cursor, *cellAt(p.game(), 9, 8));
    press(p, Qt::Key_Escape);  // Esc on the board still pauses
    QVERIFY(w.resumeButton()->isVisibleTo(&w) && (w.windowState() & Qt::WindowMinimized));
    w.resumeButton()->setFocus();
    w.resumeButton()->click();
    QCOMPARE(w.focusWidget(), board);  // the keys' focus, and a screen reader's, back on the board
    p.click(1, 1);  // a mouse press on the board hides it
    QVERIFY(!cursor);
    press(p, Qt::Key_Left);
    w.kindCountChosen(2);  // a keyboard player's new game shows it on the new board's first tile
    QCOMPARE(*cursor, *cursorStart(p.game()));
}

void KeyboardTest::theBoardIsATableOfNamedCellsWhoseFocusFollowsTheCursor() {
    RunningProgram p;
    p.setBoard(kCorner);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(p.window->board());
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(QSize(table->tableInterface()->columnCount(), table->tableInterface()->rowCount()), QSize(12, 10));
    QAccessibleInterface* cell = table->tableInterface()->cellAt(8, 9);
    QCOMPARE(table->indexOfChild(cell), 8 * 12 + 9);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("dark red bricks, group of 3, 6 points"));
    QCOMPARE(table->child(9 * 12 + 9)->text(QAccessible::Name), QStringLiteral("pink marble, no group"));
    QCOMPARE(table->child(0)->text(QAccessible::Name), QStringLiteral("empty"));
    p.window->tileSetChosen(3);  // the names follow the tile set
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("crab, group of 3, 6 points"));
#ifdef QLX_QPA_ACCESSIBILITY
    // The cursor cell is the focused cell while the board has the focus: each step raises a focus and a name-change event.
    p.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.window.get()));
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(record);
    scoreLabel = p.window->scoreLabel();
    press(p, Qt::Key_Left);
    press(p, Qt::Key_Left);  // onto the 5 at column 10 of the bottom row
    const int index = 9 * 12 + 10;
    QCOMPARE(events, (std::vector<Event>{{QAccessible::Focus, index + 1}, {QAccessible::NameChanged, index + 1},
                                         {QAccessible::Focus, index}, {QAccessible::NameChanged, index}}));
    QCOMPARE(table->focusChild()->text(QAccessible::Name), QStringLiteral("cat, group of 2, 3 points"));
    QVERIFY(table->focusChild()->state().focused);
    // A move: the score is read anew; the cell under the cursor is said with
    // the move's points (see access_test.cpp), not by a focus event a screen
    // reader would drop as the cell already in focus.
    events.clear();
    press(p, Qt::Key_Space);
    QCOMPARE(events.front(), (Event{QAccessible::NameChanged, -2}));
    QVERIFY(std::none_of(events.begin(), events.end(), [](const Event& e) { return e.second >= 0; }));
    QCOMPARE(accessibleName(p.window->scoreLabel()), QStringLiteral("Score 3"));
    QCOMPARE(table->focusChild()->text(QAccessible::Name), QStringLiteral("donkey, group of 2, 3 points"));
    QAccessible::installUpdateHandler(nullptr);
#endif
    // The statistics say what they count.
    QCOMPARE(accessibleName(p.window->bestScoreLabel()), QStringLiteral("Best score 0"));
    p.window->fallingTilesChosen();
    p.window->clockTick();
    QCOMPARE(accessibleName(p.window->timeLabel()), "Time remaining " + p.window->timeLabel()->text());
    // A new grid size: a new table, whose cells are new too.
    p.window->gridSizeChosen(3);
    QCOMPARE(table->childCount(), 500);
    QCOMPARE(table->child(8 * 12 + 9)->tableCellInterface()->rowIndex(), 4);
#ifndef QLX_QPA_ACCESSIBILITY
    QSKIP("the focus events need Qt's private headers (qt6-base-private-dev) to switch accessibility on");
#endif
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
