#include "match/random_opening.h"

#include "model/move_generation.h"
#include "model/mt19937.h"

namespace taravin {

namespace {

ScannedMove moveAt(const Board& board, Side side, uint32_t wanted) {
    ScannedMove found;
    uint32_t index = 0;
    forEachLegalMove(board, side, [&](const Square& from, const Square& to, const Square& arrow) {
        if (index++ == wanted) {
            found = {from, to, arrow};
        }
    });
    return found;
}

}  // namespace

std::vector<ScannedMove> randomOpening(const BoardSetup& start, int32_t plies, uint32_t seed) {
    const std::unique_ptr<Board> board = buildBoard(start);
    Mt19937 random(seed);
    std::vector<ScannedMove> moves;
    Side side = Side::kRed;
    for (int32_t ply = 0; ply < plies; ++ply) {
        const int32_t count = board->countLegalMoves(side);
        if (count == 0) {
            break;
        }
        const ScannedMove move = moveAt(*board, side, random.next() % static_cast<uint32_t>(count));
        makeMove(*board, move.from, move.to, move.arrow, side);
        moves.push_back(move);
        side = otherSide(side);
    }
    return moves;
}

}  // namespace taravin
