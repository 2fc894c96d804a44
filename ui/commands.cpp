#include "ui/commands.h"

#include <array>

namespace taravin {

namespace {

constexpr QKeyCombination kNoKey = QKeyCombination(Qt::Key(0));

// The full Player Configuration form (32775) and Depth Move Count (32823) are taken out of
// the menu every time it is shown, so they have no entry here.
constexpr std::array<CommandInfo, 34> kCommands{{
    {kNewGameCommand, "&New Game", "Ctrl+N", QKeyCombination(Qt::CTRL, Qt::Key_N),
     "Start a new game", "New Game", false},
    {kPauseGameCommand, "&Pause Game", "", kNoKey, "Pause the current game", "Pause Game", true},
    {kStopGameCommand, "&Stop Game", "Ctrl+X", QKeyCombination(Qt::CTRL, Qt::Key_X),
     "Stop the current game", "Stop Game", false},
    {kOpenCommand, "&Open...", "Ctrl+O", QKeyCombination(Qt::CTRL, Qt::Key_O), "Open Game",
     "Open Game", false},
    {kSaveCommand, "Sa&ve...", "Ctrl+S", QKeyCombination(Qt::CTRL, Qt::Key_S), "Save the game",
     "Save Game", false},
    {kPrintCommand, "P&rint...", "Ctrl+P", QKeyCombination(Qt::CTRL, Qt::Key_P),
     "Print the active document", "Print", false},
    {kExitCommand, "E&xit", "Ctrl+Q", QKeyCombination(Qt::CTRL, Qt::Key_Q), "Quit the game", "Exit",
     false},
    {kBackwardCommand, "&Backward", "Left Arrow", QKeyCombination(Qt::Key_Left), "Move Backward",
     "Backward", false},
    {kForwardCommand, "&Forward", "Right Arrow", QKeyCombination(Qt::Key_Right), "Move Forward",
     "Forward", false},
    {kBackFiveMovesCommand, "Bac&k Five Moves", "Page Up", QKeyCombination(Qt::Key_PageUp),
     "Move Back Five Moves", "Back Five Moves", false},
    {kForwardFiveMovesCommand, "Fo&rward Five Moves", "Page Down",
     QKeyCombination(Qt::Key_PageDown), "Move Forward Five Moves", "Forward Five Moves", false},
    {kBackToStartCommand, "Ba&ck To Start", "Home", QKeyCombination(Qt::Key_Home), "Back to Start",
     "Back to Start", false},
    {kForwardToEndCommand, "Forwar&d To End", "End", QKeyCombination(Qt::Key_End), "Forward To End",
     "Forward To End", false},
    {kSuggestCommand, "&Suggest...", "", kNoKey, "Suggest a move", "Suggest", false},
    {kMakeAMoveCommand, "Make A Mo&ve", "", kNoKey, "Make a move", "Make a move", false},
    {kStopComputingAndMoveCommand, "Stop Computing && &Move", "", kNoKey, "Stop Computing && Move",
     "Stop Computing && Move", false},
    {kSwitchSidesCommand, "S&witch Sides", "", kNoKey, "Switch Sides", "Switch Sides", false},
    {kManualEntryCommand, "Man&ual Entry...", "", kNoKey, "", "", false},
    {kMoveHistoryCommand, "Move &History...", "", kNoKey, "Display complete move history",
     "Move History", false},
    {kColorsCommand, "&Colors...", "", kNoKey, "Color Configuation", "Colors", false},
    {kOptionsCommand, "&Options...", "", kNoKey, "Options", "Options", false},
    {kBoardConfigurationCommand, "&Board Configuration...", "", kNoKey, "Board Configuration",
     "Board Configuration", false},
    {kPlayerConfigurationCommand, "&Player Configuration...", "", kNoKey, "Player Configuration",
     "Player Configuration", false},
    {kMarkLastMoveCommand, "&Mark Last Move", "", kNoKey, "Mark Last Move", "Mark Last Move", true},
    {kInformationWindowCommand, "&Information Window", "", kNoKey, "Information window",
     "Information window", true},
    {kShowLegalMovesCommand, "Show &Legal Moves", "", kNoKey,
     "Mark the squares the amazon or its arrow can reach", "Show Legal Moves", true},
    {kShowTerritoryCommand, "Show &Territory", "", kNoKey,
     "Tint each empty square with the side that reaches it first", "Show Territory", true},
    {kSoundCommand, "", "", kNoKey, "Sound", "Sound", true},
    {kAboutCommand, "&About Taravin...", "", kNoKey, "", "", false},
    {kOnlineHelpCommand, "&Online Help...", "F1", QKeyCombination(Qt::Key_F1), "Online help",
     "Online help", false},
    {kAnalysisModeCommand, "&Analysis Mode", "Ctrl+A", QKeyCombination(Qt::CTRL, Qt::Key_A),
     "Show what the computer thinks of the position on the board", "Analysis Mode", true},
    {kReviewGameCommand, "Re&view Game", "", kNoKey,
     "Analyse every move of the game and mark the mistakes", "Review Game", false},
    {kNextMistakeCommand, "Ne&xt Mistake", "Ctrl+Right", QKeyCombination(Qt::CTRL, Qt::Key_Right),
     "Go to the next move the review marks", "Next Mistake", false},
    {kPreviousMistakeCommand, "Pre&vious Mistake", "Ctrl+Left",
     QKeyCombination(Qt::CTRL, Qt::Key_Left), "Go to the previous move the review marks",
     "Previous Mistake", false},
}};

constexpr std::array<CommandId, 10> kGameMenu{
    kNewGameCommand, kPauseGameCommand, kStopGameCommand, kNoCommand, kOpenCommand,
    kSaveCommand,    kNoCommand,        kPrintCommand,    kNoCommand, kExitCommand};
constexpr std::array<CommandId, 19> kMoveMenu{kBackwardCommand,
                                              kForwardCommand,
                                              kBackFiveMovesCommand,
                                              kForwardFiveMovesCommand,
                                              kBackToStartCommand,
                                              kForwardToEndCommand,
                                              kNoCommand,
                                              kSuggestCommand,
                                              kMakeAMoveCommand,
                                              kStopComputingAndMoveCommand,
                                              kNoCommand,
                                              kSwitchSidesCommand,
                                              kManualEntryCommand,
                                              kNoCommand,
                                              kMoveHistoryCommand,
                                              kNoCommand,
                                              kReviewGameCommand,
                                              kNextMistakeCommand,
                                              kPreviousMistakeCommand};
constexpr std::array<CommandId, 4> kSettingsMenu{
    kColorsCommand, kOptionsCommand, kBoardConfigurationCommand, kPlayerConfigurationCommand};
constexpr std::array<CommandId, 7> kViewMenu{
    kMarkLastMoveCommand,   kInformationWindowCommand, kNoCommand,
    kShowLegalMovesCommand, kShowTerritoryCommand,     kNoCommand,
    kAnalysisModeCommand};
constexpr std::array<CommandId, 3> kHelpMenu{kOnlineHelpCommand, kNoCommand, kAboutCommand};

constexpr std::array<MenuInfo, 5> kMenus{{
    {"&Game", kGameMenu},
    {"&Move", kMoveMenu},
    {"&Settings", kSettingsMenu},
    {"&View", kViewMenu},
    {"&Help", kHelpMenu},
}};

constexpr std::array<CommandId, 29> kToolbar{kNewGameCommand,
                                             kPauseGameCommand,
                                             kStopGameCommand,
                                             kNoCommand,
                                             kOpenCommand,
                                             kSaveCommand,
                                             kNoCommand,
                                             kBackToStartCommand,
                                             kBackFiveMovesCommand,
                                             kBackwardCommand,
                                             kForwardCommand,
                                             kForwardFiveMovesCommand,
                                             kForwardToEndCommand,
                                             kNoCommand,
                                             kStopComputingAndMoveCommand,
                                             kMakeAMoveCommand,
                                             kNoCommand,
                                             kSuggestCommand,
                                             kMoveHistoryCommand,
                                             kNoCommand,
                                             kColorsCommand,
                                             kOptionsCommand,
                                             kPlayerConfigurationCommand,
                                             kBoardConfigurationCommand,
                                             kNoCommand,
                                             kMarkLastMoveCommand,
                                             kInformationWindowCommand,
                                             kAnalysisModeCommand,
                                             kSoundCommand};

}  // namespace

std::span<const CommandInfo> allCommands() {
    return kCommands;
}

std::span<const MenuInfo> menuBarMenus() {
    return kMenus;
}

std::span<const CommandId> toolbarButtons() {
    return kToolbar;
}

QString displayedText(const char* text) {
    return QString::fromLatin1(text).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

}  // namespace taravin
