#pragma once

#include <cstdint>
#include <string>

#include "model/square.h"

namespace taravin {

enum class GameState : int32_t { kPlay = 0, kPause = 1, kStop = 2, kOver = 3 };

// The game state line; for Over it names the winner, the side that is not `sideUnableToMove`.
std::string gameStateText(GameState state, Side sideUnableToMove);

}  // namespace taravin
