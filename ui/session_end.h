// Ending with the session: logging out, shutting down, kill (SIGTERM), a
// closed terminal (SIGHUP) and Ctrl+C (SIGINT) close the game the way its
// close box does, so that the options and the best scores are saved, once;
// whatever window is open, the program is gone within two seconds. The
// session manager's save request alone (a checkpoint) only saves: the game
// goes on until the session really ends.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class QSessionManager;

namespace qlx {

class MainWindow;

// How long the end may take, from the request to the program's exit: a save
// that hangs (a disk that does not answer) does not keep the session waiting.
inline constexpr int kSessionEndLimitMs = 2000;

// Ends the program there and then with the status: nothing more runs (no
// destructor, no handler, no buffered output written).
[[noreturn]] void endProgramNow(int status);

// What happens when the end takes longer than its limit: by default the
// program ends with endProgramNow and the end's exit status. Tests give a
// shorter limit and an exit that only records the status.
struct SessionEndDeadline {
    std::chrono::milliseconds limit{kSessionEndLimitMs};
    std::function<void(int status)> exit = endProgramNow;  // called on the deadline's own thread
};

class SessionEnd final : public QObject {
    Q_OBJECT
public:
    // Watches SIGTERM, SIGHUP and SIGINT, the session manager and the
    // application's quit request for the lifetime of this object, on behalf
    // of the main window.
    explicit SessionEnd(MainWindow* mainWindow, QObject* parent = nullptr);
    // The same with another deadline.
    SessionEnd(MainWindow* mainWindow, SessionEndDeadline deadline, QObject* parent = nullptr);
    // Calls off the deadline (an end that got this far is not hanging) and
    // waits for its thread.
    ~SessionEnd() override;

    // Ends the session, once however often it is asked: closes the modal
    // windows that are open, one by one as they come (a dialog closed so
    // keeps what was typed into it, and the game goes on as after its
    // Cancel), until the main event loop is back in control; then closes the
    // main window, whose unload saves without showing any message, and
    // leaves the event loop with exitStatus. Should any of it hang, the
    // program ends with exitStatus when the deadline's limit (by default
    // kSessionEndLimitMs) has passed since the request.
    void begin(int exitStatus = 0);
    bool ending() const { return ending_; }
    int exitStatus() const { return exitStatus_; }

    // The session manager's save request: saves what changed and leaves the
    // game running. Public so that a test can make it without a session manager.
    void commitData(QSessionManager& manager);

protected:
    // The application's quit request (the session manager's last word, when
    // the session really ends): the same end as a signal.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step();
    void startDeadline();

    QPointer<MainWindow> window_;
    QTimer steps_;
    bool ending_ = false;
    int exitStatus_ = 0;

    const SessionEndDeadline deadlineRule_;
    std::thread deadline_;
    std::mutex deadlineMutex_;
    std::condition_variable deadlineCancelled_;
    bool cancelled_ = false;
};

}  // namespace qlx
