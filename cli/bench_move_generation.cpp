#include <chrono>
#include <cstdio>

#include "cli/bench_lines.h"
#include "model/board_setup.h"
#include "model/perft.h"

namespace taravin::cli {

void benchMoveGeneration() {
    const auto board = buildBoard(BoardSetup{});
    for (int depth = 2; depth <= 3; ++depth) {
        const auto start = std::chrono::steady_clock::now();
        const int64_t count = perft(*board, Side::kRed, depth);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("perft %d: %lld moves in %.2f s (%.0f moves per second)\n", depth,
                    static_cast<long long>(count), seconds,
                    seconds > 0 ? static_cast<double>(count) / seconds : 0.0);
        std::fflush(stdout);
    }
}

}  // namespace taravin::cli
