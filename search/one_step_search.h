#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// The depth-one seed: generates every move of the searching side scored by `scorer`,
// publishes the best (the earliest of equal scores) and logs it. Without a move it sets
// moveNow and returns -1000000. It does not test for a stop.
int32_t oneStepSearch(SearchState& state, EvaluationFunction scorer);

}  // namespace taravin
