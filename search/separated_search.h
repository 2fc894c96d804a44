#pragma once

#include "search/search_state.h"

namespace taravin {

// The search once the two sides no longer share a square: each of the searching side's
// amazons is searched alone in its own region, pass by pass one ply deeper (at most 9
// passes), and the best move of each pass is published.
void separatedSearch(SearchState& state);

}  // namespace taravin
