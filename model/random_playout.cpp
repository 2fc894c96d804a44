#include "model/random_playout.h"

#include "model/move_generation.h"
#include "model/mt19937.h"

namespace taravin {

std::unique_ptr<Board> playRandomMoves(const BoardSetup& setup, int plies, uint32_t seed,
                                       std::shared_ptr<const ZobristKeys> keys) {
    auto board = buildBoard(setup, std::move(keys));
    Mt19937 generator(seed);
    Side side = Side::kRed;
    for (int ply = 0; ply < plies; ++ply) {
        const int32_t count = board->countLegalMoves(side);
        if (count == 0) {
            break;
        }
        const auto chosen = static_cast<int32_t>(generator.next() % static_cast<uint32_t>(count));
        int32_t seen = 0;
        Square from, to, arrow;
        forEachLegalMove(*board, side, [&](const Square& f, const Square& t, const Square& a) {
            if (seen++ == chosen) {
                from = f;
                to = t;
                arrow = a;
            }
        });
        makeMove(*board, from, to, arrow, side);
        side = otherSide(side);
    }
    return board;
}

}  // namespace taravin
