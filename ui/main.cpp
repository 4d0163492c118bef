// Quellix: clear groups of touching tiles of one kind.
#include <QApplication>
#include <QIcon>

#include "Module8.h"
#include "qt_services.h"
#include "registry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(qlx::kAppTitle));
    QApplication::setApplicationVersion(QStringLiteral(QLX_VERSION));  // the project's version, from the build
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orlenda.Quellix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/quellix.png")));

    qlx::QtMessageBox messages;
    qlx::QtSound sound;
    qlx::QtMovePause pause;
    qlx::QtWebLink web;
    qlx::QtHelpViewer help;
    qlx::QtScreenMetrics screen;
    qlx::GameRandom random;
    auto registry = qlx::makeUserRegistry();
    qlx::Services services{messages, sound,  pause, web, help, screen, random, registry.get(),
                           QCoreApplication::applicationDirPath().toStdString()};

    qlx::Program program;
    auto window = qlx::startProgram(program, services);
    messages.setParent(window.get());
    return app.exec();
}
