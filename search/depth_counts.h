#pragma once

#include <array>
#include <cstdint>

#include "search/search_scores.h"

namespace taravin {

// How many moves a node keeps, by remaining depth 0..19.
using DepthMoveCounts = std::array<int32_t, kDepthCountSlots>;

// The four numbers a player sets for its searches.
struct DepthCountSettings {
    int32_t top = 35;
    int32_t second = 30;
    int32_t decrease = 5;
    int32_t minimum = 10;
};

// The fixed counts of QScout - Olympiad Base, which ignores the player's settings.
inline constexpr DepthCountSettings kOlympiadDepthCounts{35, 30, 5, 10};

// counts[d] = top, counts[d - 1] = second, then each level `decrease` fewer, floored at
// `minimum` (the running value keeps decreasing below it; only the stored value is floored).
void fillDepthCounts(DepthMoveCounts& counts, int iterationDepth,
                     const DepthCountSettings& settings);

}  // namespace taravin
