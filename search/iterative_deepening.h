#pragma once

#include "search/search_state.h"

namespace taravin {

// The deepening after the depth-one seed, iteration d = 2, 3, ... up to 19 (or the context's
// last iteration), each run from the current best move, logging every completed depth.
void deepenMiniMax(SearchState& state);
void deepenAlphaBeta(SearchState& state);
void deepenOlympiad(SearchState& state);
// MTD's first guess at depth d is the result of depth d - 2 (0 at depth 2, the seed at 3).
void deepenMtd(SearchState& state, int32_t seedScore);

}  // namespace taravin
