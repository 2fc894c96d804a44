#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "match/builtin_match_player.h"
#include "match/match_game.h"

namespace taravin::cli {

// A player of the match as the command line names it: a built-in "ALG:EVAL" or an external
// engine "uci:COMMAND".
struct PlayerChoice {
    std::string name;
    std::string engineCommand;
    int32_t algorithm = 0;
    int32_t evaluation = 0;
    bool external() const { return !engineCommand.empty(); }
};

// Nothing when the text is neither form (or names an algorithm outside 0..5 or an evaluation
// outside 0..5).
std::optional<PlayerChoice> parsePlayerChoice(const std::string& text);

// A new player for one game slot; built-in players size their table from `tableMemoryBytes`.
std::unique_ptr<MatchPlayer> makePlayer(const PlayerChoice& choice, ThinkingLimit limit,
                                        uint64_t tableMemoryBytes);

}  // namespace taravin::cli
