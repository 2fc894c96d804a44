#include <cstdio>

#include "cli/bench_lines.h"
#include "cli/commands.h"

namespace taravin::cli {

int runBench(const std::vector<std::string>& words) {
    if (!words.empty()) {
        return usageError("bench", "takes no arguments");
    }
    benchMoveGeneration();
    benchEvaluations();
    benchSearches();
    benchSignature();
    return 0;
}

}  // namespace taravin::cli
