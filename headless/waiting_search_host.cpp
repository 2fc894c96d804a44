#include "headless/waiting_search_host.h"

namespace taravin {

WaitingSearchHost::WaitingSearchHost(std::function<void(const SearchReport&)> onReport,
                                     std::function<void()> onTimeout)
    : onReport_(std::move(onReport)), onTimeout_(std::move(onTimeout)) {}

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

bool WaitingSearchHost::report(const SearchReport& report) {
    if (onReport_) {
        onReport_(report);
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
