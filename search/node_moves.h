#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// Runs the selective generator over the side's amazons (in the order of a snapshot of its
// list) unless the search has stopped; returns how many amazons were generated.
int32_t generateNodeMoves(SearchState& state, MoveList& list, Side side, bool maximising,
                          EvaluationFunction scorer);

// The moves of an interior node of MiniMax or Alpha-Beta: the selective generator scored by
// the quick evaluation, ordered and cut to counts[r] with `firstMove` in front. An empty list
// when the node has no move, the search stopped, or no list could be had (then memoryError
// is set).
MoveList prepareNodeMoves(SearchState& state, int r, bool maximising, Side side,
                          const SearchMove* firstMove, int ply);

// The number of moves a node of remaining depth r keeps; quiescence nodes keep 2.
int32_t keepCount(const SearchContext& context, int r);

}  // namespace taravin
