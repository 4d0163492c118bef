// The dialogs on their own: the falling-tile options, the About box, Esc and
// Enter in every dialog, and the help viewer.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "name_dialog.h"
#include "game_over_dialog.h"
#include "doubles.h"
#include "about_dialog.h"
#include "falling_options_dialog.h"
#include "scores_dialog.h"
#include "help_window.h"
#include "qt_services.h"

using namespace qlx;
using namespace qlx::test;

namespace {
// Sends a key to the control that has the focus in a shown dialog.
void press(QDialog& d, Qt::Key key) { QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, key); }
}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void optionsOpenOnTheStoredChoicesAndOnlyOkReadsTheChosenItems();
    void escPressesCancelOnlyWhereThereIsOneAndEnterTheDefault();
    void aboutShowsTheProgramsNameAndVersionAndItsLinkLeavesItOpen();
    void helpOpensAtTheContentsComesForwardAndReportsABadFileInItsPage();

private:
    FixedScreen screen;
};

void DialogsTest::optionsOpenOnTheStoredChoicesAndOnlyOkReadsTheChosenItems() {
    // Each box is set to `pick`, then given the typed text, ending with Enter (which presses no button):
    // text that names an item once trimmed selects it, other text leaves the selection as it was. A
    // stored index outside the lists opens on the first-run choice.
    const struct { int16_t speed, time; QString shown; int pick; QString typed[2]; std::function<void(FallingOptionsDialog&)> close;
                   bool ok; int16_t wantSpeed, wantTime; } cases[] = {
        {3, 3, "5 3:30", 10, {"9", "4:00"}, [](FallingOptionsDialog& o) { o.cancelButton()->click(); }, false, 3, 3},
        {19, 19, "21 11:30", 10, {}, [](FallingOptionsDialog& o) { press(o, Qt::Key_Escape); }, false, 19, 19},
        {20, -1, "5 3:30", 10, {}, [](FallingOptionsDialog& o) { o.close(); }, false, 20, -1},
        {3, 3, "5 3:30", -1, {" 7 ", "11:30 "}, [](FallingOptionsDialog& o) { o.okButton()->click(); }, true, 5, 19},
        {3, 3, "5 3:30", 10, {"22", "1"}, [](FallingOptionsDialog& o) { o.okButton()->click(); }, true, 10, 10},
    };
    for (const auto& c : cases) {
        FallingOptionsDialog d(screen);
        d.speedIndex = c.speed;
        d.timeIndex = c.time;
        d.show();
        QCOMPARE(d.speedBox()->currentText() + " " + d.timeBox()->currentText(), c.shown);
        for (auto [box, typed] : {std::pair{d.speedBox(), c.typed[0]}, {d.timeBox(), c.typed[1]}}) {
            if (c.pick >= 0) box->setCurrentIndex(c.pick);
            if (typed.isNull()) continue;
            box->setEditText(typed);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        }
        c.close(d);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.okPressed, c.ok);
        QCOMPARE(d.speedIndex, c.wantSpeed);
        QCOMPARE(d.timeIndex, c.wantTime);
        // Once the typing has ended, each box shows the item that "Ok" reads.
        for (QComboBox* b : {d.speedBox(), d.timeBox()}) QCOMPARE(b->currentText(), b->itemText(b->currentIndex()));
    }
}

void DialogsTest::escPressesCancelOnlyWhereThereIsOneAndEnterTheDefault() {
    GameRandom random;
    Program program{random};
    program.flow.setOptions({.gameMode = 1, .numColors = 5});
    ScoresDialog stats(program, screen);
    NameDialog name(1, screen);
    AboutDialog about(QStringLiteral("https://a.example/"), [] {}, screen);
    GameOverDialog wow(10, screen);
    for (QDialog* d : std::initializer_list<QDialog*>{&stats, &name, &about, &wow}) {
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d));  // keys go to the focused control, as they would
        press(*d, Qt::Key_Escape);
        QVERIFY2(d->isVisible() == (d != &wow), qPrintable(d->windowTitle()));
    }
    QVERIFY(!wow.playAgain());
    press(stats, Qt::Key_Return);  // neither button is the default
    QVERIFY(stats.isVisible());
    name.nameEdit()->setText(QStringLiteral("Dee"));
    press(name, Qt::Key_Return);  // OK is the default
    QCOMPARE(name.userName(), std::string("Dee"));
}

void DialogsTest::aboutShowsTheProgramsNameAndVersionAndItsLinkLeavesItOpen() {
    int opened = 0;
    QCoreApplication::setApplicationName(QStringLiteral("Other"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.5.1"));
    AboutDialog d(QStringLiteral("https://www.orlenda.example/"), [&] { ++opened; }, screen);
    QCOMPARE(d.titleLabel()->text(), QStringLiteral("Other 2.5"));
    QCOMPARE(d.webLabel()->text(), QStringLiteral("www.orlenda.example/"));
    d.show();
    QTest::mouseClick(d.webLabel(), Qt::LeftButton);
    QVERIFY(opened == 1 && d.isVisible());
}

void DialogsTest::helpOpensAtTheContentsComesForwardAndReportsABadFileInItsPage() {
    HelpWindow help;
    help.showContents(QLX_HELP_FILE);
    const QPointer<QWidget> window = help.window();
    QVERIFY(window && window->isVisible() && !window->isModal());
    QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("a group of 5 tiles scores 5 × 6 / 2 = 15")));
    // Read further down, minimised, asked for again: the same window, in front, at the contents.
    help.browser()->setSource(QUrl(QStringLiteral("#saved")));
    QVERIFY(help.browser()->verticalScrollBar()->value() > 0);
    window->showMinimized();
    help.showContents(QLX_HELP_FILE);
    QVERIFY(window && help.window() == window && !window->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(help.browser()->verticalScrollBar()->value(), 0);

    QTemporaryDir dir;
    const struct { const char* name; QByteArray bytes; QString problem; } cases[] = {
        {"missing.hlp", {}, "could not be found"},
        {"cut-short.hlp", "<html><body><a name=\"contents\">Rules", "damaged"},
        {"other.hlp", "<html><body>Rules</body></html>", "damaged"},  // not the help: no contents
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QFile f(path);
        QVERIFY(c.bytes.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(c.bytes) == c.bytes.size() && f.flush()));
        help.showContents(path.toStdString());
        const QString shown = help.browser()->toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("Help is not available")) && shown.contains(c.problem) &&
                     shown.contains(path),
                 qPrintable(shown));
        help.showContents(QLX_HELP_FILE);  // the same viewer shows a good file again afterwards
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("How to play")));
    }
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
