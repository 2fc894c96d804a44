#pragma once

#include <cstdint>

#include "app/game_state.h"
#include "ui/commands.h"

namespace taravin {

class CAmazonDoc;
class CAmazonView;

// What the enabling rules look at.
struct GameStatus {
    GameState state = GameState::kStop;
    bool thinking = false;
    bool pauseDiscard = false;
    bool moveNow = false;
    bool hasRecord = false;
    bool recordEmpty = true;
    bool canStepBack = false;
    bool canStepForward = false;
    bool sideToMoveHuman = true;
    int32_t inputState = 0;
    bool markLastMove = false;
    bool showLegalMoves = false;
    bool showTerritory = false;
    bool informationWindowOpen = false;
    bool soundOn = true;
    bool analysisOn = false;
    bool reviewing = false;
    bool nextMarkedMove = false;
    bool previousMarkedMove = false;
};

GameStatus gameStatus(CAmazonDoc& document, const CAmazonView& view);

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// Whether the command is available now and whether it shows checked.
CommandState commandState(CommandId id, const GameStatus& status);

}  // namespace taravin
