#include "search/waiting_search_host.h"

namespace taravin {

WaitingSearchHost::WaitingSearchHost(std::function<void(const std::string&)> onLog,
                                     std::function<void()> onTimeout)
    : onLog_(std::move(onLog)), onTimeout_(std::move(onTimeout)) {}

void WaitingSearchHost::postSearchFinished(const SearchResult& result) {
    {
        std::lock_guard lock(mutex_);
        result_ = result;
    }
    finished_.notify_all();
}

void WaitingSearchHost::postStatusText(const std::string& text) {
    std::lock_guard lock(mutex_);
    statusTexts_.push_back(text);
}

bool WaitingSearchHost::appendLog(const std::string& line) {
    if (onLog_) {
        onLog_(line);
    }
    return true;
}

void WaitingSearchHost::startTimeoutTimer(int periodMilliseconds) {
    timer_.start(std::chrono::milliseconds(periodMilliseconds), onTimeout_);
    timerRunning_ = true;
}

void WaitingSearchHost::killTimeoutTimer() {
    timer_.stop();
    timerRunning_ = false;
}

SearchResult WaitingSearchHost::waitForResult() {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return result_.has_value(); });
    const SearchResult result = *result_;
    result_.reset();
    return result;
}

std::vector<std::string> WaitingSearchHost::statusTexts() const {
    std::lock_guard lock(mutex_);
    return statusTexts_;
}

}  // namespace taravin
