#pragma once

#include <optional>

#include "analysis/position_analysis.h"
#include "endgame/solver_budget.h"
#include "model/board.h"

namespace taravin {

// Once no region holds both sides, the game is a sum of regions that the endgame solver
// counts exactly: the analysis is a certain win or loss with its line, found without a search.
// Nothing while the sides still meet, or when the budget does not reach a proof.
std::optional<PositionAnalysis> provenAnalysis(const Board& board, Side side,
                                               const SolverBudget& budget);

}  // namespace taravin
