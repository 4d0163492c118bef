// Playing without seeing: what the game says to a screen reader, the keys
// that save scanning the board, the focus brought back to the board's cursor
// cell, the labels of the dialogs' fields, and a cursor ring that shows on
// every tile set. Set QLX_SHOTS_DIR to keep pictures of the ring.
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QtTest>

#include "about_dialog.h"
#include "announcer.h"
#include "cursor.h"
#include "falling_options_dialog.h"
#include "window_fixture.h"
#ifdef QLX_QPA_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#endif

using namespace qlx;
using namespace qlx::test;

namespace {
// In the bottom-right corner (columns 6 to 11, rows 5 to 9, from 0), groups
// whose first cells in reading order are: three 2s at (6, 5), four 3s at
// (7, 7) (the largest), two 4s at (6, 8), two 4s at (9, 8), three 5s at
// (10, 8); and lone tiles.
const Rows kGroups{"22.4..", "21....", "133.1.", "433455", "41245."};

void press(RunningProgram& p, int key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(p.window->board(), static_cast<Qt::Key>(key), mods);
}
Cell at(RunningProgram& p, int c, int r) { return *cellAt(p.game(), c, r); }

// Switches the platform's accessibility on, as a running screen reader does,
// so that the announcer speaks; false where Qt's platform headers are missing.
bool screenReaderRuns(bool on) {
#ifdef QLX_QPA_ACCESSIBILITY
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
    return QAccessible::isActive() == on;
#else
    return !on;
#endif
}

// Every focus event of the board, as the index of the cell (-1: the board itself).
std::vector<int> focusEvents;
void recordFocus(QAccessibleEvent* e) {
    if (e->type() == QAccessible::Focus && qobject_cast<BoardPicture*>(e->object())) focusEvents.push_back(e->child());
}
}  // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void gShiftGAndLJumpBetweenGroupsAndToTheLargest();
    void eachMoveBatchWarningAndEndIsSaidOnceAndNothingWithoutAScreenReader();
    void pPausesWithoutMinimisingAndF10CtrlNCtrlQDoAsTheMenus();
    void afterEveryDialogPauseAndNewGameTheFocusIsOnTheCursorCell();
    void theFieldsAreReadWithTheirLabelsAndTheLinkIsReachedByKeys();
    void theRingShowsOnEveryTileSetAtBothSizesOverThePicture();
};

// Which group comes next is the cursor's rule (tests/core); here, the keys that ask for it.
void AccessTest::gShiftGAndLJumpBetweenGroupsAndToTheLargest() {
    RunningProgram p;
    p.setBoard(kGroups);
    const auto& cursor = p.window->board()->cursor();
    // The board is 12 x 10; the picture's first column is column 6, its first row row 5.
    press(p, Qt::Key_G);  // from nowhere, the first group in reading order
    QCOMPARE(*cursor, at(p, 6, 5));
    press(p, Qt::Key_G);
    QCOMPARE(*cursor, at(p, 7, 7));
    press(p, Qt::Key_G, Qt::ShiftModifier);  // back
    QCOMPARE(*cursor, at(p, 6, 5));
    press(p, Qt::Key_L);
    QCOMPARE(*cursor, at(p, 7, 7));
    QCOMPARE(p.window->board()->cursorGroup().cells.size(), size_t(4));
    // Paused, the board is hidden: the keys move nothing; a keyboard with Ctrl held is not these keys.
    press(p, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(*cursor, at(p, 7, 7));
    p.window->pauseChosen();
    QTest::keyClick(p.window.get(), Qt::Key_G);
    QCOMPARE(*cursor, at(p, 7, 7));
    QCOMPARE(p.game().score, 0);
}

void AccessTest::eachMoveBatchWarningAndEndIsSaidOnceAndNothingWithoutAScreenReader() {
    RunningProgram p;
    Announcer* a = p.window->announcer();
    QVERIFY(screenReaderRuns(false));
    press(p, Qt::Key_L);
    press(p, Qt::Key_Space);
    press(p, Qt::Key_S);
    QVERIFY(p.game().score > 0);
    QCOMPARE(a->count(), 0);  // no screen reader: nothing said
    if (!screenReaderRuns(true)) QSKIP("needs Qt's private headers (qt6-base-private-dev) to switch accessibility on");

    p.setBoard({"2233", "881455"});  // the 8s keep a group on the board to the end
    p.game().score = 10;
    p.window->tileSetChosen(3);
    p.cursorTo(at(p, 10, 8));  // on the first 3
    press(p, Qt::Key_Space);
    QCOMPARE(a->text(), QStringLiteral("3 points, score 13. Now: crab, group of 2, 3 points"));
    QCOMPARE(a->count(), 1);
    QVERIFY(a->isVisible());
    press(p, Qt::Key_Space);  // the 2s, slid into the pair's place; the cursor goes down to the 5s
    QCOMPARE(a->text(), QStringLiteral("3 points, score 16. Now: cat, group of 2, 3 points"));
    press(p, Qt::Key_Left);   // moving the cursor says nothing more: the cell's focus reads it
    QCOMPARE(a->count(), 2);
    p.click(11, 10);  // a mouse press hides the cursor: the points and score alone
    QCOMPARE(a->text(), QStringLiteral("3 points, score 19."));
    press(p, Qt::Key_S);
    QCOMPARE(a->text(), QStringLiteral("Score 19, time 0 seconds, best score 0"));
    press(p, Qt::Key_S);  // asked again, said again
    QCOMPARE(a->count(), 5);

    // Falling Tiles: a batch, then the clock's warnings at 1:00, 0:30 and 0:10 (the
    // seconds that warn are the game flow's rule), each said once.
    p.window->fallingTilesChosen();
    const int before = a->count();
    p.window->fallingTick();
    QCOMPARE(a->text(), QStringLiteral("Tiles fell."));
    std::vector<QString> warnings;
    for (int32_t seconds : {61, 31, 11}) {
        p.game().clockSeconds = seconds;
        p.window->clockTick();
        warnings.push_back(a->text());
    }
    QCOMPARE(warnings, (std::vector<QString>{"1 minute left", "30 seconds left", "10 seconds left"}));
    QCOMPARE(a->count(), before + 4);

    // The last move: its points and the end said together, before the dialog.
    p.window->standardGameChosen();
    p.setBoard({"11"});
    p.game().score = 7;
    QString saidBeforeDialog;
    DialogAnswers answers;
    answers.then([&](QDialog* d) {
        saidBeforeDialog = a->text();
        enterName(QStringLiteral("Kim"))(d);
    });
    answers.then(closeStats());
    answers.then(cancelWow());
    p.click(12, 10);
    QCOMPARE(saidBeforeDialog, QStringLiteral("3 points. Game over, final score 10."));
    QCOMPARE(answers.titles, (std::vector<QString>{"Best Score", "Scores", "Wow"}));
    screenReaderRuns(false);
}

void AccessTest::pPausesWithoutMinimisingAndF10CtrlNCtrlQDoAsTheMenus() {
    RunningProgram p;
    MainWindow& w = *p.window;
    activate(w);
    press(p, Qt::Key_P);
    QVERIFY(w.resumeButton()->isVisible() && !w.clockTimer().running() && !(w.windowState() & Qt::WindowMinimized));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);  // wherever the focus went, P resumes
    QVERIFY(!w.resumeButton()->isVisible() && w.clockTimer().running());
    QCOMPARE(QApplication::focusWidget(), w.board());

    w.fallingTilesChosen();
    p.game().score = 5;
    const int sounds = static_cast<int>(p.sound.played.size());
    QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(p.game().options.gameMode, kFallingTiles);  // a new game of the same mode
    QVERIFY(p.game().score == 0 && static_cast<int>(p.sound.played.size()) == sounds + 1);

    QTest::keyClick(&w, Qt::Key_F10);
    QTRY_VERIFY(w.menuBar()->activeAction() && w.menuBar()->activeAction()->text() == QStringLiteral("Game"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());

    QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::Key_Q));
    QVERIFY(!w.isVisible());
}

void AccessTest::afterEveryDialogPauseAndNewGameTheFocusIsOnTheCursorCell() {
    RunningProgram p;
    MainWindow& w = *p.window;
    activate(w);
    press(p, Qt::Key_Left);
    const Cell cursor = *w.board()->cursor();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.board());
    QAccessibleInterface* cell = table->tableInterface()->cellAt(cursor.r, cursor.c);
    QVERIFY(cell->state().focused);
    const bool events = screenReaderRuns(true);
    if (events) QAccessible::installUpdateHandler(recordFocus);

    // Each way through a dialog, and the pause: the board ends with the focus and its cursor cell is told last.
    bool focusedWhileOpen = true;
    const auto noteOpen = [&](QDialog* d) {
        // Once the dialog is the active window, the board claims no focus behind it. A dialog
        // just shown is made active a moment later, when the window system says so.
        if (!QTest::qWaitFor([d] { return d->isActiveWindow(); })) qWarning("the dialog never became active");
        focusedWhileOpen = cell->state().focused;
        d->reject();
    };
    const struct { const char* name; std::function<void()> open; bool dialog; } ways[] = {
        {"scores", [&] { w.scoresChosen(); }, true},
        {"falling options", [&] { w.fallingOptionsChosen(); }, true},
        {"about", [&] { w.aboutChosen(); }, true},
        {"pause", [&] { w.pauseChosen(); w.resumeButton()->click(); }, false},
        {"new game", [&] { w.standardGameChosen(); }, false},
    };
    for (const auto& way : ways) {
        DialogAnswers answers;
        for (int i = 0; i < 3; ++i) answers.then(noteOpen);
        focusEvents.clear();
        way.open();
        QTRY_COMPARE(QApplication::focusWidget(), w.board());
        QVERIFY2(focusedWhileOpen != way.dialog, way.name);
        const int index = w.board()->cursor()->r * p.game().numCols + w.board()->cursor()->c;
        if (events) QTRY_VERIFY2(!focusEvents.empty() && focusEvents.back() == index, way.name);
        focusedWhileOpen = true;
    }
    // The end, cancelled: the frozen board keeps the focus and takes no press.
    p.setBoard({"12"});
    DialogAnswers answers;
    answers.then(cancelWow());
    p.cursorTo(at(p, 11, 9));
    press(p, Qt::Key_Space);
    QCOMPARE(answers.titles, (std::vector<QString>{"Wow"}));
    QTRY_COMPARE(QApplication::focusWidget(), w.board());
    QVERIFY(w.board()->isFrozen());
    QCOMPARE(table->text(QAccessible::Description), QStringLiteral("Game over"));
    if (events) QAccessible::installUpdateHandler(nullptr);
    screenReaderRuns(false);
}

void AccessTest::theFieldsAreReadWithTheirLabelsAndTheLinkIsReachedByKeys() {
    FixedScreen screen;
    const auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    NameDialog names(1, screen);
    QCOMPARE(name(names.nameEdit()), QStringLiteral("Enter Your Name"));

    FallingOptionsDialog options(screen);
    for (auto [box, spoken] : {std::pair{options.speedBox(), QStringLiteral("Tiles falls for every, seconds")},
                               std::pair{options.timeBox(), QStringLiteral("Game Ends after, minutes")}}) {
        QStringList labels;  // what a screen reader reads on Linux, where a box's name is its text
        for (const auto& [label, relation] : QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        QCOMPARE(labels, QStringList{spoken});
        QCOMPARE(box->accessibleName(), spoken);
    }
    QCOMPARE(options.findChild<QLabel*>(QStringLiteral("speedCaption"))->text(), QStringLiteral("Tiles falls for every"));

    int opened = 0;
    AboutDialog about(QStringLiteral("https://www.orlenda.example/"), [&] { ++opened; }, screen);
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(about.focusWidget(), about.okButton());
    QTest::keyClick(about.okButton(), Qt::Key_Tab);
    QCOMPARE(about.focusWidget(), about.webLabel());
    QTest::keyClick(about.webLabel(), Qt::Key_Return);
    QVERIFY(opened == 1 && about.isVisible());
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.webLabel());
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral("www.orlenda.example/"));
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(opened, 2);
}

void AccessTest::theRingShowsOnEveryTileSetAtBothSizesOverThePicture() {
    RunningProgram p;
    MainWindow& w = *p.window;
    const QString shots = qEnvironmentVariable("QLX_SHOTS_DIR");
    if (!shots.isEmpty()) QDir().mkpath(shots);
    const int16_t big = 2, small = 0;
    for (int16_t size : {small, big}) {
        w.tileSizeChosen(size);
        const int ts = tileSize(p.game());
        for (int16_t set = 0; set < 5; ++set) {
            p.setBoard({"1234554321", "5432112345"});
            w.tileSetChosen(set);
            const QImage kept = w.board()->image();
            QImage strip(5 * 3 * ts, 3 * ts, QImage::Format_RGB32);
            for (int kind = 1; kind <= 5; ++kind) {  // the cursor on each kind in turn
                p.cursorTo(at(p, 1 + kind, 8));
                const QImage shown = w.board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
                QCOMPARE(w.board()->image(), kept);  // drawn over the picture, never into it
                // The ring: a band of black and one of white, each all round, inside the cell.
                const QRect square = squareOf(p.game(), *w.board()->cursor());
                const auto ringIs = [&](int d, auto test) {
                    for (int i = d; i < ts - d; ++i)
                        for (QPoint q : {QPoint(i, d), QPoint(d, i), QPoint(i, ts - 1 - d), QPoint(ts - 1 - d, i)})
                            if (!test(qGray(shown.pixel(square.topLeft() + q)))) return false;
                    return true;
                };
                bool dark = false, light = false;
                for (int d = 0; d < ts / 4; ++d) {
                    dark = dark || ringIs(d, [](int g) { return g <= 40; });
                    light = light || ringIs(d, [](int g) { return g >= 215; });
                }
                QVERIFY2(dark && light, qPrintable(QStringLiteral("set %1, kind %2, %3 px").arg(set).arg(kind).arg(ts)));
                QPainter(&strip).drawImage((kind - 1) * 3 * ts, 0, shown.copy(square.adjusted(-ts, -ts, ts, ts)));
            }
            if (!shots.isEmpty()) strip.save(QStringLiteral("%1/ring-set%2-%3px.png").arg(shots).arg(set).arg(ts));
        }
    }
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
