#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace taravin {

// A periodic timer on a thread of its own, for hosts without a window: calls `onTick` every
// period until stopped. Used for the move time-out when the command line or a test plays.
class ThreadTimer {
  public:
    ThreadTimer() = default;
    ~ThreadTimer() { stop(); }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    void start(std::chrono::milliseconds period, std::function<void()> onTick);
    void stop();

  private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace taravin
