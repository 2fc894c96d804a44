#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// The evaluations worked out on square sets, for boards that fit a SquareSet. Each returns
// exactly what its counterpart over the per-cell fields returns and sets evaluationTotal (or
// the owned counts) the same way, but leaves the per-cell fields alone.
int32_t squareOwnershipOnSets(Board& board, Side side, int32_t moveNumber);
int32_t minDistanceArraysOnSets(Board& board, Side side, int32_t moveNumber);
int32_t minDistanceSeparateOnSets(Board& board, Side side, int32_t moveNumber);
int32_t minDistanceBaseOnSets(Board& board, Side side, int32_t moveNumber);
int32_t minDistanceStepsOnSets(Board& board, Side side, int32_t moveNumber);
int32_t quickDistanceOnSets(Board& board, Side side, int32_t moveNumber);

}  // namespace taravin
