// Ending with the session: logging out, shutting down, kill (SIGTERM), a
// closed terminal (SIGHUP), Ctrl+C (SIGINT) and the session manager's request
// close the game the way its close box does, so that the options and the
// best scores are saved, once.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QSessionManager;
class QWidget;

namespace qlx {

class SessionEnd final : public QObject {
    Q_OBJECT
public:
    // Watches SIGTERM, SIGHUP and SIGINT and the session manager for the
    // lifetime of this object, on behalf of the main window.
    explicit SessionEnd(QWidget* mainWindow, QObject* parent = nullptr);

    // Ends the session, once however often it is asked: closes the modal
    // windows that are open, one by one as they come (a dialog closed so
    // keeps what was typed into it, and the game goes on as after its
    // Cancel), until the main event loop is back in control; then closes the
    // main window, whose unload saves, and leaves the event loop.
    void begin();
    bool ending() const { return ending_; }

    // The session manager's request: the same end. Public so that a test can
    // make it without a session manager.
    void commitData(QSessionManager& manager);

private:
    void step();

    QPointer<QWidget> window_;
    QTimer steps_;
    bool ending_ = false;
};

}  // namespace qlx
