#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/board.h"
#include "model/player_record.h"

namespace taravin {

// What a saved game holds: the players with their clocks, the position on the board, the
// stored start position as loaded, and the moves up to the position on the board.
struct GameFileSource {
    const PlayerRecord& red;
    const PlayerRecord& blue;
    const Board& board;
    std::string_view redLocations{};
    std::string_view blueLocations{};
    std::string_view arrowLocations{};
    // The document's move number n: moves 1..n - 1 are on the board.
    int32_t moveNumber = 1;
    // text() of every record of the game record, move 1 first; those from move n on are
    // not written.
    std::vector<std::string> moveTexts{};
};

// The whole game file text, every line ended by CR LF. Keys and section markers start their
// lines; a free text (a name, a location list) never does, and never breaks a line: each is
// written after something else on its line, only up to its first CR or LF.
std::string writeGameText(const GameFileSource& source);

}  // namespace taravin
