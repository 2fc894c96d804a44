#pragma once

#include <array>
#include <cstdint>

#include "eval/square_set.h"
#include "model/board.h"

namespace taravin {

// Square sets serve boards of up to kSetSide rows and columns, laid out as the board's compact
// sets: square (row, column) is bit (row - 1) * kSetWidth + column - 1. Each row takes
// kSetWidth bits, one more than the widest board, and the bits past a board's last column are
// never squares, so that a ray which would wrap from one row's end to the next row's start
// meets one first. Those bits and the bits above the top row stand for the border. The fixed
// layout lets every shift be a constant.
constexpr int32_t kSetSide = kCompactSide;
constexpr int32_t kSetWidth = kCompactWidth;
static_assert((kSetSide + 1) * kSetWidth <= kSquareSetBits,
              "the row of border above the top row must fit too");

// Bit step to the neighbour in each direction of the common order.
constexpr std::array<int32_t, 8> kSetSteps = [] {
    std::array<int32_t, 8> steps{};
    for (std::size_t k = 0; k < kDirections.size(); ++k) {
        steps[k] = kDirections[k].rowStep * kSetWidth + kDirections[k].columnStep;
    }
    return steps;
}();

// Doubling rounds after which a fill has covered the longest ray, kSetSide - 1 squares.
constexpr int32_t kFillRounds = 4;
static_assert((1 << kFillRounds) >= kSetSide - 1);

constexpr SquareSet squareAt(int32_t row, int32_t column) {
    return SquareSet{1} << ((row - 1) * kSetWidth + column - 1);
}

// Whether the board is small enough for square sets.
bool fitsSquareSet(const Board& board);

// Every square of the board.
SquareSet innerSquares(const Board& board);

// The empty squares of the board.
SquareSet emptySquares(const Board& board);

// The squares of the side's amazons.
SquareSet amazonSquares(const Board& board, Side side);

}  // namespace taravin
