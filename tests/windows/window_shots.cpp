// Pictures of every window in the desktop's language, to look at: the main
// window in both games, its menus, every dialog, a message box and the help.
//   window_shots OUTPUT_FOLDER      (QT_QPA_PLATFORM=offscreen; LANGUAGE=de ...)
// Writes OUTPUT_FOLDER/<language>-<window>.png, one file per window. Not a
// test: the window tests check what these pictures show.
#include <QAccessible>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>

#include "about_dialog.h"
#include "captions.h"
#include "deal_number_dialog.h"
#include "falling_options_dialog.h"
#include "help_window.h"
#include "language.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {

QString folder;
QString language;

void shoot(QWidget* w, const QString& name) {
    w->show();  // at the size the window gives itself
    QApplication::processEvents();
    const QString path = QStringLiteral("%1/%2-%3.png").arg(folder, language, name);
    if (!w->grab().save(path)) qFatal("cannot write %s", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    if (argc != 2) qFatal("usage: window_shots OUTPUT_FOLDER");
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    loadTranslations(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                     QLocale::system().uiLanguages());
    QApplication::processEvents();  // the layout direction follows the translation
    language = uiLanguage().isEmpty() ? QStringLiteral("en") : uiLanguage();

    RunningProgram p;
    MainWindow& w = *p.window;
    w.show();
    shoot(&w, QStringLiteral("main-standard"));
    for (QAction* menu : w.menuBar()->actions()) {
        if (!menu->menu()) continue;
        menu->menu()->popup(w.mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        shoot(menu->menu(), QStringLiteral("menu-") + QString::number(w.menuBar()->actions().indexOf(menu)));
        menu->menu()->hide();
    }
    w.pauseChosen();
    shoot(&w, QStringLiteral("main-paused"));
    w.resumeClicked();
    p.game().options.gameMode = kFallingTiles;
    w.startGame();
    w.restartChosen();
    shoot(&w, QStringLiteral("main-falling-known-deal"));

    FallingOptionsDialog options(p.services.screen);
    shoot(&options, QStringLiteral("falling-options"));
    AboutDialog about(QStringLiteral("https://www.orlenda.example/"), [] {}, p.services.screen);
    shoot(&about, QStringLiteral("about"));
    p.program.bestScores.recordFor(currentConfiguration(p.program)) = {{1530, 420, 96}, {"Zoe", "Łukasz", "李雷"}};
    ScoresDialog scores(p.program, p.services.screen);
    shoot(&scores, QStringLiteral("scores"));
    NameDialog name(kStandardGame, p.services.screen);
    shoot(&name, QStringLiteral("name"));
    GameOverDialog gameOver(1530, p.services.screen);
    shoot(&gameOver, QStringLiteral("game-over"));
    DealNumberDialog deal(4242, p.game().options);
    shoot(&deal, QStringLiteral("deal-number"));
    deal.numberEdit()->setText(QStringLiteral("12a"));
    deal.okButton()->click();
    shoot(&deal, QStringLiteral("deal-number-refused"));
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    QString::fromStdString(storeFailedMessage()), QMessageBox::Ok);
    shoot(&box, QStringLiteral("message"));

    HelpWindow help;
    const QString page = QCoreApplication::applicationDirPath() + QStringLiteral("/QLX.hlp");
    help.showContents(page.toStdString());
    help.window()->resize(720, 640);
    shoot(help.window(), QStringLiteral("help"));
    return 0;
}
