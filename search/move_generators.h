#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// Appends every move of the amazon on `from`: destinations by direction then distance, arrows
// the same way from each destination (over the vacated origin). Each move is scored by making
// it, calling `scorer` for the searching side, and taking it back.
void generateAllMoves(SearchState& state, MoveList& list, const Square& from, int32_t side,
                      int32_t amazonIndex, EvaluationFunction scorer);

// The same through the amazon's best destinations only: each destination is scored alone by
// the default evaluation, sorted (highest first when maximising), and the best half kept (all
// of them when there are fewer than 5); then their moves are generated and scored as above.
void generateSelectedMoves(SearchState& state, MoveList& list, const Square& from, int32_t side,
                           int32_t amazonIndex, EvaluationFunction scorer, bool maximising);

}  // namespace taravin
