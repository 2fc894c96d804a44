#include "search/minimax.h"

#include "search/node_moves.h"
#include "search/root_report.h"

namespace taravin {

int32_t searchMiniMax(SearchState& state, int r, bool maximising, Side side, SearchMove* pv,
                      const SearchMove* firstMove, bool root, int ply) {
    if (r == 0) {
        return state.evaluate();
    }
    state.countNode();
    MoveList list = prepareNodeMoves(state, r, maximising, side, firstMove, ply);
    if (!list.moves) {
        return kLossScore;
    }
    if (list.count == 0) {
        return maximising ? kLossScore : kWinScore;
    }
    SearchMove* childPv = state.freshChildPv(ply, r - 1);
    int32_t best = maximising ? kLossScore : kWinScore;
    for (int32_t j = 0; j < list.count && state.continueSearch(); ++j) {
        const SearchMove& move = list.moves[j];
        const UndoRecord undo = makeListedMove(state.board, move, side);
        const int32_t value = searchMiniMax(state, r - 1, !maximising, otherSide(side), childPv,
                                            nullptr, false, ply + 1);
        if (maximising ? value > best : value < best) {
            recordPrincipalVariation(pv, r, childPv, move, value, j);
            if (root) {
                reportRootBest(state, pv, value, r);
            }
            best = value;
        }
        unmakeListedMove(state.board, move, undo);
    }
    return best;
}

}  // namespace taravin
