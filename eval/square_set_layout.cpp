#include "eval/square_set_layout.h"

namespace taravin {

bool fitsSquareSet(const Board& board) {
    return board.rows() <= kSetSide && board.columns() <= kSetSide;
}

SquareSet innerSquares(const Board& board) {
    // Kept for the last board size this thread saw: the search asks for one size only.
    thread_local int32_t rows = 0;
    thread_local int32_t columns = 0;
    thread_local SquareSet inner = 0;
    if (board.rows() != rows || board.columns() != columns) {
        rows = board.rows();
        columns = board.columns();
        inner = 0;
        for (int32_t row = rows; row >= 1; --row) {
            inner = inner << kSetWidth | lowestBits(columns);
        }
    }
    return inner;
}

SquareSet emptySquares(const Board& board) {
    const uint64_t* bits = board.emptyCellBits();
    const auto columns = static_cast<uint64_t>(lowestBits(board.columns()));
    SquareSet empty = 0;
    for (int32_t row = board.rows(); row >= 1; --row) {
        const int32_t first = board.indexOf(row, 1);
        const uint64_t* word = bits + (first >> 6);
        const int32_t offset = first & 63;
        // The second word's part, shifted in two steps so that offset 0 shifts by 64 safely.
        const uint64_t rowBits = (word[0] >> offset | (word[1] << 1) << (63 - offset)) & columns;
        empty = empty << kSetWidth | rowBits;
    }
    return empty;
}

SquareSet amazonSquares(const Board& board, int32_t side) {
    SquareSet squares = 0;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        squares |= squareAt(node->row, node->column);
    }
    return squares;
}

}  // namespace taravin
