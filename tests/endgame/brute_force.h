#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/board.h"

namespace taravin::testing {

// A board drawn as text, top row first: '.' empty, 'x' arrow, 'r' Red, 'b' Blue.
std::unique_ptr<Board> drawnBoard(const std::vector<std::string>& rows);

// The most moves the side can make if it moved alone, by trying every move in every position
// (positions remembered by their contents).
int32_t bruteForceMoves(Board& board, Side side);

// The mover's margin by full-width search over every move, positions remembered by their
// contents: the winner's spare moves plus one when the mover wins, minus them when it loses.
int32_t fullWidthMargin(Board& board, Side mover);

}  // namespace taravin::testing
