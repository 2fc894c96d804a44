#pragma once

#include <cstdint>
#include <vector>

#include "endgame/solver_budget.h"
#include "model/board.h"
#include "model/board_move.h"
#include "model/square.h"

namespace taravin {

// For the side to move.
enum class EndgameResult { kWin, kLoss, kUnknown };

struct EndgameSolution {
    EndgameResult result = EndgameResult::kUnknown;
    // The proven line from the position to the end of the game: the winner's moves keep the
    // win, the loser's are its best defence when the spare moves are known. It stops early
    // where the budget ran out on the way.
    std::vector<BoardMove> line;
    // The moves the winner can still make when the loser cannot move, against the best
    // defence; only when spareMovesKnown.
    int32_t spareMoves = 0;
    bool spareMovesKnown = false;
};

// Proves the result of a position as a sum of regions: the regions that hold both sides are
// searched move by move, each region of one side counts as its number of moves (exact, or by
// its bounds when both bounds give the same result). Half the budget goes to counting the
// closed regions, the rest to the search; the spare moves are worked out when budget is left.
// Regions with both sides of more than 128 squares in all are beyond it (unknown).
EndgameSolution solveEndgame(const Board& board, Side toMove, const SolverBudget& budget);

}  // namespace taravin
