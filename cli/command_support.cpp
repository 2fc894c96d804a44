#include <cstdio>

#include "cli/commands.h"

namespace taravin::cli {

int usageError(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "taravin-cli %s: %s\n", command.c_str(), message.c_str());
    return 2;
}

}  // namespace taravin::cli
