#include "app/game_state.h"

#include "model/square.h"

namespace taravin {

std::string gameStateText(GameState state, Side sideUnableToMove) {
    switch (state) {
        case GameState::kPlay:
            return "Game State - Play";
        case GameState::kPause:
            return "Game State - Pause";
        case GameState::kOver:
            return std::string("Game State - Over.  ") +
                   (sideUnableToMove == Side::kBlue ? "Red" : "Blue") + " has won.";
        default:
            return "Game State - Stop";
    }
}

}  // namespace taravin
