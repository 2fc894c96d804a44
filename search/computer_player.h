#pragma once

#include <cstdint>
#include <memory>
#include <thread>

#include "model/board.h"
#include "search/search_context.h"
#include "search/search_host.h"
#include "search/worker_pool.h"

namespace taravin {

// What the game asks of the computer player for one move.
inline constexpr int32_t kMaxSearchThreads = 256;

struct SearchRequest {
    const Board* board = nullptr;
    Side side = Side::kRed;
    int32_t moveNumber = 1;
    int32_t timeout = 30;
    int32_t algorithm = kAlgorithmQScout;
    int32_t evaluationCode = 1;
    DepthCountSettings depthCounts;
    bool suggest = false;
    bool logOpen = false;
    int32_t lastIteration = kDeepestIteration;
    // Monte Carlo's fixed number of playouts (0: none), for results that repeat.
    int64_t playoutBudget = 0;
    int32_t reportPeriodMilliseconds = 1000;
    // Where this search reports and posts its end; none: the player's own host.
    SearchHost* host = nullptr;
    // Without a time-out the search ends only by its depth limit or a stop.
    bool useTimeout = true;
    TranspositionTable* table = nullptr;
    // Threads that score candidates; 0 takes one per hardware thread. Any count gives the
    // same result.
    int32_t threads = 0;
};

// Runs at most one search at a time on a worker thread of its own. The window thread makes
// the request, keeps the thinking flag, and calls searchEnded() when it handles the final
// notification; the worker reports only through the host and the flags.
class ComputerPlayer {
  public:
    explicit ComputerPlayer(SearchHost& host);
    ~ComputerPlayer();
    ComputerPlayer(const ComputerPlayer&) = delete;
    ComputerPlayer& operator=(const ComputerPlayer&) = delete;

    SearchFlags& flags() { return flags_; }
    bool thinking() const { return thinking_; }

    // Starts a search unless abortSearch is set or one is running; returns whether it did.
    // The board is copied here, on the caller's thread, so the worker never reads it.
    bool requestSearch(const SearchRequest& request);

    // Waits for the worker that has posted its result, kills the time-out timer and clears
    // the thinking flag.
    void searchEnded();

    // The context of the last search; read it only after its final notification.
    const SearchContext& context() const { return context_; }

  private:
    SearchHost& host_;
    SearchFlags flags_;
    SearchContext context_;
    std::thread worker_;
    std::unique_ptr<WorkerPool> pool_;
    bool thinking_ = false;
};

}  // namespace taravin
