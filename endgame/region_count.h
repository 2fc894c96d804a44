#pragma once

#include <cstdint>
#include <vector>

#include "endgame/solver_budget.h"
#include "model/board.h"
#include "model/board_move.h"
#include "model/square.h"

namespace taravin {

// Whose amazons a region holds.
enum class RegionOwner { kRed, kBlue, kBoth, kNone };

// One region of the board and, when it holds the amazons of one side only, how many moves
// that side can make in it.
struct RegionCount {
    RegionOwner owner = RegionOwner::kNone;
    std::vector<Square> squares;  // every square that is not an arrow, by row then column
    int32_t emptySquares = 0;
    bool solved = false;  // for a red or blue region: the exact count is known
    int32_t moves = 0;    // the exact count when solved
    int32_t lowerBound = 0;
    int32_t upperBound = 0;
    // A filling order that makes lowerBound moves: when solved, one best order.
    std::vector<BoardMove> fillingOrder;

    // A one-side region that yields fewer moves than it has empty squares.
    bool defective() const {
        return (owner == RegionOwner::kRed || owner == RegionOwner::kBlue) &&
               upperBound < emptySquares;
    }
};

// The board's regions (squares that are not arrows, joined by king steps), in the order of
// their first square by row then column; each one-side region counted within the budget, the
// smaller ones first, so that a budget too small for all leaves the larger ones with bounds.
std::vector<RegionCount> countRegions(const Board& board, const SolverBudget& budget);
std::vector<RegionCount> countRegions(const Board& board, BudgetMeter& meter);

}  // namespace taravin
