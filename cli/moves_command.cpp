#include <cstdio>

#include "cli/commands.h"
#include "cli/position_argument.h"
#include "model/move_generation.h"

namespace taravin::cli {

int runMoves(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    if (const auto unknown = arguments.unknownOptions(positionOptionNames()); !unknown.empty()) {
        return usageError("moves", "unknown option " + unknown.front());
    }
    std::string error;
    auto position = positionFromArguments(arguments, error);
    if (!position) {
        return usageError("moves", error);
    }
    long long count = 0;
    forEachLegalMove(*position->board, position->sideToMove,
                     [&](const Square& from, const Square& to, const Square& arrow) {
                         std::printf("%s-%s (%s)\n", squareName(from).c_str(),
                                     squareName(to).c_str(), squareName(arrow).c_str());
                         ++count;
                     });
    std::printf("%lld moves\n", count);
    return 0;
}

}  // namespace taravin::cli
