#include "eval/square_set_layout.h"

#include <algorithm>

namespace taravin {

namespace {

// The least number of doubling rounds after which a fill covers a ray of maxSteps squares.
int32_t roundsFor(int32_t maxSteps) {
    int32_t rounds = 0;
    while ((1 << rounds) < maxSteps) {
        ++rounds;
    }
    return rounds;
}

SquareSetLayout makeLayout(int32_t rows, int32_t columns) {
    SquareSetLayout layout;
    layout.rows = rows;
    layout.columns = columns;
    layout.width = columns + 1;
    for (int32_t row = 1; row <= rows; ++row) {
        layout.inner |= lowestBits(columns) << ((row - 1) * layout.width);
    }
    for (std::size_t k = 0; k < kDirections.size(); ++k) {
        const Direction& direction = kDirections[k];
        layout.steps[k] = direction.rowStep * layout.width + direction.columnStep;
        const int32_t longestRay = direction.rowStep == 0      ? columns - 1
                                   : direction.columnStep == 0 ? rows - 1
                                                               : std::min(rows, columns) - 1;
        layout.rounds[k] = roundsFor(longestRay);
    }
    return layout;
}

}  // namespace

bool fitsSquareSet(const Board& board) {
    return (board.rows() + 1) * (board.columns() + 1) <= kSquareSetBits;
}

const SquareSetLayout& squareSetLayout(const Board& board) {
    thread_local SquareSetLayout layout;
    if (layout.rows != board.rows() || layout.columns != board.columns()) {
        layout = makeLayout(board.rows(), board.columns());
    }
    return layout;
}

SquareSet emptySquares(const Board& board, const SquareSetLayout& layout) {
    const int32_t* cells = board.contents();
    SquareSet empty = 0;
    for (int32_t row = layout.rows; row >= 1; --row) {
        const int32_t* first = cells + board.indexOf(row, 1);
        uint64_t rowBits = 0;
        for (int32_t column = layout.columns - 1; column >= 0; --column) {
            rowBits = rowBits << 1 | (first[column] == kEmpty ? 1U : 0U);
        }
        empty = empty << layout.width | rowBits;
    }
    return empty;
}

SquareSet amazonSquares(const Board& board, int32_t side, const SquareSetLayout& layout) {
    SquareSet squares = 0;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        squares |= layout.squareAt(node->row, node->column);
    }
    return squares;
}

}  // namespace taravin
