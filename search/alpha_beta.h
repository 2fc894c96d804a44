#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// Alpha-Beta in max/min form with the transposition table: a node probes it first (a hit
// ends the node, a miss may narrow the window) and stores its bounds unless it was stopped.
int32_t searchAlphaBeta(SearchState& state, int r, bool maximising, int32_t alpha, int32_t beta,
                        Side side, SearchMove* pv, const SearchMove* firstMove, bool root,
                        int ply = 0);

// The bounds a node stores for its final value and the window it was searched with.
void storeBounds(SearchState& state, int32_t value, int32_t alpha, int32_t beta, int r);

}  // namespace taravin
