#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/player_record.h"
#include "model/profile.h"
#include "model/square.h"

namespace taravin {

// The readers of a game file. Each takes the text after its section marker, to the end of
// the file; all of them are safe on any bytes and run in time linear in the text.

// Stores the setup found in the text after "<BOARD-SETUP-START>" into the profile, in the
// order "RedLocations", "BlueLocations", "ArrowLocations", "Columns", "Rows"; the first key
// missing ends the reading. The values are stored unchecked (a location text runs to the
// line end; a size is the integer after its key, which must start a line).
void storeFileBoardSetup(std::string_view setupText, Profile& profile);

// One player as a game file gives it, to be applied with applyFilePlayer.
struct FilePlayer {
    int32_t type = 0;
    int32_t algorithm = 0;
    int32_t evaluation = 0;
    int32_t timeout = 0;
    std::string name;
    int32_t clock = 0;
    friend bool operator==(const FilePlayer&, const FilePlayer&) = default;
};

// The players of the text after "<GAME-INFO-START>": Red when its type line has all five
// fields and "RED-TIME=" follows somewhere; Blue likewise, read only when Red was. A player
// left empty stays as it was.
struct FilePlayers {
    std::optional<FilePlayer> red;
    std::optional<FilePlayer> blue;
};
FilePlayers readFilePlayers(std::string_view gameInfoText);

// Sets the record to the file's values (a time-out outside 3..3600 counts as 30); the side
// stays, the last-move text is cleared.
void applyFilePlayer(const FilePlayer& player, PlayerRecord& record);

// The part of a file to replay: after "<MOVE-HISTORY-START>" up to the first
// "<MOVE-HISTORY-END>" (or the end); the whole text when there is no start marker.
std::string_view moveHistoryText(std::string_view fileText);

// The squares of one move as written in a move history, not yet checked for legality.
struct ScannedMove {
    Square from;
    Square to;
    Square arrow;
    friend bool operator==(const ScannedMove&, const ScannedMove&) = default;
};

// Every complete triple of square names in the text, in order, on a board of the given size.
// A square name is a letter of the board's columns (either case) right before a number
// 1..rows whose first digit is not 0; everything else is skipped, and a last move short of
// its three squares is dropped.
std::vector<ScannedMove> scanMoves(std::string_view historyText, int32_t rows, int32_t columns);

}  // namespace taravin
