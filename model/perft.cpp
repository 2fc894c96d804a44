#include "model/perft.h"

#include "model/move_generation.h"

namespace taravin {

int64_t perft(Board& board, Side sideToMove, int depth) {
    if (depth <= 0) {
        return 1;
    }
    if (depth == 1) {
        return board.countLegalMoves(sideToMove);
    }
    // Enumerate from a snapshot of the amazon list: making moves reorders the live list.
    struct Move {
        Square from, to, arrow;
    };
    std::vector<Move> moves;
    moves.reserve(static_cast<std::size_t>(board.countLegalMoves(sideToMove)));
    forEachLegalMove(board, sideToMove,
                     [&](const Square& from, const Square& to, const Square& arrow) {
                         moves.push_back({from, to, arrow});
                     });
    int64_t total = 0;
    for (const Move& move : moves) {
        const UndoRecord undo = makeMove(board, move.from, move.to, move.arrow, sideToMove);
        total += perft(board, otherSide(sideToMove), depth - 1);
        unmakeMove(board, move.from, move.to, move.arrow, undo);
    }
    return total;
}

}  // namespace taravin
