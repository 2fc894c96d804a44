#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// Move ordering's cheap Minimum Distance: each side's distance class of every empty square is
// 1 (one queen move), 2 (two moves) or 0 (neither), found without a queue: two queen-move
// fills per side on square sets, or marking and scanning rays over the fields of boards too
// large for them. The classes look up table Q1 (to move 12) or Q2. Sets evaluationTotal and
// returns it.
int32_t evaluateQuickDistance(Board& board, Side side, int32_t moveNumber);

}  // namespace taravin
