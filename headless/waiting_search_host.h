#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "headless/thread_timer.h"
#include "search/search_host.h"

namespace taravin {

// A host without a window, for the command line and tests: log lines go to a callback, the
// time-out runs on a thread timer, and the caller waits for the final notification.
class WaitingSearchHost final : public SearchHost {
  public:
    // `onReport` receives every report (on the worker thread); `onTimeout` runs at each
    // expiry of the time-out timer and normally sets moveNow.
    WaitingSearchHost(std::function<void(const SearchReport&)> onReport,
                      std::function<void()> onTimeout);

    void postSearchFinished(const SearchResult& result) override;
    void postStatusText(const std::string& text) override;
    bool report(const SearchReport& report) override;
    void startTimeoutTimer(int periodMilliseconds) override;
    void killTimeoutTimer() override;

    // Blocks until the search has posted its result, then returns it (once per search).
    SearchResult waitForResult();
    std::vector<std::string> statusTexts() const;
    // Whether the time-out timer is running.
    bool timerRunning() const { return timerRunning_; }

  private:
    std::function<void(const SearchReport&)> onReport_;
    std::function<void()> onTimeout_;
    ThreadTimer timer_;
    bool timerRunning_ = false;
    mutable std::mutex mutex_;
    std::condition_variable finished_;
    std::optional<SearchResult> result_;
    std::vector<std::string> statusTexts_;
};

}  // namespace taravin
