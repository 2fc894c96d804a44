#include "ui/command_rules.h"

#include "app/amazon_doc.h"
#include "ui/amazon_view.h"

namespace taravin {

GameStatus gameStatus(CAmazonDoc& document, const CAmazonView& view) {
    GameStatus status;
    status.state = document.state();
    status.thinking = document.thinking();
    status.pauseDiscard = document.pauseDiscard();
    status.moveNow = document.searchFlags().moveNow;
    status.hasRecord = document.gameRecord() != nullptr;
    status.recordEmpty = !document.gameRecord() || document.gameRecord()->empty();
    status.canStepBack = document.canStepBack();
    status.canStepForward = document.canStepForward();
    status.sideToMoveHuman = document.sideToMoveIsHuman();
    status.inputState = document.moveInProgress().inputState();
    status.markLastMove = view.markLastMove();
    status.showLegalMoves = view.showLegalMoves();
    status.showTerritory = view.showTerritory();
    status.informationWindowOpen = view.informationWindowOpen();
    status.soundOn = view.soundOn();
    status.analysisOn = document.analysisEnabled();
    status.reviewing = document.reviewing();
    status.nextMarkedMove = document.nextMarkedMove(true).has_value();
    status.previousMarkedMove = document.nextMarkedMove(false).has_value();
    return status;
}

CommandState commandState(CommandId id, const GameStatus& status) {
    const bool stopped = status.state == GameState::kStop;
    const bool playing = status.state == GameState::kPlay;
    const bool recordIdle = status.hasRecord && !status.thinking;
    switch (id) {
        case kNewGameCommand:
        case kOpenCommand:
        case kBoardConfigurationCommand:
        case kPlayerConfigurationCommand:
            return {stopped, false};
        case kPauseGameCommand:
            return {!stopped && status.state != GameState::kOver && !status.pauseDiscard,
                    status.state == GameState::kPause};
        case kStopGameCommand:
            return {!stopped && !status.pauseDiscard, false};
        case kSaveCommand:
        case kPrintCommand:
            return {recordIdle, false};
        case kBackwardCommand:
        case kBackToStartCommand:
        case kBackFiveMovesCommand:
            return {!status.thinking && status.canStepBack, false};
        case kForwardCommand:
        case kForwardToEndCommand:
        case kForwardFiveMovesCommand:
            return {!status.thinking && status.canStepForward, false};
        case kSuggestCommand:
            return {playing && !status.thinking && status.sideToMoveHuman, false};
        case kMakeAMoveCommand:
            return {playing && !status.thinking && !status.sideToMoveHuman, false};
        case kStopComputingAndMoveCommand:
            return {playing && status.thinking && !status.moveNow, false};
        case kSwitchSidesCommand:
            return {!stopped && !status.thinking, false};
        case kManualEntryCommand:
            return {playing && !status.thinking && status.inputState == kSelectQueen, false};
        case kMoveHistoryCommand:
            return {recordIdle && !status.recordEmpty, false};
        case kMarkLastMoveCommand:
            return {true, status.markLastMove};
        case kInformationWindowCommand:
            return {true, status.informationWindowOpen};
        case kShowLegalMovesCommand:
            return {true, status.showLegalMoves};
        case kShowTerritoryCommand:
            return {true, status.showTerritory};
        case kSoundCommand:
            return {true, status.soundOn};
        case kAnalysisModeCommand:
            return {true, status.analysisOn};
        case kReviewGameCommand:
            return {recordIdle && !status.recordEmpty && !status.reviewing, false};
        case kNextMistakeCommand:
            return {!status.thinking && status.nextMarkedMove, false};
        case kPreviousMistakeCommand:
            return {!status.thinking && status.previousMarkedMove, false};
        case kNoCommand:
        case kExitCommand:
        case kColorsCommand:
        case kOptionsCommand:
        case kAboutCommand:
        case kOnlineHelpCommand:
            break;
    }
    return {true, false};
}

}  // namespace taravin
