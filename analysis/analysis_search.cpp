#include "analysis/analysis_search.h"

#include <chrono>

#include "analysis/analysis_recorder.h"
#include "analysis/proven_analysis.h"
#include "headless/synchronous_search.h"

namespace taravin {

namespace {
// What a separated endgame may take to be proven before it is searched instead.
constexpr std::chrono::milliseconds kProofTime{500};
}  // namespace

SearchRequest analysisRequest(const Board& board, Side side, int32_t moveNumber,
                              const AnalysisBudget& budget, TranspositionTable* table) {
    SearchRequest request;
    request.board = &board;
    request.side = side;
    request.moveNumber = moveNumber;
    request.algorithm = kAlgorithmMonteCarlo;
    request.evaluationCode = kAnalysisEvaluationCode;
    request.playoutBudget = budget.playouts;
    request.useTimeout = false;
    // The reports are what the analysis is for.
    request.logOpen = true;
    request.reportPeriodMilliseconds = kAnalysisReportMilliseconds;
    request.threads = budget.threads;
    request.background = true;
    request.table = table;
    return request;
}

PositionAnalysis analysePosition(const Board& board, Side side, int32_t moveNumber,
                                 const AnalysisBudget& budget, TranspositionTable* table) {
    if (board.noMoveLeft(side)) {
        return lostPosition(side);
    }
    if (std::optional<PositionAnalysis> proven =
            provenAnalysis(board, side, SolverBudget::forTime(kProofTime))) {
        return *proven;
    }
    AnalysisRecorder recorder(side, kAnalysisEvaluationCode);
    const std::optional<SearchResult> result = searchToEnd(
        analysisRequest(board, side, moveNumber, budget, table),
        [&recorder](const SearchReport& report) { recorder.record(report); },
        std::chrono::milliseconds(budget.moveTimeMilliseconds));
    if (result) {
        recorder.finish(*result);
    }
    PositionAnalysis analysis = recorder.latest().value_or(PositionAnalysis{});
    analysis.side = side;
    return analysis;
}

}  // namespace taravin
