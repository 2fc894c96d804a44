#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// Sets Red's and Blue's distance of every inner cell, occupied or not, to 0; the border keeps
// its 10.
void resetDistances(Board& board);

// Queen-move flood into the side's distance field: each empty square gets the least number of
// queen moves in which an amazon of the side reaches it, 0 where none does; occupied inner
// cells get 0 too, so the field needs no reset first. The border is not touched.
void computeQueenDistances(Board& board, Side side);

// King-step flood into the side's distance field: the least number of one-square steps over
// empty squares from the nearest amazon of the side; 0 where none reaches and on occupied
// cells.
void computeKingDistances(Board& board, Side side);

// Resets all four per-amazon slots of both sides (border 10, inner 0), then floods slot k of
// each side from its k-th amazon alone (list order). Slots without an amazon stay 0.
void computeAmazonDistances(Board& board);

}  // namespace taravin
