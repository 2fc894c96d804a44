#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// Ownership mark bits: a Red, a Blue amazon reaches the square in one queen move.
enum OwnershipBits : int32_t { kRedReaches = 1, kBlueReaches = 2 };

// Counts the empty squares that only one side reaches in one queen move into redOwnedCount
// and blueOwnedCount and returns own minus opponent squares. The move number is not used.
// Only the field walk of boards too large for square sets leaves marks in the board.
int32_t evaluateSquareOwnership(Board& board, Side side, int32_t moveNumber);

}  // namespace taravin
