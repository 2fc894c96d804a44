#pragma once

#include <cstdint>

#include "eval/neighbour_adjustment.h"
#include "eval/score_tables.h"
#include "eval/set_floods.h"

namespace taravin {

// The sum over the empty squares of table[m][o], m the own and o the opponent distance after
// the neighbour rule, as the field walk computes it square by square: counts of squares per
// pair of layers, the neighbour counts done on whole sets at once. `inner` holds the
// board's squares; Border neighbours read as
// distance kBorderDistance, occupied and unreached ones as 0.
int32_t sumOverLayerPairs(SquareSet inner, const DistanceLayers& own,
                          const DistanceLayers& opponent, const ScoreTable& table,
                          const NeighbourRule& rule);

}  // namespace taravin
