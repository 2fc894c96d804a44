#include "eval/square_set_layout.h"

namespace taravin {

namespace {

SquareSet squaresOf(const Board& board, Content content) {
    const CompactSquares& words = board.compactSquares(content);
    return SquareSet{words[1]} << 64 | words[0];
}

}  // namespace

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
    return squaresOf(board, Content::kEmpty);
}

SquareSet amazonSquares(const Board& board, Side side) {
    return squaresOf(board, contentOf(side));
}

}  // namespace taravin
