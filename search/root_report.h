#pragma once

#include <cstdint>

#include "search/search_move.h"
#include "search/search_state.h"

namespace taravin {

// Makes the move the published best move.
void publishBestMove(SearchContext& context, const Square& from, const Square& to,
                     const Square& arrow, int32_t score);

// Called by a root procedure each time its root finds a strictly better move; the root move
// is the last of the `depth` entries of the principal variation. Ignored after a stop.
void reportRootBest(SearchState& state, const SearchMove* pv, int32_t score, int32_t depth);

// Records the principal variation of a node of remaining depth r: the child's line in entries
// 0..r-2 and this move, with its score and list index, in entry r-1.
void recordPrincipalVariation(SearchMove* pv, int r, const SearchMove* childPv,
                              const SearchMove& move, int32_t score, int32_t listIndex);

}  // namespace taravin
