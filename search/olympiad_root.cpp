#include "search/olympiad_root.h"

#include <algorithm>

#include "search/node_moves.h"
#include "search/order_and_prune.h"
#include "search/qscout.h"
#include "search/root_report.h"

namespace taravin {

int32_t searchOlympiadRoot(SearchState& state, int d, int32_t alpha, int32_t beta, SearchMove* pv,
                           const SearchMove* firstMove) {
    const Side side = state.context.side;
    state.countNode();
    MoveList list = state.moveListAt(0);
    if (!list.moves) {
        return kLossScore;
    }
    const int32_t amazons = generateVariantMoves(state, kOlympiadVariant, list, side, true);
    orderAndPrune(state, side, keepCount(state.context, d), list, true, firstMove, amazons, false,
                  kOlympiadOrdering);
    if (list.count == 0) {
        return kLossScore;
    }
    SearchMove* childPv = state.freshChildPv(0, d - 1);
    // The move stays made around its null-window search and the re-search: another make
    // and unmake would reorder the amazon list in between.
    auto searchChild = [&](int32_t childAlpha, int32_t childBeta) {
        return searchQScout(state, kOlympiadVariant, d - 1, false, childAlpha, childBeta,
                            otherSide(side), childPv, 0, 0, 1);
    };
    const SearchMove& firstListed = list.moves[0];
    UndoRecord undo = makeListedMove(state.board, firstListed, side);
    int32_t e = searchChild(alpha, beta);
    recordPrincipalVariation(pv, d, childPv, firstListed, e, 0);
    reportRootBest(state, pv, e, d);
    unmakeListedMove(state.board, firstListed, undo);
    for (int32_t k = 1; state.continueSearch() && k < list.count && e < beta; ++k) {
        alpha = std::max(alpha, e);
        const SearchMove& move = list.moves[k];
        undo = makeListedMove(state.board, move, side);
        int32_t v = searchChild(alpha, alpha + 1);
        if (alpha < v && v < beta) {
            v = searchChild(v, beta);
        }
        if (v > e) {
            recordPrincipalVariation(pv, d, childPv, move, v, k);
            reportRootBest(state, pv, v, d);
            e = v;
        }
        unmakeListedMove(state.board, move, undo);
    }
    return e;
}

}  // namespace taravin
