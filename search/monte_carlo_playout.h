#pragma once

#include <cstdint>

#include "model/board.h"
#include "model/move_generation.h"
#include "model/mt19937.h"

namespace taravin {

// A move made by a playout, with what unmaking it needs.
struct PlayoutMove {
    Square from;
    Square to;
    Square arrow;
    UndoRecord undo;
};

// Makes one random move of the side: a random amazon that can move, a random destination of
// it, a random arrow from there. Cheap rather than uniform over all moves. False, and the
// board untouched, when the side cannot move.
bool makeRandomMove(Board& board, Side side, Mt19937& random, PlayoutMove& made);

// A score as the searching side's chance to win, on a logistic curve where `scale` points
// give three to one; and back, for reports in the evaluation's points.
double winProbability(int32_t score, double scale);
int32_t scoreOfWinProbability(double probability, double scale);

// The points of the evaluation with this code that make a position about three to one.
double winScaleOf(int32_t evaluationCode);

}  // namespace taravin
