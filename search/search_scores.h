#pragma once

#include <cstdint>

namespace taravin {

// A won position and +infinity; its negation is a lost position and -infinity.
constexpr int32_t kWinScore = 1000000;
constexpr int32_t kLossScore = -1000000;

// Iteration 1 is the depth-one seed that picks the first move; deepening goes on from 2.
constexpr int kFirstDeepeningIteration = 2;
// The deepest iteration of the iterative deepening.
constexpr int kDeepestIteration = 19;
// Depth move counts by remaining depth, 0 to kDeepestIteration.
constexpr int kDepthCountSlots = kDeepestIteration + 1;
// Quiescence lines end this many plies below the nominal depth.
constexpr int kQuiescencePlies = 4;

}  // namespace taravin
