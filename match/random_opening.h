#pragma once

#include <cstdint>
#include <vector>

#include "formats/game_file_reader.h"
#include "model/board_setup.h"

namespace taravin {

// The first moves of a match game drawn at random, so that two players that think alike do
// not replay one game over and over: `plies` moves, each uniform over all the mover's legal
// moves, Red first. The same seed gives the same moves; fewer when a side has none left.
std::vector<ScannedMove> randomOpening(const BoardSetup& start, int32_t plies, uint32_t seed);

}  // namespace taravin
