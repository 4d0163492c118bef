// For a wait that has no bound of its own (a thread being joined): unless
// disarmed (destroyed) within the bound, ends the test program with the
// message, so that a hang fails at once with its cause rather than at the
// test runner's time-out.
#pragma once

#include <QtGlobal>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace qlx::test {

class HangGuard {
public:
    HangGuard(std::chrono::milliseconds bound, const char* message)
        : thread_([this, bound, message] {
              std::unique_lock lock(mutex_);
              if (!disarmed_.wait_for(lock, bound, [this] { return done_; })) qFatal("%s", message);
          }) {}
    ~HangGuard() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        disarmed_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable disarmed_;
    bool done_ = false;
    std::thread thread_;  // last: starts once the rest is ready
};

}  // namespace qlx::test
