#pragma once

#include <cstdint>
#include <mutex>
#include <optional>

#include "analysis/position_analysis.h"
#include "search/search_host.h"

namespace taravin {

// Gathers what an analysis search reports, on its worker thread, into a position analysis
// that another thread may read at any moment.
class AnalysisRecorder {
  public:
    // The side to move and the evaluation whose points a non-Monte Carlo score is read in.
    AnalysisRecorder(Side side, int32_t evaluationCode);

    void record(const SearchReport& report);
    // The search's result: a win in one or no move at all is known for certain.
    void finish(const SearchResult& result);

    // The analysis so far; nothing before the first report.
    std::optional<PositionAnalysis> latest() const;
    // Grows with every change, so that a reader sees whether there is anything new.
    uint64_t version() const;

  private:
    void store(PositionAnalysis analysis);

    const Side side_;
    const double scale_;
    mutable std::mutex mutex_;
    std::optional<PositionAnalysis> latest_;
    uint64_t version_ = 0;
};

}  // namespace taravin
