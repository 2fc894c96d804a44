#pragma once

#include <QKeyCombination>
#include <QString>
#include <span>

namespace taravin {

// The frame's commands by their ids.
enum CommandId : int {
    kNoCommand = 0,  // a separator in the menu and toolbar lists
    kNewGameCommand = 57600,
    kPauseGameCommand = 32790,
    kStopGameCommand = 32787,
    kOpenCommand = 32814,
    kSaveCommand = 32813,
    kPrintCommand = 57607,
    kExitCommand = 57665,
    kBackwardCommand = 32772,
    kForwardCommand = 32791,
    kBackFiveMovesCommand = 32808,
    kForwardFiveMovesCommand = 32809,
    kBackToStartCommand = 32793,
    kForwardToEndCommand = 32792,
    kSuggestCommand = 32773,
    kMakeAMoveCommand = 32818,
    kStopComputingAndMoveCommand = 32794,
    kSwitchSidesCommand = 32776,
    kManualEntryCommand = 32817,
    kMoveHistoryCommand = 32774,
    kColorsCommand = 32783,
    kOptionsCommand = 32771,
    kBoardConfigurationCommand = 32815,
    kPlayerConfigurationCommand = 174,
    kMarkLastMoveCommand = 32803,
    kInformationWindowCommand = 32821,
    kShowLegalMovesCommand = 32830,
    kShowTerritoryCommand = 32831,
    kSoundCommand = 32825,
    kAboutCommand = 57664,
    kOnlineHelpCommand = 57670,
    // Commands of the analysis board.
    kAnalysisModeCommand = 33001,
    kReviewGameCommand = 33002,
    kNextMistakeCommand = 33003,
    kPreviousMistakeCommand = 33004,
};

struct CommandInfo {
    CommandId id;
    const char* menuText;       // with '&' before the mnemonic; empty for toolbar-only commands
    const char* shownShortcut;  // as the menu shows it beside the entry; empty for none
    QKeyCombination key;        // the key that runs the command; none when empty
    const char* prompt;
    const char* tooltip;
    bool checkable;
};

// Every command of the menus and the toolbar.
std::span<const CommandInfo> allCommands();

// A menu: its title and its entries, kNoCommand standing for a separator.
struct MenuInfo {
    const char* title;
    std::span<const CommandId> entries;
};
std::span<const MenuInfo> menuBarMenus();
// The toolbar's buttons from left to right, kNoCommand standing for a separator.
std::span<const CommandId> toolbarButtons();

// A tooltip or prompt as displayed: "&&" stands for one "&".
QString displayedText(const char* text);

}  // namespace taravin
