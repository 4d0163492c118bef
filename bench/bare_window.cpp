// The floor the game's start is measured against: a Qt Widgets program with
// a main window, a menu bar and one label, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("A label"), &window));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
