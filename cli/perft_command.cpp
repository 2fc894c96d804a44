#include <cstdio>

#include "cli/commands.h"
#include "cli/position_argument.h"
#include "model/perft.h"

namespace taravin::cli {

int runPerft(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    if (const auto unknown = arguments.unknownOptions(positionOptionNames()); !unknown.empty()) {
        return usageError("perft", "unknown option " + unknown.front());
    }
    const auto depth = arguments.positional().empty()
                           ? std::nullopt
                           : parseInteger(arguments.positional().front(), 0, 8);
    if (!depth) {
        return usageError("perft", "expected one depth D between 0 and 8");
    }
    std::string error;
    auto position = positionFromArguments(arguments, error, 1);
    if (!position) {
        return usageError("perft", error);
    }
    std::printf("%lld\n", static_cast<long long>(perft(*position->board, position->sideToMove,
                                                       static_cast<int>(*depth))));
    return 0;
}

}  // namespace taravin::cli
