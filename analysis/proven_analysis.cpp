#include "analysis/proven_analysis.h"

#include "endgame/endgame_solver.h"
#include "eval/reach_queries.h"

namespace taravin {

std::optional<PositionAnalysis> provenAnalysis(const Board& board, Side side,
                                               const SolverBudget& budget) {
    Board probe(board);
    if (!regionsSeparated(probe)) {
        return std::nullopt;
    }
    const EndgameSolution solution = solveEndgame(board, side, budget);
    if (solution.result == EndgameResult::kUnknown || solution.line.empty()) {
        return std::nullopt;
    }
    PositionAnalysis proven;
    proven.side = side;
    proven.decided = true;
    proven.chance = solution.result == EndgameResult::kWin ? 1.0 : 0.0;
    proven.line = solution.line;
    proven.candidates.push_back({solution.line.front(), 0, proven.chance});
    return proven;
}

}  // namespace taravin
