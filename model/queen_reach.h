#pragma once

#include <vector>

#include "model/board.h"
#include "model/square.h"

namespace taravin {

// The squares a queen on `start` reaches in one move: along the eight lines over empty squares
// up to the first occupied one. The start square's own content does not matter.
std::vector<Square> queenReach(const Board& board, const Square& start);

}  // namespace taravin
