#pragma once

#include <cstdint>
#include <memory>

#include "model/board.h"
#include "model/board_setup.h"
#include "model/mt19937.h"

namespace taravin {

// The number of plies into the game of the middle-game position that benchmarks use.
constexpr int kMiddleGamePlies = 40;

// The setup's start position after `plies` legal moves chosen by the reference generator with
// the given seed, Red first; the same position on every run. Stops early when a side cannot move.
std::unique_ptr<Board> playRandomMoves(const BoardSetup& setup, int plies,
                                       uint32_t seed = Mt19937::kDefaultSeed,
                                       std::shared_ptr<const ZobristKeys> keys = nullptr);

}  // namespace taravin
