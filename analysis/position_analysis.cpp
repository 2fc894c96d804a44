#include "analysis/position_analysis.h"

namespace taravin {

PositionAnalysis lostPosition(Side side) {
    PositionAnalysis analysis;
    analysis.side = side;
    analysis.chance = 0.0;
    analysis.decided = true;
    return analysis;
}

}  // namespace taravin
