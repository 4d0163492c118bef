// The game's timer on the real event loop: an enabled flag and an interval,
// where an interval of 0 never fires and a new interval takes effect at once.
#include <QtTest>

#include "game_timer.h"

using namespace qlx;

class TimerTest : public QObject {
    Q_OBJECT
private slots:
    void anIntervalOfZeroNeverFiresAndDisablingStopsTheTicks();
    void aNewIntervalAppliesToARunningTimerAndTicksArePrecise();
};

void TimerTest::anIntervalOfZeroNeverFiresAndDisablingStopsTheTicks() {
    GameTimer timer;
    int ticks = 0;
    connect(&timer, &GameTimer::tick, [&] { ++ticks; });
    timer.setInterval(0);
    timer.setEnabled(true);
    QTest::qWait(50);  // a plain QTimer of interval 0 would fire on every pass of the loop
    QCOMPARE(ticks, 0);
    QVERIFY(timer.enabled() && !timer.running());

    timer.setInterval(2);
    QTRY_VERIFY(ticks >= 3);
    timer.setEnabled(false);
    const int atStop = ticks;
    QTest::qWait(30);
    QCOMPARE(ticks, atStop);
    QVERIFY(!timer.running() && timer.interval() == 2);
}

void TimerTest::aNewIntervalAppliesToARunningTimerAndTicksArePrecise() {
    GameTimer timer;
    int ticks = 0;
    connect(&timer, &GameTimer::tick, [&] { ++ticks; });
    timer.setInterval(60'000);
    timer.setEnabled(true);
    QVERIFY(timer.running());
    timer.setInterval(5);  // without touching the enabled flag
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 2000);
    // The clock counts seconds with it: a coarse timer may be 5 % off.
    QCOMPARE(timer.timerType(), Qt::PreciseTimer);
}

QTEST_MAIN(TimerTest)
#include "timer_test.moc"
