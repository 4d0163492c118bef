// The worker threads of the searches: a search that is cancelled, replaced
// by a newer one or stopped with the others ends its thread even when it has
// no limit of its own (on the largest board it would run practically
// forever), and its answer is never announced. A runner held for a window's
// first paint starts nothing before it.
#include <QtTest>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "board.h"
#include "random.h"
#include "search.h"
#include "hang_guard.h"
#include "search_runner.h"

using namespace qlx;
using qlx::test::HangGuard;

namespace {

// The largest deal: 25 x 20 tiles of 8 kinds.
GameState largestDeal() {
    GameState s;
    s.options.gameMode = kStandardGame;
    s.options.numColors = 8;
    s.options.tileSizeIndex = 1;
    resetBoard(s, 25, 20);
    GameRandom rnd(1);
    fillBoard(s, rnd);
    return s;
}

const SearchBudget kNoLimit{};  // no node or time limit: only the cancel flag stops it

// How long a cancelled search may take to end its thread before the test
// fails: generous, for a busy machine and a background search at nice 19
// (it stops within a few hundred boards of its flag). Not longer: the time
// limit of a test function may run on into the next one when the machine is
// busy, and the three here should each fail with their own message.
constexpr int kEndBoundMs = 10'000;

// A runner and the tickets it announced.
struct Watched {
    std::unique_ptr<SearchRunner> runner;
    std::vector<uint64_t> announced;

    explicit Watched(SearchRunner::Urgency urgency) : runner(std::make_unique<SearchRunner>(urgency)) {
        QObject::connect(runner.get(), &SearchRunner::found,
                         [this](uint64_t ticket, const SearchResult&) { announced.push_back(ticket); });
    }

    // Waits until every thread of the runner has ended. If one never does,
    // the runner is left behind rather than destroyed (its destructor would
    // wait for that thread for ever), and false is returned.
    bool threadsEnd() {
        if (QTest::qWaitFor([this] { return runner->threadsRunning() == 0; }, kEndBoundMs)) return true;
        QObject::disconnect(runner.get(), nullptr, nullptr, nullptr);
        static_cast<void>(runner.release());
        return false;
    }
};


}  // namespace

class SearchRunnerTest : public QObject {
    Q_OBJECT
private slots:
    // One function each: the time limit of a test function covers all its data rows.
    void aCancelledAwaitedSearchEndsItsThreadUnannounced() { cancelAndReplace(SearchRunner::Urgency::Awaited); }
    void aCancelledBackgroundSearchEndsItsThreadUnannounced() { cancelAndReplace(SearchRunner::Urgency::Background); }
    void stopAllEndsEverySearchAndReturns();
    void aSearchHeldForAWindowBeginsAfterItsFirstPaint();

private:
    static void cancelAndReplace(SearchRunner::Urgency urgency);
};

void SearchRunnerTest::cancelAndReplace(SearchRunner::Urgency urgency) {
    const GameState deal = largestDeal();
    Watched w(urgency);

    w.runner->start(deal, kNoLimit, 1);
    QVERIFY(w.runner->busy());
    QCOMPARE(w.runner->threadsRunning(), 1);
    w.runner->cancel();
    QVERIFY(!w.runner->busy());
    QVERIFY2(w.threadsEnd(), "a cancelled search's thread was still running after 10 s");
    QVERIFY(w.announced.empty());

    // A newer search cancels the one running: only its answer comes, and both threads end.
    w.runner->start(deal, kNoLimit, 2);
    w.runner->start(deal, SearchBudget{.nodes = 2000}, 3);
    QCOMPARE(w.runner->threadsRunning(), 2);
    QVERIFY2(w.threadsEnd(), "a search replaced by a newer one was still running after 10 s");
    QCOMPARE(w.announced, (std::vector<uint64_t>{3}));
    QVERIFY(!w.runner->busy());
}

// What the window does when the game closes: every search is stopped and its
// thread waited for, so stopAll() returns promptly whatever was running.
void SearchRunnerTest::stopAllEndsEverySearchAndReturns() {
    const GameState deal = largestDeal();
    Watched w(SearchRunner::Urgency::Background);
    w.runner->start(deal, kNoLimit, 1);
    w.runner->start(deal, kNoLimit, 2);  // the first is cancelled, the second awaited
    {
        HangGuard guard(std::chrono::milliseconds(kEndBoundMs),
                        "SearchRunner::stopAll() had not returned after 10 s: a search without limit went on");
        w.runner->stopAll();
    }
    QCOMPARE(w.runner->threadsRunning(), 0);
    QVERIFY(!w.runner->busy());
    // An answer queued by a thread before it ended would be waiting by now.
    QCoreApplication::sendPostedEvents();
    QVERIFY(w.announced.empty());
}

namespace {
struct CountedPaints : QWidget {
    int paints = 0;
    void paintEvent(QPaintEvent*) override { ++paints; }
};
}  // namespace

// The background search of a window's first game waits for the window's
// first picture: started before it, it runs after it; one cancelled
// meanwhile never runs; once the window has been painted, nothing waits.
void SearchRunnerTest::aSearchHeldForAWindowBeginsAfterItsFirstPaint() {
    const GameState deal = largestDeal();
    CountedPaints window;
    window.resize(200, 100);
    Watched w(SearchRunner::Urgency::Background);
    int paintsAtAnswer = -1;
    QObject::connect(w.runner.get(), &SearchRunner::found, [&] { paintsAtAnswer = window.paints; });
    w.runner->holdUntilPainted(&window);

    w.runner->start(deal, SearchBudget{.nodes = 1}, 1);  // not shown yet: not held
    QVERIFY(!w.runner->waitingForPaint());
    QTRY_COMPARE(w.announced, (std::vector<uint64_t>{1}));
    QCOMPARE(paintsAtAnswer, 0);

    window.show();
    w.runner->start(deal, kNoLimit, 2);
    w.runner->start(deal, SearchBudget{.nodes = 1}, 3);  // the one without limit is cancelled before it began
    QVERIFY(w.runner->waitingForPaint());
    QVERIFY(w.runner->busy());
    QCOMPARE(w.runner->threadsRunning(), 2);
    QTRY_COMPARE(w.announced, (std::vector<uint64_t>{1, 3}));
    QVERIFY(paintsAtAnswer >= 1);
    QVERIFY(!w.runner->waitingForPaint());
    QVERIFY2(w.threadsEnd(), "a search cancelled before its window was painted was still running after 10 s");

    w.runner->start(deal, SearchBudget{.nodes = 1}, 4);
    QVERIFY(!w.runner->waitingForPaint());
    QTRY_COMPARE(w.announced, (std::vector<uint64_t>{1, 3, 4}));
}

QTEST_MAIN(SearchRunnerTest)
#include "search_runner_test.moc"
