#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// The evaluations worked out cell by cell over the board's per-cell fields, which they fill:
// for boards too large for a SquareSet. Each sets evaluationTotal (Square Ownership: the
// owned counts and the marks) and returns the value the public evaluation returns.
int32_t squareOwnershipOnFields(Board& board, Side side, int32_t moveNumber);
int32_t minDistanceArraysOnFields(Board& board, Side side, int32_t moveNumber);
int32_t minDistanceSeparateOnFields(Board& board, Side side, int32_t moveNumber);
int32_t minDistanceBaseOnFields(Board& board, Side side, int32_t moveNumber);
int32_t minDistanceStepsOnFields(Board& board, Side side, int32_t moveNumber);
int32_t quickDistanceOnFields(Board& board, Side side, int32_t moveNumber);

}  // namespace taravin
