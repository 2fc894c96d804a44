#include "app/game_state.h"

#include "model/square.h"

namespace taravin {

std::string gameStateText(int32_t state, int32_t sideUnableToMove) {
    switch (state) {
        case kPlay:
            return "Game State - Play";
        case kPause:
            return "Game State - Pause";
        case kOver:
            return std::string("Game State - Over.  ") +
                   (sideUnableToMove == kBlue ? "Red" : "Blue") + " has won.";
        default:
            return "Game State - Stop";
    }
}

}  // namespace taravin
