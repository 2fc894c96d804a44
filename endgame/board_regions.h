#pragma once

#include <cstdint>
#include <vector>

#include "model/board.h"
#include "model/square.h"

namespace taravin {

// A region of the board: squares that are not arrows, joined by king steps.
struct BoardRegion {
    std::vector<Square> squares;  // by row then column, amazons included
    int32_t emptySquares = 0;
    int32_t redAmazons = 0;
    int32_t blueAmazons = 0;
};

// The board's regions in the order of their first square by row then column.
std::vector<BoardRegion> findBoardRegions(const Board& board);

}  // namespace taravin
