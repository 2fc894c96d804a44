#include "cli/match_players.h"

#include "cli/arguments.h"
#include "cli/uci_match_player.h"
#include "model/player_codes.h"

namespace taravin::cli {

std::optional<PlayerChoice> parsePlayerChoice(const std::string& text) {
    constexpr std::string_view kEnginePrefix = "uci:";
    PlayerChoice choice;
    choice.name = text;
    if (text.rfind(kEnginePrefix, 0) == 0) {
        choice.engineCommand = text.substr(kEnginePrefix.size());
        if (choice.engineCommand.find_first_not_of(' ') == std::string::npos) {
            return std::nullopt;
        }
        return choice;
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    const auto algorithm = parseInteger(text.substr(0, colon), 0, kSearchAlgorithmNames.size() - 1);
    const auto evaluation =
        parseInteger(text.substr(colon + 1), 0, kEvaluationFunctionNames.size() - 1);
    if (!algorithm || !evaluation) {
        return std::nullopt;
    }
    choice.algorithm = static_cast<int32_t>(*algorithm);
    choice.evaluation = static_cast<int32_t>(*evaluation);
    return choice;
}

std::unique_ptr<MatchPlayer> makePlayer(const PlayerChoice& choice, ThinkingLimit limit,
                                        uint64_t tableMemoryBytes) {
    if (choice.external()) {
        return std::make_unique<UciMatchPlayer>(choice.engineCommand, limit);
    }
    return std::make_unique<BuiltinMatchPlayer>(choice.algorithm, choice.evaluation, limit,
                                                tableMemoryBytes);
}

}  // namespace taravin::cli
