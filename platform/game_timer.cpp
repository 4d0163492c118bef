#include "game_timer.h"

namespace qlx {

GameTimer::GameTimer(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GameTimer::tick);
}

void GameTimer::setEnabled(bool on) {
    enabled_ = on;
    restart();
}

void GameTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restart();
}

void GameTimer::restart() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

}  // namespace qlx
