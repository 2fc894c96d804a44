#pragma once

#include <array>
#include <cstdint>

#include "model/board.h"

namespace taravin {

// True when no empty square is reached by both sides by queen moves. Leaves both sides'
// queen-move distances in the board.
bool regionsSeparated(Board& board);

// The number of empty squares that the side's amazons reach by any number of queen moves.
// Overwrites the side's distance field with 1 on those squares and 0 elsewhere inside.
int32_t countReachableSquares(Board& board, Side side);

// The number of squares the amazon reaches in one move in each direction, in direction order.
std::array<int32_t, 8> countRayLengths(const Board& board, const PositionNode& amazon);

}  // namespace taravin
