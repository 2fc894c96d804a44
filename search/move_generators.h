#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// Appends every move of the snapshot's amazons, in snapshot order (a move's amazon index is
// its amazon's place there): destinations by direction then distance, arrows the same way from
// each destination (over the vacated origin). Each move is scored by making it, calling
// `scorer` for the searching side, and taking it back; the moves of all amazons are scored
// together, which leaves the board as scoring them amazon by amazon does.
void generateAllMoves(SearchState& state, MoveList& list, const AmazonSnapshot& amazons, Side side,
                      EvaluationFunction scorer);

// The same through each amazon's best destinations only: each destination is scored alone by
// the default evaluation, the amazon's destinations sorted (highest first when maximising),
// and the best half kept (all of them when there are fewer than 5); then their moves are
// generated and scored as above.
void generateSelectedMoves(SearchState& state, MoveList& list, const AmazonSnapshot& amazons,
                           Side side, EvaluationFunction scorer, bool maximising);

}  // namespace taravin
