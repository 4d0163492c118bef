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

#include "diagUN.h"
#include "diagWow.h"
#include "doubles.h"
#include "frmAbt.h"
#include "frmFTOp.h"
#include "frmStats.h"
#include "qt_services.h"

using namespace qlx;
using namespace qlx::test;

namespace {
// Opens the options on two indexes, lets `act` work on the open dialog, and returns it closed.
struct OptionsRun {
    int result = -1;
    QString shownSpeed, shownTime;
};
OptionsRun runOptions(frmFTOp& d, int16_t speed, int16_t time, const std::function<void(frmFTOp&)>& act) {
    OptionsRun run;
    d.speedIndex = speed;
    d.timeIndex = time;
    QTimer::singleShot(0, &d, [&] {
        run.shownSpeed = d.cmbSpeed()->currentText();
        run.shownTime = d.cmbTime()->currentText();
        static_cast<void>(QTest::qWaitForWindowActive(&d));  // the focus checks below say it if not
        act(d);
        if (d.isVisible()) d.reject();  // a check in `act` failed
    });
    run.result = d.exec();
    return run;
}

// Sends a key to the control that has the focus in a shown dialog.
void press(QDialog& d, Qt::Key key) {
    QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, key);
}
}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void optionsOpenOnTheStoredChoicesAndCancellingChangesNothing();
    void okReadsTheChosenPositions();
    void escPressesCancelOnlyWhereThereIsOneAndEnterTheDefault();
    void aboutShowsTheProgramsNameAndVersionAndItsLink();
    void helpOpensAtTheContentsAndComesForward();
    void helpReportsAMissingOrDamagedFileInItsPage();
};

void DialogsTest::optionsOpenOnTheStoredChoicesAndCancellingChangesNothing() {
    FixedScreen screen;
    const struct { int16_t speed, time; QString shownSpeed, shownTime; std::function<void(frmFTOp&)> cancel; } cases[] = {
        {3, 3, "5", "3:30", [](frmFTOp& o) { o.Command2()->click(); }},
        {0, 19, "2", "11:30", [](frmFTOp& o) { press(o, Qt::Key_Escape); }},
        {20, -1, "5", "3:30", [](frmFTOp& o) { o.close(); }},  // outside the lists: the first-run choice
    };
    for (const auto& c : cases) {
        frmFTOp d(screen);
        const OptionsRun run = runOptions(d, c.speed, c.time, [&](frmFTOp& o) {
            o.cmbSpeed()->setCurrentIndex(10);
            o.cmbTime()->setCurrentIndex(10);
            c.cancel(o);
        });
        QCOMPARE(run.shownSpeed, c.shownSpeed);
        QCOMPARE(run.shownTime, c.shownTime);
        QCOMPARE(run.result, int(QDialog::Rejected));
        QVERIFY(!d.okPressed);
        QCOMPARE(d.speedIndex, c.speed);
        QCOMPARE(d.timeIndex, c.time);
    }
    frmFTOp d(screen);
    QCOMPARE(d.windowTitle(), QStringLiteral("Set Falling Tile Game Options"));
    d.Form_Load();
    QCOMPARE(d.cmbSpeed()->count(), 20);
    QCOMPARE(d.cmbSpeed()->itemText(19), QStringLiteral("21"));
    QCOMPARE(d.cmbTime()->itemText(1), QStringLiteral("2:30"));
}

void DialogsTest::okReadsTheChosenPositions() {
    FixedScreen screen;
    // Selected positions, or typed text: an item's text once trimmed, else the selection before.
    const struct { int speedPick, timePick; QString speedTyped, timeTyped; int16_t speed, time; } cases[] = {
        {0, 19, {}, {}, 0, 19},
        {-1, -1, " 7 ", "11:30", 5, 19},
        {-1, -1, "1", "1:00", 3, 3},
        {10, -1, "abc", "2:00", 10, 0},
    };
    for (const auto& c : cases) {
        frmFTOp d(screen);
        runOptions(d, 3, 3, [&](frmFTOp& o) {
            if (c.speedPick >= 0) o.cmbSpeed()->setCurrentIndex(c.speedPick);
            if (c.timePick >= 0) o.cmbTime()->setCurrentIndex(c.timePick);
            if (!c.speedTyped.isNull()) o.cmbSpeed()->setEditText(c.speedTyped);
            if (!c.timeTyped.isNull()) o.cmbTime()->setEditText(c.timeTyped);
            o.Command1()->click();
        });
        QVERIFY(d.okPressed);
        QCOMPARE(d.speedIndex, c.speed);
        QCOMPARE(d.timeIndex, c.time);
    }
    // When the typing ends (the focus leaves, or Enter, which does not close
    // the dialog), a box shows the item that "Ok" will read.
    frmFTOp d(screen);
    runOptions(d, 3, 3, [](frmFTOp& o) {
        o.cmbSpeed()->setFocus();
        o.cmbSpeed()->lineEdit()->selectAll();
        QTest::keyClicks(o.cmbSpeed()->lineEdit(), QStringLiteral("99"));
        o.cmbTime()->setFocus();
        QCOMPARE(o.cmbSpeed()->currentText(), QStringLiteral("5"));
        o.cmbTime()->setEditText(QStringLiteral(" 3:00 "));
        QTest::keyClick(o.cmbTime()->lineEdit(), Qt::Key_Return);
        QCOMPARE(o.cmbTime()->currentText(), QStringLiteral("3:00"));
        QVERIFY(o.isVisible());
        o.Command1()->click();
    });
    QCOMPARE(d.timeIndex, int16_t(2));
}

void DialogsTest::escPressesCancelOnlyWhereThereIsOneAndEnterTheDefault() {
    FixedScreen screen;
    Program program;
    program.game = {.gameMode = 1, .numColors = 5};
    frmStats stats(program, screen);
    diagUN name(1, screen);
    frmAbt about(QStringLiteral("https://a.example/"), [] {}, screen);
    for (QDialog* d : std::initializer_list<QDialog*>{&stats, &name, &about}) {
        d->show();
        press(*d, Qt::Key_Escape);
        QVERIFY2(d->isVisible(), qPrintable(d->windowTitle()));
    }
    press(stats, Qt::Key_Return);  // neither button is the default
    QVERIFY(stats.isVisible());
    name.txtName()->setText(QStringLiteral("Dee"));
    press(name, Qt::Key_Return);  // OK is the default
    QVERIFY(!name.isVisible());
    QCOMPARE(name.userName(), std::string("Dee"));

    diagWow wow(10, screen);
    wow.show();
    press(wow, Qt::Key_Escape);
    QVERIFY(!wow.isVisible() && !wow.playAgain());
}

void DialogsTest::aboutShowsTheProgramsNameAndVersionAndItsLink() {
    FixedScreen screen;
    RecordingWeb web;
    const QString address = QStringLiteral("https://www.orlenda.example/");
    for (const auto& [name, version, title] : {std::array<QString, 3>{"Other", "2.5.1", "Other 2.5"},
                                               std::array<QString, 3>{"Quellix", "1.0", "Quellix 1.0"}}) {
        QCoreApplication::setApplicationName(name);
        QCoreApplication::setApplicationVersion(version);
        QCOMPARE(frmAbt(address, {}, screen).lblTitle()->text(), title);
    }
    frmAbt d(address, [&] { web.open(address.toStdString()); }, screen);
    QCOMPARE(d.windowTitle(), QStringLiteral("Dialog Caption"));
    QCOMPARE(d.lblWeb()->text(), QStringLiteral("www.orlenda.example/"));
    QVERIFY(d.lblWeb()->font().bold() && d.lblWeb()->font().underline());
    QCOMPARE(d.lblWeb()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(d.lblWeb()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(d.Image1()->geometry(), QRect(59, 24, 60, 55));
    QTimer::singleShot(0, &d, [&] {
        QTest::mouseClick(d.lblWeb(), Qt::LeftButton);
        QVERIFY(d.isVisible());  // the box stays open
        d.OKButton()->click();
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
    QCOMPARE(web.opened, std::vector<std::string>{address.toStdString()});
}

void DialogsTest::helpOpensAtTheContentsAndComesForward() {
    QtHelpViewer help;
    help.showContents(QLX_HELP_FILE);
    const QPointer<QWidget> window = help.window();
    QVERIFY(window && window->isVisible() && !window->isModal());
    QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("a group of 5 tiles scores 5 × 6 / 2 = 15")));
    QCOMPARE(help.browser()->source(), QUrl::fromLocalFile(QLX_HELP_FILE));

    // Read further down, minimised, asked for again: the same window, in front, at the contents.
    help.browser()->setSource(QUrl(QStringLiteral("#saved")));
    QVERIFY(help.browser()->verticalScrollBar()->value() > 0);
    window->showMinimized();
    help.showContents(QLX_HELP_FILE);
    QVERIFY(window && help.window() == window);
    QVERIFY(window->isVisible() && !window->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(help.browser()->verticalScrollBar()->value(), 0);
    int viewers = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) viewers += w->objectName() == QStringLiteral("helpViewer");
    QCOMPARE(viewers, 1);
}

void DialogsTest::helpReportsAMissingOrDamagedFileInItsPage() {
    QTemporaryDir dir;
    QFile real(QLX_HELP_FILE);
    QVERIFY(real.open(QIODevice::ReadOnly));
    const QByteArray page = real.readAll();
    const struct { const char* name; QByteArray bytes; QString problem; } cases[] = {
        {"missing.hlp", {}, "could not be found"},
        {"binary.hlp", QByteArray("\x89PNG\r\n\x1a\n\xff\xfe\0\x01", 12), "damaged"},
        {"cut-short.hlp", page.left(page.size() / 2), "damaged"},
    };
    QtHelpViewer help;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (!c.bytes.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        help.showContents(path.toStdString());
        const QString shown = help.browser()->toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("Help is not available")) && shown.contains(c.problem) &&
                     shown.contains(path),
                 qPrintable(shown));
        // The same viewer shows a good file again afterwards.
        help.showContents(QLX_HELP_FILE);
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("How to play")));
    }
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
