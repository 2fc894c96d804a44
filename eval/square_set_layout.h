#pragma once

#include <array>
#include <cstdint>

#include "eval/square_set.h"
#include "model/board.h"

namespace taravin {

// Where each square of a board sits in a SquareSet: row by row from the bottom, each row
// followed by one guard bit, so square (row, column) is bit (row - 1) * (columns + 1) +
// column - 1. A guard bit is never a square: a ray that would wrap from one row's end to the
// next row's start meets it first. The bits from the top row's end up stand for the border
// above, and the guards for the borders left and right.
struct SquareSetLayout {
    int32_t rows = 0;
    int32_t columns = 0;
    int32_t width = 0;  // columns + 1
    SquareSet inner = 0;
    // Bit step to the neighbour in each direction of the common order.
    std::array<int32_t, 8> steps{};
    // Doubling rounds a ray fill needs in each direction: 2^rounds reaches the longest ray.
    std::array<int32_t, 8> rounds{};

    SquareSet squareAt(int32_t row, int32_t column) const {
        return SquareSet{1} << ((row - 1) * width + column - 1);
    }
};

// Whether the board's squares, and one row of border above them, fit a SquareSet.
bool fitsSquareSet(const Board& board);

// The layout of the board's size; the board must fit.
const SquareSetLayout& squareSetLayout(const Board& board);

// The empty squares of the board.
SquareSet emptySquares(const Board& board, const SquareSetLayout& layout);

// The squares of the side's amazons.
SquareSet amazonSquares(const Board& board, int32_t side, const SquareSetLayout& layout);

}  // namespace taravin
