// The session ends while a best score is being entered: SIGTERM arrives
// while the name dialog is open and again while the scores dialog is, on the
// real window and a real settings file.
#include <QtTest>
#include <csignal>

#include "registry_file.h"
#include "session_end.h"
#include "settings_store.h"
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

}  // namespace

class SessionEndTest : public QObject {
    Q_OBJECT
private slots:
    void aSecondSignalDuringTheEndNeitherKillsNorSavesTwice();
};

void SessionEndTest::aSecondSignalDuringTheEndNeitherKillsNorSavesTwice() {
    QTemporaryDir dir;
    CountingRegistry registry(dir.path().toStdString());
    BestScoreTable stored;
    stored.recordFor({1, 0, 5}) = {{9, 5, 1}, {"Ann", "Ben", "Cy"}};
    saveSettings(registry, firstRunOptions(), stored);
    registry.saves = 0;
    RunningProgram p(&registry);
    SessionEnd sessionEnd(p.window.get());
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

QTEST_MAIN(SessionEndTest)
#include "session_end_test.moc"
