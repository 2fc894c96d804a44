#pragma once

#include <cstdint>
#include <vector>

#include "model/board_move.h"
#include "model/square.h"

namespace taravin {

// A root move as the analysis ranks it: how often the tree tried it and the chance to win it
// gives the side to move.
struct CandidateMove {
    BoardMove move;
    int64_t visits = 0;
    double chance = 0.5;
};

// What the engine thinks of one position, for the side to move.
struct PositionAnalysis {
    Side side = Side::kRed;
    // Most visited first.
    std::vector<CandidateMove> candidates;
    // The principal line, from the best move on.
    std::vector<BoardMove> line;
    // The side to move's chance with its best move.
    double chance = 0.5;
    int64_t playouts = 0;
    // Known for certain: no move left, a win in one, a solved endgame.
    bool decided = false;

    const BoardMove* bestMove() const { return candidates.empty() ? nullptr : &candidates[0].move; }
    // Red's chance to win in this position.
    double redChance() const { return side == Side::kRed ? chance : 1.0 - chance; }
};

// The analysis of a position whose side to move has no move: a certain loss.
PositionAnalysis lostPosition(Side side);

}  // namespace taravin
