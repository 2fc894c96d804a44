#include "search/iterative_deepening.h"

#include <array>

#include "search/alpha_beta.h"
#include "search/minimax.h"
#include "search/mtd.h"
#include "search/olympiad_root.h"
#include "search/root_report.h"
#include "search/search_log.h"

namespace taravin {

namespace {

using PvArray = std::array<SearchMove, SearchState::kPvLength>;

bool mayDeepen(SearchState& state, int d) {
    return state.continueSearch() && d <= kDeepestIteration && d <= state.context.lastIteration;
}

bool stopped(const SearchState& state, int32_t value) {
    return value == kLossScore || state.flags.moveNow || state.flags.abortSearch;
}

SearchMove currentBestMove(const SearchContext& context) {
    return SearchMove{context.bestFrom, context.bestTo, context.bestArrow};
}

// Runs `root` (d, pv, first move) -> score at every depth until a stop.
template <class Root>
void deepen(SearchState& state, const DepthCountSettings& counts, Root root) {
    SearchContext& context = state.context;
    for (int d = kFirstDeepeningIteration; mayDeepen(state, d); ++d) {
        context.depthReached = d - 1;
        const SearchMove first = currentBestMove(context);
        fillDepthCounts(context.depthMoveCounts, d, counts);
        PvArray pv{};
        const int32_t value = root(d, pv.data(), &first);
        if (stopped(state, value)) {
            break;
        }
        writeReport(context, depthCompleteReport(d, context, value));
    }
}

}  // namespace

void deepenMiniMax(SearchState& state) {
    deepen(state, state.context.depthCountSettings,
           [&](int d, SearchMove* pv, const SearchMove* first) {
               return searchMiniMax(state, d, true, state.context.side, pv, first, true);
           });
}

void deepenAlphaBeta(SearchState& state) {
    deepen(state, state.context.depthCountSettings,
           [&](int d, SearchMove* pv, const SearchMove* first) {
               return searchAlphaBeta(state, d, true, kLossScore, kWinScore, state.context.side, pv,
                                      first, true);
           });
}

void deepenOlympiad(SearchState& state) {
    deepen(state, kOlympiadDepthCounts, [&](int d, SearchMove* pv, const SearchMove* first) {
        return searchOlympiadRoot(state, d, kLossScore, kWinScore, pv, first);
    });
}

void deepenMtd(SearchState& state, int32_t seedScore) {
    SearchContext& context = state.context;
    int32_t previous = seedScore;
    int32_t beforePrevious = 0;
    for (int d = kFirstDeepeningIteration; mayDeepen(state, d); ++d) {
        context.depthReached = d - 1;
        const SearchMove first = currentBestMove(context);
        PvArray pv{};
        fillDepthCounts(context.depthMoveCounts, d, context.depthCountSettings);
        const int32_t g = searchMtd(state, d, beforePrevious, pv.data(), &first);
        if (stopped(state, g)) {
            break;
        }
        reportRootBest(state, pv.data(), g, d);
        writeReport(context, depthCompleteReport(d, context, g));
        beforePrevious = previous;
        previous = g;
    }
}

}  // namespace taravin
