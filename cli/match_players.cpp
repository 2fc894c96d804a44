#include "cli/match_players.h"

#include "cli/arguments.h"
#include "cli/uci_match_player.h"
#include "model/player_codes.h"

namespace taravin::cli {

std::optional<PlayerSpec> parsePlayerSpec(const std::string& text) {
    constexpr std::string_view kEnginePrefix = "uci:";
    PlayerSpec spec;
    spec.name = text;
    if (text.rfind(kEnginePrefix, 0) == 0) {
        spec.engineCommand = text.substr(kEnginePrefix.size());
        if (spec.engineCommand.find_first_not_of(' ') == std::string::npos) {
            return std::nullopt;
        }
        return spec;
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
    spec.algorithm = static_cast<int32_t>(*algorithm);
    spec.evaluation = static_cast<int32_t>(*evaluation);
    return spec;
}

std::unique_ptr<MatchPlayer> makePlayer(const PlayerSpec& spec, ThinkingLimit limit,
                                        uint64_t tableMemoryBytes) {
    if (spec.external()) {
        return std::make_unique<UciMatchPlayer>(spec.engineCommand, limit);
    }
    return std::make_unique<BuiltinMatchPlayer>(spec.algorithm, spec.evaluation, limit,
                                                tableMemoryBytes);
}

}  // namespace taravin::cli
