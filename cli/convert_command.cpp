#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/game_files.h"

namespace taravin::cli {

int runConvert(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    if (const auto unknown = arguments.unknownOptions({}); !unknown.empty()) {
        return usageError("convert", "unknown option " + unknown.front());
    }
    if (arguments.positional().size() != 2) {
        return usageError("convert", "give the game file to read and the file to write");
    }
    FileDocument file;
    std::string error;
    if (!file.open(arguments.positional()[0], error)) {
        return usageError("convert", error);
    }
    if (!saveGameFile(arguments.positional()[1], file.document, error)) {
        return usageError("convert", error);
    }
    return 0;
}

}  // namespace taravin::cli
