// A timer with an enabled flag and an interval in milliseconds. An interval of
// 0 never fires; setting the interval or enabling the timer starts a full
// period again. Ticks are precise (coarse timers drift by several percent).
#pragma once

#include <QObject>
#include <QTimer>

namespace qlx {

class GameTimer : public QObject {
    Q_OBJECT
public:
    explicit GameTimer(QObject* parent = nullptr);

    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    // True while ticks are actually being delivered (enabled with a period).
    bool running() const { return timer_.isActive(); }
    // How exactly the ticks are timed: Qt::PreciseTimer, to the millisecond.
    Qt::TimerType timerType() const { return timer_.timerType(); }

    void setEnabled(bool on);
    void setInterval(int milliseconds);

signals:
    void tick();

private:
    void restart();

    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 0;
};

}  // namespace qlx
