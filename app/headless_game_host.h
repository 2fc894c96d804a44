#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/game_window.h"
#include "headless/thread_timer.h"
#include "search/search_host.h"

namespace taravin {

class CAmazonDoc;

// The window and the search's way home for a game without a window (the command line and
// tests): notifications queue up and processEvents hands them to the document in order on
// the calling thread, which plays the part of the window thread. Clocks do not tick.
class HeadlessGameHost final : public GameWindow, public SearchHost {
  public:
    HeadlessGameHost() = default;
    ~HeadlessGameHost() override;

    // Handles queued notifications until none is pending and no search runs.
    void processEvents(CAmazonDoc& document);

    // What the game showed.
    struct Congratulations {
        Side winner = Side::kNone;
        std::string text;
    };
    const std::vector<Congratulations>& congratulations() const { return congratulations_; }
    const std::vector<std::string>& stopMessages() const { return stopMessages_; }
    int32_t runningClock() const { return runningClock_; }
    int soundCount() const { return soundCount_; }

    // The answer to yes/no questions (the suggestion); Yes unless set.
    void setAnswer(bool yes) { answer_ = yes; }
    // Runs after each notification the document has handled.
    void setAfterEvent(std::function<void()> afterEvent) { afterEvent_ = std::move(afterEvent); }
    // Runs when the time-out timer expires (normally: the document's handleSearchTimeout).
    void setOnTimeout(std::function<void()> onTimeout) { onTimeout_ = std::move(onTimeout); }

    void startClockTimer(Side side) override { runningClock_ = sideCode(side); }
    void killClockTimer() override { runningClock_ = 0; }
    void redrawSquare(int32_t, int32_t) override {}
    void redraw(ViewArea) override {}
    void titleChanged() override {}
    void showStopMessage(const std::string& text) override { stopMessages_.push_back(text); }
    bool askYesNo(const std::string&) override { return answer_; }
    void showCongratulations(Side winner, const std::string& text) override {
        congratulations_.push_back({winner, text});
    }
    void playMoveSound() override { ++soundCount_; }
    void showBusy(bool) override {}
    void postDeferred(DeferredRequest request, int delayMilliseconds) override;
    void clearDragState() override {}
    // No Information Window: the search writes no log lines.
    bool informationWindowOpen() const override { return false; }
    void appendInformation(const std::string&) override {}

    void postSearchFinished(const SearchResult& result) override;
    void postStatusText(const std::string& text) override;
    bool report(const SearchReport& report) override;
    void startTimeoutTimer(int periodMilliseconds) override;
    void killTimeoutTimer() override;

  private:
    struct Event {
        std::optional<SearchResult> result;
        std::optional<std::string> statusText;
        std::optional<DeferredRequest> deferred;
        std::chrono::steady_clock::time_point due;
    };
    void push(Event event);
    std::optional<Event> nextEvent(bool wait);

    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<Event> events_;
    std::function<void()> afterEvent_;
    std::function<void()> onTimeout_;
    ThreadTimer timeoutTimer_;
    std::vector<Congratulations> congratulations_;
    std::vector<std::string> stopMessages_;
    int32_t runningClock_ = 0;
    int soundCount_ = 0;
    bool answer_ = true;
};

}  // namespace taravin
