#include "search/root_report.h"

#include <algorithm>

#include "search/search_log.h"

namespace taravin {

void publishBestMove(SearchContext& context, const Square& from, const Square& to,
                     const Square& arrow, int32_t score) {
    context.bestFrom = from;
    context.bestTo = to;
    context.bestArrow = arrow;
    context.bestScore = score;
    context.flags->haveBestMove = true;
}

void reportRootBest(SearchState& state, const SearchMove* pv, int32_t score, int32_t depth) {
    SearchContext& context = state.context;
    SearchFlags& flags = state.flags;
    if (flags.moveNow || flags.abortSearch) {
        return;
    }
    const SearchMove& root = pv[depth - 1];
    if (score != kLossScore) {
        publishBestMove(context, root.from, root.to, root.arrow, score);
        writeReport(context, variationReport(SearchReport::Kind::kVariation, pv, depth, score,
                                             depth, context.nodeCount));
        if (score == kWinScore) {
            flags.moveNow = true;
        }
    } else if (!flags.haveBestMove) {
        publishBestMove(context, root.from, root.to, root.arrow, context.bestScore);
        writeReport(context, variationReport(SearchReport::Kind::kVariation, pv, depth, score,
                                             depth, context.nodeCount));
    }
    if (context.host) {
        context.host->postStatusText(rootStatusText(context, score, depth));
    }
}

void recordPrincipalVariation(SearchMove* pv, int r, const SearchMove* childPv,
                              const SearchMove& move, int32_t score, int32_t listIndex) {
    if (r <= 0) {
        return;
    }
    std::copy(childPv, childPv + (r - 1), pv);
    pv[r - 1] = SearchMove{move.from, move.to, move.arrow, score, listIndex};
}

}  // namespace taravin
