#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// Move ordering's cheap Minimum Distance: each side's distance class of every empty square is
// 1 (one queen move), 2 (two moves) or 0 (neither), found by marking and scanning rays without
// a queue; the classes look up table Q1 (to move 12) or Q2. Sets evaluationTotal and returns it.
int32_t evaluateQuickDistance(Board& board, int32_t side, int32_t moveNumber);

}  // namespace taravin
