#include "headless/thread_timer.h"

namespace taravin {

void ThreadTimer::start(std::chrono::milliseconds period, std::function<void()> onTick) {
    stop();
    stopping_ = false;
    thread_ = std::thread([this, period, tick = std::move(onTick)] {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, period, [this] { return stopping_; })) {
            tick();
        }
    });
}

void ThreadTimer::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace taravin
