#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// The root score of depth d by null-window Alpha-Beta probes around the first guess, each
// probe trying a copy of `firstMove` first; the probes never report. Gives firstMove back.
int32_t searchMtd(SearchState& state, int d, int32_t firstGuess, PvEntry* pv,
                  MoveRecord* firstMove);

}  // namespace taravin
