#include "search/search_worker.h"

#include "eval/quick_distance.h"
#include "eval/reach_queries.h"
#include "eval/square_ownership.h"
#include "search/iterative_deepening.h"
#include "search/monte_carlo.h"
#include "search/one_step_search.h"
#include "search/qscout_root.h"
#include "search/search_log.h"
#include "search/search_state.h"
#include "search/separated_search.h"
#include "search/transposition_table.h"

namespace taravin {

namespace {

void searchByAlgorithm(SearchState& state) {
    SearchContext& context = state.context;
    if (context.algorithm != kAlgorithmQScoutOlympiadBase && regionsSeparated(state.board)) {
        separatedSearch(state);
        writeReport(context, depthCompleteReport(context.depthReached, context, context.bestScore));
        return;
    }
    switch (context.algorithm) {
        case kAlgorithmAlphaBeta:
            oneStepSearch(state, evaluateQuickDistance);
            deepenAlphaBeta(state);
            break;
        case kAlgorithmQScout:
            deepenQScout(state);
            break;
        case kAlgorithmMtd:
            deepenMtd(state, oneStepSearch(state, evaluateQuickDistance));
            break;
        case kAlgorithmQScoutOlympiadBase:
            oneStepSearch(state, evaluateSquareOwnership);
            deepenOlympiad(state);
            break;
        case kAlgorithmMonteCarlo:
            searchMonteCarlo(state);
            break;
        default:
            oneStepSearch(state, evaluateQuickDistance);
            deepenMiniMax(state);
            break;
    }
}

}  // namespace

SearchResult runSearch(SearchContext& context, std::unique_ptr<Board> board) {
    if (context.logOpen) {
        SearchReport start;
        start.side = context.side;
        writeReport(context, start);
    }
    {
        SearchState state(context, *board);
        searchByAlgorithm(state);
    }
    board.reset();
    if (context.table) {
        context.table->clear();
    }
    if (context.logOpen) {
        SearchReport totals;
        totals.kind = SearchReport::Kind::kTotals;
        totals.nodes = context.nodeCount;
        totals.hashHits = context.hashHits;
        writeReport(context, totals);
    }
    SearchResult result;
    result.outcome = context.flags->memoryError    ? SearchOutcome::kMemoryFailure
                     : context.flags->haveBestMove ? SearchOutcome::kMoveFound
                                                   : SearchOutcome::kNoMove;
    result.from = context.bestFrom;
    result.to = context.bestTo;
    result.arrow = context.bestArrow;
    result.score = context.bestScore;
    result.depthReached = context.depthReached;
    result.nodeCount = context.nodeCount;
    result.suggest = context.suggest;
    return result;
}

}  // namespace taravin
