// The main window on screens of every size, and the dialogs where the eye is:
// the layout formulas where the window fits its screen, a board shown smaller
// where it does not, and no control cut off or covered (the test runs with the
// packaged font and again with DejaVu alone; the labels' fit in every language,
// English among them, is language_test.cpp's).
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "about_dialog.h"
#include "falling_options_dialog.h"
#include "qt_services.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {

// The outer size the layout formulas give at 15 twips per pixel: 1600 twips
// are 107 pixels, 1000 twips 67.
QSize formulaSize(int cols, int rows, int tile) { return {tile * cols + 107, tile * rows + 67}; }

// Where a control lies in one of its ancestors.
QRect inWindow(const QWidget* w, const QWidget* in) { return QRect(w->mapTo(in, QPoint(0, 0)), w->size()); }

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyGridAndTileSizeShowsThePanelAndTheButtonWhole();
    void aBoardTooBigForTheScreenIsShownSmallerAndPlayedAtThatSize();
    void aChangeOfScreenOrScaleFitsTheWindowAgain();
    void fallingOptionsAndAboutOpenOverTheGame();
    void aMessageBoxIsWideEnoughForItsCaption();
};

void LayoutTest::everyGridAndTileSizeShowsThePanelAndTheButtonWhole() {
    RunningProgram p;
    MainWindow& w = *p.window;
    const int menu = w.menuBar()->sizeHint().height();
    for (int16_t grid = 0; grid < 4; ++grid) {
        for (int16_t size = 0; size < 3; ++size) {
            w.gridSizeActions()[grid]->trigger();
            w.tileSizeActions()[size]->trigger();
            w.pauseChosen();
            const QString at = QStringLiteral("grid %1, tile size %2").arg(grid).arg(size);
            const GridSize g = gridSize(grid);
            const int tile = tilePixels(size);
            QCOMPARE(tileSize(p.game()), tile);  // a 1600 x 1200 screen holds every layout
            const QRect inner = w.centralWidget()->rect();
            const QRect panel = w.statsFrame()->geometry();
            const QRect button = w.resumeButton()->geometry();
            QVERIFY2(inner.contains(panel) && inner.contains(button) && inner.contains(w.board()->geometry()), qPrintable(at));
            QVERIFY2(!button.intersects(panel), qPrintable(at));
            QVERIFY2(!button.intersects(inWindow(w.timeLabel(), w.centralWidget())), qPrintable(at));
            QVERIFY2(QRect(QPoint(0, 0), panel.size()).contains(w.timeLabel()->geometry()), qPrintable(at));
            QCOMPARE(panel.topLeft(), QPoint(g.cols * tile + 15, 15));
            // The formulas, unless they would cut the panel off: then just enough
            // for the panel with as much room below it as above.
            const QSize formula = formulaSize(g.cols, g.rows, tile);
            const int frame = w.frameGeometry().height() - w.height();
            const int needed = frame + menu + 15 + panel.height() + 15;
            QCOMPARE(w.frameGeometry(), QRect(QPoint(0, 0), QSize(formula.width(), std::max(formula.height(), needed))));
            QVERIFY2((formula.height() < needed) == (size == 0 && grid < 2), qPrintable(at));
            // The button keeps its design place unless it would cover the panel.
            QCOMPARE(button.size(), QSize(172, 40));
            QVERIFY2((button.topLeft() == QPoint(162, 166)) == (panel.left() > 162 + 172), qPrintable(at));
            w.resumeClicked();
        }
    }
}

void LayoutTest::aBoardTooBigForTheScreenIsShownSmallerAndPlayedAtThatSize() {
    RunningProgram p;
    MainWindow& w = *p.window;
    p.screen.area = {0, 0, 1366, 768};
    w.gridSizeActions()[3]->trigger();
    w.tileSizeActions()[2]->trigger();
    // 25 x 20 at 48 px needs 1307 x 1027: the largest tile that fits 768 is 35 (20 * 35 + 67 = 767).
    QCOMPARE(tileSize(p.game()), 35);
    QCOMPARE(w.frameGeometry(), QRect(QPoint(0, 0), formulaSize(25, 20, 35)));
    QCOMPARE(w.board()->geometry(), QRect(0, 0, 875, 700));
    QCOMPARE(w.statsFrame()->pos(), QPoint(890, 15));
    QCOMPARE(w.board()->image().size(), QSize(875, 700) * w.board()->image().devicePixelRatio());
    // The chosen size stays chosen, ticked and stored.
    QCOMPARE(p.game().options.tileSizeIndex, 2);
    QCOMPARE(ticks(w)[1], 2);
    // The pictures are drawn at the shown size, and a click finds its cell at that size.
    const int kind = p.game().board[cellIndex(p.game(), 3, 2)];
    const QImage& picture = w.tilePictures().listOfSize(35).picture(kind, 1.0);
    QCOMPARE(w.board()->image().copy(70, 35, 35, 35).convertToFormat(QImage::Format_RGB32),
             picture.convertToFormat(QImage::Format_RGB32));
    p.setBoard({"12", "21", "11"});
    w.tileSetChosen(0);  // redraws
    p.click(24, 20);     // the 1 at the bottom left of the picture, with the 1 beside it and the 1 above
    QCOMPARE(p.game().score, 6);
    // The cursor's square and the accessible cells are at the shown size too.
    p.cursorTo(cellAt(p.game(), 24, 19));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.board());
    QCOMPARE(table->childAt(w.board()->mapToGlobal(QPoint(24 * 35 + 2, 19 * 35 + 2)).x(),
                            w.board()->mapToGlobal(QPoint(24 * 35 + 2, 19 * 35 + 2)).y()),
             table->tableInterface()->cellAt(19, 24));
    QCOMPARE(squareOf(p.game(), *w.board()->cursor()), QRect(24 * 35, 19 * 35, 35, 35));
}

void LayoutTest::aChangeOfScreenOrScaleFitsTheWindowAgain() {
    RunningProgram p;
    MainWindow& w = *p.window;
    w.gridSizeActions()[3]->trigger();
    w.tileSizeActions()[2]->trigger();
    QCOMPARE(w.frameGeometry(), QRect(QPoint(0, 0), formulaSize(25, 20, 48)));
    // The screen's usable area shrinks (a scale of 2 on a 1600 x 1200 screen
    // leaves 800 x 600): the screen tells, and the window fits again.
    p.screen.area = {0, 0, 800, 600};
    QScreen* screen = w.windowHandle()->screen();
    emit screen->logicalDotsPerInchChanged(192);
    QCOMPARE(tileSize(p.game()), 26);  // 20 * 26 + 67 = 587; 25 * 26 + 107 = 757
    QCOMPARE(w.frameGeometry(), QRect(QPoint(0, 0), formulaSize(25, 20, 26)));
    // A screen with room again brings the chosen size back.
    p.screen.area = {0, 0, 1600, 1200};
    emit screen->availableGeometryChanged(QRect(0, 0, 1600, 1200));
    QCOMPARE(tileSize(p.game()), 48);
    QCOMPARE(p.game().screenTileSize, 0);
    // On a second screen to the right, the window goes to that screen's corner.
    p.screen.area = {1600, 0, 1024, 768};
    w.resizeWindow();
    QCOMPARE(w.frameGeometry(), QRect(QPoint(1600, 0), formulaSize(25, 20, 35)));
}

void LayoutTest::fallingOptionsAndAboutOpenOverTheGame() {
    RunningProgram p;
    MainWindow& w = *p.window;
    w.tileSizeActions()[0]->trigger();  // a small window in the top-left corner, away from the screen's centre
    QVERIFY(!w.frameGeometry().contains(w.screen()->geometry().center()));
    DialogAnswers answers;
    std::vector<std::pair<QWidget*, QPoint>> seen;  // each dialog's owner and centre
    const auto record = [&](QDialog* d) {
        seen.emplace_back(d->parentWidget(), d->frameGeometry().center());
        d->reject();
    };
    answers.then(record);
    answers.then(record);
    w.fallingOptionsChosen();
    w.aboutChosen();
    QCOMPARE(answers.titles, (std::vector<QString>{"Set Falling Tile Game Options", "Dialog Caption"}));
    for (const auto& [owner, centre] : seen) {
        QCOMPARE(owner, &w);
        QVERIFY(w.frameGeometry().contains(centre));
    }
}

void LayoutTest::aMessageBoxIsWideEnoughForItsCaption() {
    QWidget owner;
    QtMessageBox messages(&owner);
    int width = 0;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        width = box->width();
        text = box->text();
        box->accept();
    });
    messages.show(" Game Over ");
    QCOMPARE(text, QStringLiteral(" Game Over "));
    QFont bold = QApplication::font();
    bold.setBold(true);
    QVERIFY2(width >= QFontMetrics(bold).horizontalAdvance(QApplication::applicationName()) + 120, qPrintable(QString::number(width)));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
