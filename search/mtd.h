#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// The root score of depth d by null-window Alpha-Beta probes around the first guess, each
// probe trying `firstMove` first; the probes never report.
int32_t searchMtd(SearchState& state, int d, int32_t firstGuess, SearchMove* pv,
                  const SearchMove* firstMove);

}  // namespace taravin
