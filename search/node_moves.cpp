#include "search/node_moves.h"

#include <algorithm>

#include "search/move_generators.h"

namespace taravin {

int32_t generateNodeMoves(SearchState& state, MoveList& list, int32_t side, bool maximising,
                          EvaluationFunction scorer) {
    const AmazonSnapshot amazons = snapshotAmazons(state.board, side);
    int32_t generated = 0;
    for (; generated < amazons.count && state.continueSearch(); ++generated) {
        generateSelectedMoves(state, list, amazons.squares[static_cast<std::size_t>(generated)],
                              side, generated, scorer, maximising);
    }
    return generated;
}

int32_t keepCount(const SearchContext& context, int r) {
    constexpr int32_t kQuiescenceKeep = 2;
    if (r < 1) {
        return kQuiescenceKeep;
    }
    return context.depthMoveCounts[static_cast<std::size_t>(std::min(r, kDepthCountSlots - 1))];
}

}  // namespace taravin
