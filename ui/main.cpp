// Quellix: clear groups of touching tiles of one kind.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "captions.h"
#include "startup.h"
#include "game_style.h"
#include "help_window.h"
#include "language.h"
#include "packed_picture.h"
#include "tile_pictures.h"
#include "qt_services.h"
#include "registry.h"
#include "session_end.h"
#include "termination_signals.h"

int main(int argc, char* argv[]) {
    qlx::ignoreBrokenPipes();
    QApplication app(argc, argv);
    // The desktop's style (or the one chosen with -style), wrapped.
    QApplication::setStyle(new qlx::GameStyle(QApplication::style()->name()));
    QApplication::setApplicationName(QString::fromLatin1(qlx::kAppTitle));
    QApplication::setApplicationVersion(QStringLiteral(QLX_VERSION));  // the project's version, from the build
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orlenda.Quellix"));
    // The sizes a window manager shows, packed ready by the build: a 256-pixel
    // picture would be decoded and sent to the X server at every start, and a
    // PNG file has every image-format plugin loaded to read it.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QImage picture = qlx::readPackedPicture(qlx::readyPicturesFolder() + QStringLiteral("/quellix-%1.qlxp").arg(size));
        if (picture.isNull()) picture = QImage(QStringLiteral(":/icon/quellix-%1.png").arg(size));
        icon.addPixmap(QPixmap::fromImage(picture));
    }
    QApplication::setWindowIcon(icon);
    qlx::loadTranslations(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                          QLocale::system().uiLanguages());

    qlx::QtMessageBox messages;
    qlx::QtSound sound;
    qlx::QtMovePause pause;
    qlx::QtWebLink web;
    qlx::HelpWindow help;
    qlx::QtScreenMetrics screen;
    qlx::GameRandom random;
    auto registry = qlx::makeUserRegistry();
    qlx::Services services{messages, sound,  pause, web, help, screen, registry.get(),
                           QCoreApplication::applicationDirPath().toStdString()};

    qlx::Program program{random};
    auto window = qlx::startProgram(program, services);
    messages.setParent(window.get());
    // SIGTERM, SIGHUP, SIGINT and the session manager's end close the window
    // as its close box does; its save request alone saves.
    qlx::SessionEnd sessionEnd(window.get());
    const int status = app.exec();
    // However the event loop came to an end, the window's unload runs: it
    // saves, and only once.
    window->close();
    // Ended by a signal: its status, whatever quit the event loop first (the
    // main window closing at the end of a normal exit, say).
    return sessionEnd.ending() ? sessionEnd.exitStatus() : status;
}
