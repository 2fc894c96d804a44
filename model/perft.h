#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// The number of legal move sequences of `depth` plies, the side to move first. Makes and
// unmakes moves on the board and leaves it as it was (amazon list order aside).
int64_t perft(Board& board, Side sideToMove, int depth);

}  // namespace taravin
