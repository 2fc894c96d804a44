#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// The Minimum Distance family: every empty square adds the score table entry of its pair
// (own distance, opponent distance). Each sets the board's evaluationTotal to the sum and
// returns it; tables switch from the early to the late one after move 12. Boards that fit a
// SquareSet are worked out on square sets, larger ones over the per-cell fields, with the
// same result.

// Queen-move distances of both sides, neighbour rule 6 / +1, tables A and B.
int32_t evaluateMinDistanceArrays(Board& board, Side side, int32_t moveNumber);

// Per-amazon queen-move distances: four pairs per square, own k-th amazon against the
// opponent's k-th (list order), each with rule 6 / +1 on slot k, tables A and B.
int32_t evaluateMinDistanceSeparate(Board& board, Side side, int32_t moveNumber);

// Queen-move distances of both sides looked up raw, tables C and D.
int32_t evaluateMinDistanceBase(Board& board, Side side, int32_t moveNumber);

// King-step distances of both sides, neighbour rule 5 / +1 and 7 / +2, table E throughout.
int32_t evaluateMinDistanceSteps(Board& board, Side side, int32_t moveNumber);

}  // namespace taravin
