#include "search/mtd.h"

#include "search/alpha_beta.h"
#include "search/search_log.h"

namespace taravin {

int32_t searchMtd(SearchState& state, int d, int32_t firstGuess, SearchMove* pv,
                  const SearchMove* firstMove) {
    int32_t lower = kLossScore;
    int32_t upper = kWinScore;
    int32_t g = firstGuess;
    // Once stopped, a probe returns at once with a table bound or -1000000, which ends the loop.
    while (lower < upper) {
        const int32_t beta = g == lower ? g + 1 : g;
        g = searchAlphaBeta(state, d, true, beta - 1, beta, state.context.side, pv, firstMove,
                            false);
        if (!state.flags.moveNow && !state.flags.abortSearch) {
            writeReport(state.context, variationReport(SearchReport::Kind::kProbe, pv, d, g, d,
                                                       state.context.nodeCount));
        }
        if (g < beta) {
            upper = g;
        } else {
            lower = g;
        }
    }
    return g;
}

}  // namespace taravin
