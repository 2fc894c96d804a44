#include "search/node_moves.h"

#include <algorithm>

#include "eval/quick_distance.h"
#include "search/move_generators.h"
#include "search/order_and_prune.h"

namespace taravin {

int32_t generateNodeMoves(SearchState& state, MoveList& list, Side side, bool maximising,
                          EvaluationFunction scorer) {
    if (!state.continueSearch()) {
        return 0;
    }
    const AmazonSnapshot amazons = snapshotAmazons(state.board, side);
    generateSelectedMoves(state, list, amazons, side, scorer, maximising);
    return amazons.count;
}

MoveList prepareNodeMoves(SearchState& state, int r, bool maximising, Side side,
                          const SearchMove* firstMove, int ply) {
    MoveList list = state.moveListAt(ply);
    if (!list.moves) {
        return list;
    }
    const int32_t amazons = generateNodeMoves(state, list, side, maximising, evaluateQuickDistance);
    orderAndPrune(state, side, keepCount(state.context, r), list, maximising, firstMove, amazons,
                  false);
    return list;
}

int32_t keepCount(const SearchContext& context, int r) {
    constexpr int32_t kQuiescenceKeep = 2;
    if (r < 1) {
        return kQuiescenceKeep;
    }
    return context.depthMoveCounts[static_cast<std::size_t>(std::min(r, kDepthCountSlots - 1))];
}

}  // namespace taravin
