#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

#include "cli/line_output.h"
#include "search/search_host.h"

namespace taravin::cli {

// The search's way home in UCI mode: every completed depth the search reports becomes an
// "info depth D score cp S nodes N pv ..." line, and the result the "bestmove" line, written
// at once from the worker. The protocol loop only asks whether the search has ended.
class UciSearchHost final : public SearchHost {
  public:
    explicit UciSearchHost(LineOutput& output) : output_(output) {}

    // Before each search.
    void reset();
    bool finished() const;
    // Blocks until the search has posted its result.
    void waitUntilFinished();

    void postSearchFinished(const SearchResult& result) override;
    void postStatusText(const std::string&) override {}
    bool report(const SearchReport& report) override;
    // The protocol loop times its searches itself.
    void startTimeoutTimer(int) override {}
    void killTimeoutTimer() override {}

  private:
    void writeInfo(int32_t depth, int32_t score, int32_t nodes,
                   const std::vector<SearchMove>& moves);

    LineOutput& output_;
    // Worker-side state, written by one search at a time.
    std::optional<SearchReport> variation_;
    bool wroteInfo_ = false;
    mutable std::mutex mutex_;
    std::condition_variable ended_;
    bool finished_ = false;
};

}  // namespace taravin::cli
