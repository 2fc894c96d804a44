#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/board_setup.h"
#include "model/player_codes.h"
#include "model/profile.h"

namespace taravin {

// Every key of the profile, with its default and the guard its readers apply. Readers ask
// the profile at the moment of use; nothing is cached here.

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kCustomColorsSection = "CustomColors";
inline constexpr std::string_view kWindowSection = "Window";

// An integer key and the value a missing key (or one that is no integer) reads as.
struct IntSetting {
    std::string_view section;
    std::string_view key;
    int32_t defaultValue;
};

// A text key and the value an empty or missing text reads as.
struct StringSetting {
    std::string_view section;
    std::string_view key;
    std::string_view defaultValue;
};

int32_t readSetting(const Profile& profile, const IntSetting& setting);
std::string readSetting(const Profile& profile, const StringSetting& setting);
void writeSetting(Profile& profile, const IntSetting& setting, int32_t value);
void writeSetting(Profile& profile, const StringSetting& setting, std::string_view value);

// Board setup.
inline constexpr IntSetting kRowsSetting{kSettingsSection, "Rows", kDefaultBoardSize};
inline constexpr IntSetting kColumnsSetting{kSettingsSection, "Columns", kDefaultBoardSize};
inline constexpr StringSetting kRedLocationsSetting{kSettingsSection, "RedLocations",
                                                    kDefaultRedLocations};
inline constexpr StringSetting kBlueLocationsSetting{kSettingsSection, "BlueLocations",
                                                     kDefaultBlueLocations};
inline constexpr StringSetting kArrowLocationsSetting{kSettingsSection, "ArrowLocations", ""};

enum class StoredBoardSize {
    kZeroMeansDefault,  // loading the settings: a 0 for either size makes both 10
    kAsStored,          // stepping back to the start, and the Board Configuration dialog
};

// The stored start position; empty amazon lists read as the default lists, the arrow list as
// stored. Whatever the sizes read, Board itself falls back to 10 x 10 for sizes outside
// 1..20, so no stored value can reach outside the board.
BoardSetup readBoardSetup(const Profile& profile,
                          StoredBoardSize sizes = StoredBoardSize::kZeroMeansDefault);
// Stores the setup in the order of the Board Configuration dialog: arrows, Red, Blue, columns,
// rows. The texts are stored as given.
void writeBoardSetup(Profile& profile, const BoardSetup& setup);

// Players and their searches.
inline constexpr int32_t kMinMoveTimeout = 3;
inline constexpr int32_t kMaxMoveTimeout = 3600;
inline constexpr int32_t kDefaultMoveTimeout = 30;
inline constexpr int32_t kMaxPlayerNameLength = 64;
inline constexpr const char* kDefaultPlayerName = "Human Player";

// A time-out outside 3..3600 seconds, from the profile or a game file, counts as 30.
int32_t guardedMoveTimeout(int32_t stored);

// The four depth move counts of one side.
struct StoredDepthCounts {
    int32_t top;
    int32_t second;
    int32_t decrease;
    int32_t minimum;
    friend bool operator==(const StoredDepthCounts&, const StoredDepthCounts&) = default;
};
// What the search assumes for missing keys, and what the Depth Move Count dialog shows.
inline constexpr StoredDepthCounts kSearchDepthCountDefaults{35, 30, 5, 10};
inline constexpr StoredDepthCounts kDialogDepthCountDefaults{25, 15, 5, 10};
// The Depth Move Count dialog's ranges: each count from its minimum to 10000.
inline constexpr StoredDepthCounts kDepthCountMinimums{1, 1, 0, 1};
inline constexpr int32_t kMaxDepthCount = 10000;

// The keys of one side; the depth counts' defaults depend on the reader (above).
struct SideKeys {
    IntSetting type;
    StringSetting name;
    IntSetting searchAlgorithm;
    IntSetting evaluationFunction;
    IntSetting moveTimeout;
    std::array<std::string_view, 4> depthCounts;  // top, second, decrease, minimum
};

inline constexpr SideKeys kRedKeys{
    {kSettingsSection, "RedType", kHumanPlayer},
    {kSettingsSection, "RedName", kDefaultPlayerName},
    {kSettingsSection, "RedSearchAlgorithm", kAlgorithmQScout},
    {kSettingsSection, "RedEvaluationFunction", kEvaluationMinimumDistanceArrays},
    {kSettingsSection, "RedMoveTimeout", kDefaultMoveTimeout},
    {"RedDepthTopCount", "RedDepth2Count", "RedDepthDecreaseCount", "RedDepthMinCount"},
};
inline constexpr SideKeys kBlueKeys{
    {kSettingsSection, "BlueType", kHumanPlayer},
    {kSettingsSection, "BlueName", kDefaultPlayerName},
    {kSettingsSection, "BlueSearchAlgorithm", kAlgorithmQScout},
    {kSettingsSection, "BlueEvaluationFunction", kEvaluationMinimumDistanceArrays},
    {kSettingsSection, "BlueMoveTimeout", kDefaultMoveTimeout},
    {"BlueDepthTopCount", "BlueDepth2Count", "BlueDepthDecreaseCount", "BlueDepthMinCount"},
};

// Red has the Red keys, any other side the Blue keys.
const SideKeys& sideKeys(Side side);

// One side's player as stored.
struct PlayerSettings {
    int32_t type = kHumanPlayer;
    std::string name = kDefaultPlayerName;
    int32_t searchAlgorithm = kAlgorithmQScout;
    int32_t evaluationFunction = kEvaluationMinimumDistanceArrays;
    int32_t moveTimeout = kDefaultMoveTimeout;
};

// A time-out outside 3..3600 reads as 30 and an empty name as "Human Player"; the codes are
// taken as stored.
PlayerSettings readPlayerSettings(const Profile& profile, Side side);
// Stores both players in the order of the Player Configuration dialogs: algorithms,
// evaluations, time-outs, types (Red before Blue each time), then the Blue name and the Red
// name.
void writePlayerSettings(Profile& profile, const PlayerSettings& red, const PlayerSettings& blue);

StoredDepthCounts readDepthCounts(const Profile& profile, Side side,
                                  const StoredDepthCounts& defaults = kSearchDepthCountDefaults);
// Stores top, second, decrease, minimum, in this order.
void writeDepthCounts(Profile& profile, Side side, const StoredDepthCounts& counts);

// View options.
inline constexpr IntSetting kMarkLastMoveSetting{kSettingsSection, "MarkLastMove", 0};
inline constexpr IntSetting kLastMoveOptionSetting{kSettingsSection, "LastMoveOption", 0};
inline constexpr IntSetting kAutoGameStartSetting{kSettingsSection, "AutoGameStart", 0};
inline constexpr IntSetting kSoundSetting{kSettingsSection, "Sound", 1};
// Pieces at the fixed 24 x 25 size instead of the square's; the View menu's overlays.
inline constexpr IntSetting kFixedSizePiecesSetting{kSettingsSection, "FixedSizePieces", 0};
inline constexpr IntSetting kShowLegalMovesSetting{kSettingsSection, "ShowLegalMoves", 0};
inline constexpr IntSetting kShowTerritorySetting{kSettingsSection, "ShowTerritory", 0};

// How the last move is marked: 0 a white cell border, 1 a black square in the upper right
// corner. Any other stored value reads as the default border, for the dialog and the board
// alike.
inline constexpr int32_t kWhiteCellBorderOption = 0;
inline constexpr int32_t kBlackSquareOption = 1;
int32_t readLastMoveOption(const Profile& profile);

// Colours, as 0x00BBGGRR.
inline constexpr IntSetting kColor1CodeSetting{kSettingsSection, "Color1Code", 0xC08080};
inline constexpr IntSetting kColor2CodeSetting{kSettingsSection, "Color2Code", 0xC0C0C0};
inline constexpr IntSetting kBkgColorCodeSetting{kSettingsSection, "BkgColorCode", 0xC0C0C0};

// The colour chooser's custom colours, keys "CustomColor0" to "CustomColor15".
inline constexpr int kCustomColorCount = 16;
inline constexpr int32_t kDefaultCustomColor = 0xFFFFFF;
using CustomColors = std::array<int32_t, kCustomColorCount>;
std::string customColorKey(int index);
CustomColors readCustomColors(const Profile& profile);
void writeCustomColors(Profile& profile, const CustomColors& colors);

// Folder of the last game file picked.
inline constexpr StringSetting kFileDlgDirectorySetting{kSettingsSection, "FileDlgDirectory", ""};

// Main window placement: the normal rectangle and the screen size class when it was saved.
inline constexpr int32_t kNoPlacement = -1;
inline constexpr IntSetting kWindowTopSetting{kWindowSection, "Top", kNoPlacement};
inline constexpr IntSetting kWindowLeftSetting{kWindowSection, "Left", kNoPlacement};
inline constexpr IntSetting kWindowBottomSetting{kWindowSection, "Bottom", kNoPlacement};
inline constexpr IntSetting kWindowRightSetting{kWindowSection, "Right", kNoPlacement};
inline constexpr IntSetting kWindowResolutionSetting{kWindowSection, "Resolution", kNoPlacement};

struct WindowPlacement {
    int32_t top = kNoPlacement;
    int32_t left = kNoPlacement;
    int32_t bottom = kNoPlacement;
    int32_t right = kNoPlacement;
    int32_t resolution = kNoPlacement;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};
WindowPlacement readWindowPlacement(const Profile& profile);
// Stores top, left, bottom, right, resolution, in this order.
void writeWindowPlacement(Profile& profile, const WindowPlacement& placement);

// The size class of a usable screen height: above 1024 pixels 5, above 864 4, above 768 3,
// above 600 2, above 480 1, otherwise 0.
int32_t resolutionClass(int32_t usableScreenHeight);
// Whether the stored rectangle may be used: no value is -1, the class is the current one, and
// (a guard against a hand-edited profile) the rectangle has a positive width and height.
bool storedPlacementApplies(const WindowPlacement& placement, int32_t currentResolutionClass);

}  // namespace taravin
