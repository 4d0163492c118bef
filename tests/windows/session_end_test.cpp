// The session ends while a best score is being entered: SIGTERM arrives
// while the name dialog is open and again while the scores dialog is, on the
// real window and a real settings file. An end that hangs is cut short by its
// deadline, with the end's exit status; one that completes calls it off.
#include <QtTest>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "registry_file.h"
#include "searches.h"
#include "session_end.h"
#include "settings_store.h"
#include "hang_guard.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {

// A settings file that counts the saves made through it.
class CountingRegistry final : public Registry {
public:
    explicit CountingRegistry(const std::filesystem::path& software) : file_(software) {}
    std::optional<RegKey> openSoftware() override { return file_.openSoftware(); }
    std::optional<CreatedKey> createKey(RegKey parent, std::string_view path, std::string_view cls) override {
        return file_.createKey(parent, path, cls);
    }
    QueryResult queryValue(RegKey key, std::string_view name, std::span<uint8_t> buffer) override {
        return file_.queryValue(key, name, buffer);
    }
    bool setValue(RegKey key, std::string_view name, uint32_t type, std::span<const uint8_t> data) override {
        if (name == kSettingsValueName) ++saves;
        return file_.setValue(key, name, type, data);
    }
    bool closeKey(RegKey key) override { return file_.closeKey(key); }
    int saves = 0;

private:
    FileRegistry file_;
};

// An exit that only records how it was called, from the deadline's thread.
struct RecordedExits {
    std::atomic<int> calls{0};
    std::atomic<int> lastStatus{-1};
    SessionEndDeadline deadline(std::chrono::milliseconds limit) {
        return {limit, [this](int status) {
                    lastStatus = status;
                    ++calls;
                }};
    }
};

// A modal dialog that will not close until it is allowed to: an end that hangs.
class StubbornDialog final : public QDialog {
public:
    using QDialog::QDialog;
    bool mayClose = false;
    void reject() override {
        if (mayClose) QDialog::reject();
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (mayClose) {
            QDialog::closeEvent(event);
        } else {
            event->ignore();
        }
    }
};


}  // namespace

class SessionEndTest : public QObject {
    Q_OBJECT
private slots:
    void aSecondSignalDuringTheEndNeitherKillsNorSavesTwice();
    void anEndThatHangsIsCutShortWithItsExitStatus();
    void anEndThatCompletesCallsItsDeadlineOff();
    void theDeadlineEndsTheProgramWithTheStatus();
};

void SessionEndTest::aSecondSignalDuringTheEndNeitherKillsNorSavesTwice() {
    QTemporaryDir dir;
    CountingRegistry registry(dir.path().toStdString());
    BestScoreTable stored;
    stored.recordFor({1, 0, 5}) = {{9, 5, 1}, {"Ann", "Ben", "Cy"}};
    saveSettings(registry, firstRunOptions(), stored);
    registry.saves = 0;
    // A best-found search without a limit, still running when the session ends.
    RunningProgram p(&registry, {kHintBudget, SearchBudget{}});
    SessionEnd sessionEnd(p.window.get());
    QCOMPARE(p.window->searches().runner(SearchKind::BestFound).threadsRunning(), 1);
    p.setBoard({"123455"});  // one pair: 3 points, the third place
    DialogAnswers answers;
    answers.then([](QDialog* d) {
        static_cast<NameDialog*>(d)->nameEdit()->setText(QStringLiteral("Zoë"));
        ::raise(SIGTERM);  // the name dialog closes as by its Cancel, keeping the name
    });
    answers.then([](QDialog*) { ::raise(SIGTERM); });  // the scores dialog: a second signal while the first is handled
    p.click(12, 10);
    QTRY_VERIFY(!p.window->isVisible());
    QVERIFY(sessionEnd.ending());
    // The window's unload, which the end makes while its deadline still runs, stopped the search and waited for it.
    QCOMPARE(p.window->searches().runner(SearchKind::BestFound).threadsRunning(), 0);
    QCOMPARE(answers.titles.front(), QStringLiteral("Best Score"));
    QCOMPARE(registry.saves, 2);  // the score as its dialog closed, then the end's own save: none for the second signal
    QCOMPARE(sessionEnd.exitStatus(), 128 + SIGTERM);

    Options options;
    BestScoreTable table;
    FileRegistry again(dir.path().toStdString());
    QCOMPARE(loadSettings(again, options, table), StoreOutcome::Done);
    QCOMPARE(table.recordFor({1, 0, 5}).names[2], std::string("Zoë"));
    QCOMPARE(table.recordFor({1, 0, 5}).scores, (std::array<int32_t, 3>{9, 5, 3}));
}

// A dialog that refuses to close holds the end up: the deadline ends the
// program with the end's status (the one a kill gives), while the dialog and
// the window are still open.
void SessionEndTest::anEndThatHangsIsCutShortWithItsExitStatus() {
    RunningProgram p;
    RecordedExits exits;
    SessionEnd sessionEnd(p.window.get(), exits.deadline(std::chrono::milliseconds(200)));
    StubbornDialog dialog(p.window.get());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&dialog));

    sessionEnd.begin(128 + SIGTERM);
    // Generous: the limit is 200 ms. (A failing QTRY_ macro would go on
    // waiting for twice its timeout to report how late the condition came.)
    QVERIFY2(QTest::qWaitFor([&] { return exits.calls.load() > 0; }, 10000),
             "the deadline had not fired 10 s into an end held up by a dialog");
    QCOMPARE(exits.calls.load(), 1);
    QCOMPARE(exits.lastStatus.load(), 128 + SIGTERM);
    QVERIFY(dialog.isVisible() && p.window->isVisible());  // it was the hanging end that was cut short

    // Once the dialog gives in, the end goes on to its close; the deadline fired once.
    dialog.mayClose = true;
    QTRY_VERIFY(!p.window->isVisible());
    QCOMPARE(exits.calls.load(), 1);
}

// An end that completes (through a modal dialog that closes as asked) calls
// its deadline off: however long the limit, its thread ends when the
// SessionEnd does, and the exit is never called.
void SessionEndTest::anEndThatCompletesCallsItsDeadlineOff() {
    RunningProgram p;
    RecordedExits exits;
    {
        // Far longer than the guard's bound: only a deadline called off lets the destructor return in time.
        auto sessionEnd = std::make_unique<SessionEnd>(p.window.get(), exits.deadline(std::chrono::hours(1)));
        QDialog dialog(p.window.get());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        sessionEnd->begin(128 + SIGHUP);
        QTRY_VERIFY(!dialog.isVisible());
        QTRY_VERIFY(!p.window->isVisible());
        HangGuard guard(std::chrono::seconds(10),
                        "the session end's destructor waited 10 s for its deadline: the deadline was not called off");
        sessionEnd.reset();
    }
    QCOMPARE(exits.calls.load(), 0);
}

// The default deadline: the end's limit, and an exit that ends the program
// with the status it is given (tried in a child process).
void SessionEndTest::theDeadlineEndsTheProgramWithTheStatus() {
    const SessionEndDeadline deadline;
    QCOMPARE(deadline.limit.count(), kSessionEndLimitMs);
#ifdef Q_OS_UNIX
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        deadline.exit(143);
        ::_exit(1);  // not reached
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 143);
#else
    QSKIP("needs fork()");
#endif
}

QTEST_MAIN(SessionEndTest)
#include "session_end_test.moc"
