#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/line_output.h"
#include "cli/uci_engine.h"

namespace taravin::cli {

int runUci(const std::vector<std::string>& words) {
    if (!words.empty()) {
        return usageError("uci", "takes no options; the engine is set up with setoption");
    }
    LineOutput output(stdout);
    UciEngine engine(output);
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!engine.handle(line)) {
            break;
        }
    }
    return 0;
}

}  // namespace taravin::cli
