#include "cli/position_argument.h"

#include <fstream>
#include <sstream>

#include "app/amazon_doc.h"
#include "app/headless_game_host.h"
#include "model/board_setup.h"
#include "model/memory_profile.h"
#include "search/memory_status.h"

namespace taravin::cli {

const std::vector<std::string>& positionOptionNames() {
    static const std::vector<std::string> names{"rows", "columns", "red", "blue", "arrows"};
    return names;
}

std::optional<CliPosition> positionFromGameFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf())) {
        error = "cannot read the game file " + path;
        return std::nullopt;
    }
    // The same reader as the game window's Open, on a profile of this process only.
    constexpr uint64_t kSmallTable = 1u << 20;
    MemoryProfile profile;
    HeadlessGameHost host;
    const FixedMemoryStatus memory(kSmallTable);
    CAmazonDoc document(profile, host, host, memory);
    document.readGame(text.str(), true, path);
    CliPosition position;
    position.board = std::make_unique<Board>(*document.board());
    position.sideToMove = document.sideToMove();
    position.moveNumber = document.moveNumber();
    return position;
}

std::optional<CliPosition> positionFromArguments(const Arguments& arguments, std::string& error,
                                                 std::size_t filePosition) {
    if (arguments.positional().size() > filePosition) {
        return positionFromGameFile(arguments.positional()[filePosition], error);
    }
    BoardSetup setup;
    for (const char* name : {"rows", "columns"}) {
        if (const auto text = arguments.value(name)) {
            const auto size = parseInteger(*text, kMinBoardSize, kMaxBoardSize);
            if (!size) {
                error = std::string("--") + name + " must be an integer between 1 and 20";
                return std::nullopt;
            }
            (std::string(name) == "rows" ? setup.rows : setup.columns) =
                static_cast<int32_t>(*size);
        }
    }
    setup.redLocations = arguments.value("red").value_or(setup.redLocations);
    setup.blueLocations = arguments.value("blue").value_or(setup.blueLocations);
    setup.arrowLocations = arguments.value("arrows").value_or(setup.arrowLocations);
    CliPosition position;
    position.board = buildBoard(setup);
    return position;
}

}  // namespace taravin::cli
