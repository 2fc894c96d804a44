#pragma once

#include <cstdint>
#include <vector>

#include "model/board.h"

namespace taravin {

// For every cell (by board index) the side whose amazons reach it in fewer queen moves, with
// the queen distances the evaluation floods: kRed or kBlue, or kEmpty where both need as many
// moves, neither reaches it, or the cell is not empty.
std::vector<Content> territoryOwners(const Board& board);

}  // namespace taravin
