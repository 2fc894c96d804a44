#include "search/depth_counts.h"

#include <algorithm>

namespace taravin {

void fillDepthCounts(DepthMoveCounts& counts, int iterationDepth,
                     const DepthCountSettings& settings) {
    const int d = std::clamp(iterationDepth, 0, kDepthCountSlots - 1);
    counts[d] = settings.top;
    if (d >= 1) {
        counts[d - 1] = settings.second;
    }
    int64_t value = settings.second;
    for (int k = d - 2; k >= 0; --k) {
        value -= settings.decrease;
        counts[k] = value > settings.minimum ? static_cast<int32_t>(value) : settings.minimum;
    }
}

}  // namespace taravin
