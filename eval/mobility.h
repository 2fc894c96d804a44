#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// Up to move 25: Minimum Distance (with arrays) scaled by 5 / (92 - move number), minus the
// opponent's mobility (sum over its amazons' rays of 1 + 2 + ... + length) times 100 / 540,
// plus 100. From move 26 on: Minimum Distance (with arrays) unchanged. evaluationTotal holds
// the Minimum Distance sum afterwards.
int32_t evaluateMobility(Board& board, Side side, int32_t moveNumber);

// The same value from a Minimum Distance (with arrays) score already worked out.
int32_t mobilityScore(const Board& board, Side side, int32_t moveNumber, int32_t distanceScore);

}  // namespace taravin
