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
// the file; all of them are safe on any bytes and run in time linear in the text. A key or a
// marker counts only at the start of a line: the file writes each there, and every free
// text (a name, a location list) after something else on its line, so a name that holds a
// key is never read as that key.

// The text after the first occurrence of the key at the start of a line: at the start of
// the text or right after a CR or LF. Nothing when no line starts with the key.
std::optional<std::string_view> afterKeyAtLineStart(std::string_view text, std::string_view key);

// Stores the setup found in the text after "<BOARD-SETUP-START>" into the profile, in the
// order "RedLocations", "BlueLocations", "ArrowLocations", "Columns", "Rows"; the first key
// missing ends the reading. The values are stored unchecked (a location text runs to the
// line end; a size is the integer after its key).
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

// The players of the text after "<GAME-INFO-START>": Red when its first type line has all
// five fields and a line starts with "RED-TIME="; Blue likewise, read only when Red was. A
// player left empty stays as it was.
struct FilePlayers {
    std::optional<FilePlayer> red;
    std::optional<FilePlayer> blue;
};
FilePlayers readFilePlayers(std::string_view gameInfoText);

// Sets the record to the file's values (a time-out outside 3..3600 counts as 30); the side
// stays, the last-move text is cleared.
void applyFilePlayer(const FilePlayer& player, PlayerRecord& record);

// The part of a file to replay: after the "<MOVE-HISTORY-START>" line start up to the first
// "<MOVE-HISTORY-END>" anywhere (or the end); the whole text when no line starts with the
// start marker. Only moves stand between the two markers, so the end needs no line start.
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
