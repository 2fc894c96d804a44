#include "search/olympiad_root.h"

#include <algorithm>

#include "search/node_moves.h"
#include "search/order_and_prune.h"
#include "search/qscout.h"
#include "search/root_report.h"

namespace taravin {

int32_t searchOlympiadRoot(SearchState& state, int d, int32_t alpha, int32_t beta, PvEntry* pv,
                           MoveRecord* firstMove) {
    const int32_t side = state.context.side;
    state.countNode();
    MoveList list = state.moveListAt(0);
    if (!list.moves) {
        giveBack(firstMove);
        return kLossScore;
    }
    const int32_t amazons = generateVariantMoves(state, kOlympiadVariant, list, side, true);
    orderAndPrune(state, side, keepCount(state.context, d), list, true, firstMove, amazons, false,
                  kOlympiadOrdering);
    if (list.count == 0) {
        return kLossScore;
    }
    PvEntry* childPv = state.childPvAt(0);
    auto searchChild = [&](const MoveRecord& move, int32_t childAlpha, int32_t childBeta) {
        const UndoRecord undo = makeListedMove(state.board, move, side);
        const int32_t value = searchQScout(state, kOlympiadVariant, d - 1, false, childAlpha,
                                           childBeta, otherSide(side), childPv, 0, 0, 1);
        unmakeListedMove(state.board, move, undo);
        return value;
    };
    int32_t e = searchChild(*list.moves[0], alpha, beta);
    recordPrincipalVariation(pv, d, childPv, *list.moves[0], e, 0);
    reportRootBest(state, pv, e, d);
    for (int32_t k = 1; state.continueSearch() && k < list.count && e < beta; ++k) {
        alpha = std::max(alpha, e);
        const MoveRecord& move = *list.moves[k];
        int32_t v = searchChild(move, alpha, alpha + 1);
        if (alpha < v && v < beta) {
            v = searchChild(move, v, beta);
        }
        if (v > e) {
            recordPrincipalVariation(pv, d, childPv, move, v, k);
            reportRootBest(state, pv, v, d);
            e = v;
        }
    }
    SearchState::releaseMoves(list);
    return e;
}

}  // namespace taravin
