#pragma once

#include <cstdint>

#include "analysis/position_analysis.h"
#include "model/board.h"
#include "search/computer_player.h"

namespace taravin {

class TranspositionTable;

// The evaluation the analysis reads positions with.
inline constexpr int32_t kAnalysisEvaluationCode = 1;
// Reports often enough that the board's arrows keep up with the search.
inline constexpr int32_t kAnalysisReportMilliseconds = 250;

// How long one position is analysed: a fixed number of playouts, a time, or (neither) until
// the search is stopped. Threads: 0 takes every hardware thread.
struct AnalysisBudget {
    int64_t playouts = 0;
    int32_t moveTimeMilliseconds = 0;
    int32_t threads = 0;
};

// The Monte Carlo search that analyses a position; it has no time-out of its own.
SearchRequest analysisRequest(const Board& board, Side side, int32_t moveNumber,
                              const AnalysisBudget& budget, TranspositionTable* table);

// Analyses one position to the end of its budget and waits for it. A side with no move has
// lost without a search.
PositionAnalysis analysePosition(const Board& board, Side side, int32_t moveNumber,
                                 const AnalysisBudget& budget, TranspositionTable* table);

}  // namespace taravin
