#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "model/board.h"
#include "model/board_setup.h"

namespace taravin::cli {

// The position a command works on, with the side to move and the game's move number.
struct CliPosition {
    std::unique_ptr<Board> board;
    Side sideToMove = Side::kRed;
    int32_t moveNumber = 1;
};

// The option names that describe a position.
const std::vector<std::string>& positionOptionNames();

// Builds the position from a game file (native or SGF) named by the positional word at
// `filePosition` (its setup, then its moves replayed), or else from --rows --columns --red --blue
// --arrows (missing ones take the standard start position's values). On bad input returns nothing
// and sets `error`.
std::optional<CliPosition> positionFromArguments(const Arguments& arguments, std::string& error,
                                                 std::size_t filePosition = 0);

// The start position that --rows --columns --red --blue --arrows describe (missing ones take
// the standard start position's values).
std::optional<BoardSetup> setupFromArguments(const Arguments& arguments, std::string& error);

// A game file's position after its moves are replayed; a file whose setup the board cannot
// hold gives nothing.
std::optional<CliPosition> positionFromGameFile(const std::string& path, std::string& error);

}  // namespace taravin::cli
