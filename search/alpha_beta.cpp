#include "search/alpha_beta.h"

#include <algorithm>

#include "search/node_moves.h"
#include "search/root_report.h"
#include "search/transposition_table.h"

namespace taravin {

void storeBounds(SearchState& state, int32_t value, int32_t alpha, int32_t beta, int r) {
    if (!state.table || !state.continueSearch()) {
        return;
    }
    state.table->store(state.board.hash(), value > alpha ? value : kLossScore,
                       value < beta ? value : kWinScore, r);
}

int32_t searchAlphaBeta(SearchState& state, int r, bool maximising, int32_t alpha, int32_t beta,
                        Side side, SearchMove* pv, const SearchMove* firstMove, bool root,
                        int ply) {
    if (r == 0) {
        return state.evaluate();
    }
    state.countNode();
    if (state.table) {
        if (const auto hit = state.table->probe(state.board.hash(), r, alpha, beta)) {
            ++state.context.hashHits;
            return *hit;
        }
    }
    MoveList list = prepareNodeMoves(state, r, maximising, side, firstMove, ply);
    if (!list.moves) {
        return kLossScore;
    }
    if (list.count == 0) {
        return maximising ? kLossScore : kWinScore;
    }
    SearchMove* childPv = state.freshChildPv(ply, r - 1);
    int32_t value = maximising ? kLossScore : kWinScore;
    int32_t a = alpha;
    int32_t b = beta;
    int32_t j = 0;
    while (j < list.count && state.continueSearch()) {
        const SearchMove& move = list.moves[j];
        const UndoRecord undo = makeListedMove(state.board, move, side);
        const int32_t v = searchAlphaBeta(state, r - 1, !maximising, a, b, otherSide(side), childPv,
                                          nullptr, false, ply + 1);
        if (maximising ? v > value : v < value) {
            value = v;
            recordPrincipalVariation(pv, r, childPv, move, value, j);
            if (root) {
                reportRootBest(state, pv, value, r);
            }
        }
        if (maximising) {
            a = std::max(a, value);
        } else {
            b = std::min(b, value);
        }
        unmakeListedMove(state.board, move, undo);
        ++j;
        if (maximising ? value >= beta : value <= alpha) {
            break;
        }
    }
    storeBounds(state, value, alpha, beta, r);
    return value;
}

}  // namespace taravin
