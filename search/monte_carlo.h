#pragma once

#include "search/search_state.h"

namespace taravin {

// The Monte Carlo tree search: from the root, walks the tree by the most promising child,
// grows it where a leaf has been visited often enough (the node's best moves by the quick
// ordering and the player's evaluation become its children), plays a few random moves from
// the leaf and scores the end with the player's evaluation as a chance to win. Runs until the
// time-out, a stop or the playout budget; then publishes the most visited root move.
void searchMonteCarlo(SearchState& state);

}  // namespace taravin
