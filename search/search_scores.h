#pragma once

#include <cstdint>

namespace taravin {

// A won position and +infinity; its negation is a lost position and -infinity.
constexpr int32_t kWinScore = 1000000;
constexpr int32_t kLossScore = -1000000;

// The deepest iteration of the iterative deepening.
constexpr int kDeepestIteration = 19;
constexpr int kDepthCountSlots = 20;
// Quiescence lines end this many plies below the nominal depth.
constexpr int kQuiescencePlies = 4;

}  // namespace taravin
