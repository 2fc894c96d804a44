#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// Plain depth-limited search in max/min form: every score from the searching side's view,
// its nodes maximise and the opponent's minimise. `firstMove` (the root's current best) is
// tried first and given back to the pool by the call. Ties keep the earlier move.
int32_t searchMiniMax(SearchState& state, int r, bool maximising, Side side, SearchMove* pv,
                      const SearchMove* firstMove, bool root, int ply = 0);

}  // namespace taravin
