#include "cli/position_argument.h"

#include "cli/game_files.h"
#include "model/board_setup.h"

namespace taravin::cli {

const std::vector<std::string>& positionOptionNames() {
    static const std::vector<std::string> names{"rows", "columns", "red", "blue", "arrows"};
    return names;
}

std::optional<CliPosition> positionFromGameFile(const std::string& path, std::string& error) {
    // The same readers as the game window's Open, on a profile of this process only.
    FileDocument file;
    if (!file.open(path, error)) {
        return std::nullopt;
    }
    CliPosition position;
    position.board = std::make_unique<Board>(*file.document.board());
    position.sideToMove = file.document.sideToMove();
    position.moveNumber = file.document.moveNumber();
    return position;
}

std::optional<BoardSetup> setupFromArguments(const Arguments& arguments, std::string& error) {
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
    return setup;
}

std::optional<CliPosition> positionFromArguments(const Arguments& arguments, std::string& error,
                                                 std::size_t filePosition) {
    if (arguments.positional().size() > filePosition) {
        return positionFromGameFile(arguments.positional()[filePosition], error);
    }
    const std::optional<BoardSetup> setup = setupFromArguments(arguments, error);
    if (!setup) {
        return std::nullopt;
    }
    CliPosition position;
    position.board = buildBoard(*setup);
    return position;
}

}  // namespace taravin::cli
