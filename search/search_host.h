#pragma once

#include <string>

#include "model/square.h"
#include "search/search_report.h"

namespace taravin {

// What a finished search hands back.
enum class SearchOutcome { kMoveFound, kNoMove, kMemoryFailure };

struct SearchResult {
    SearchOutcome outcome = SearchOutcome::kNoMove;
    Square from;
    Square to;
    Square arrow;
    int32_t score = 0;
    int32_t depthReached = 0;
    int32_t nodeCount = 0;
    bool suggest = false;
};

// The search's way home. The notifications are called on the worker thread and must be
// queued to the window thread, which handles them in order; report is synchronous.
class SearchHost {
  public:
    virtual ~SearchHost() = default;

    // The last notification of a search (move found, no move, memory failure).
    virtual void postSearchFinished(const SearchResult& result) = 0;
    // A new status text; the text travels with the notification.
    virtual void postStatusText(const std::string& text) = 0;
    // A report for the Information Window while it is open; false when the window is gone.
    virtual bool report(const SearchReport& report) = 0;

    // The move time-out timer, started and killed on the window thread; each expiry must
    // set moveNow of the search's flags.
    virtual void startTimeoutTimer(int periodMilliseconds) = 0;
    virtual void killTimeoutTimer() = 0;
};

}  // namespace taravin
