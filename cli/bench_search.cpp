#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

#include "cli/bench_lines.h"
#include "model/player_codes.h"
#include "model/random_playout.h"
#include "search/memory_status.h"
#include "search/search_tables.h"
#include "search/synchronous_search.h"

namespace taravin::cli {

namespace {

constexpr uint64_t kTableMemory = 256ull << 20;
constexpr int kLastDepth = 3;

// Searches to depth 3 and prints when each depth completed and the nodes per second.
void benchAlgorithm(int32_t algorithm, bool middleGame) {
    Mt19937 generator;
    SearchTables tables(FixedMemoryStatus(kTableMemory), generator, kDefaultBoardSize,
                        kDefaultBoardSize);
    const auto board = playRandomMoves(BoardSetup{}, middleGame ? kMiddleGamePlies : 0,
                                       Mt19937::kDefaultSeed, tables.hashKeys());
    const auto start = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::mutex mutex;
    std::string depths;
    SearchRequest request;
    request.board = board.get();
    request.side = kRed;
    request.moveNumber = middleGame ? kMiddleGamePlies + 1 : 1;
    request.algorithm = algorithm;
    request.lastIteration = kLastDepth;
    request.useTimeout = false;
    request.logOpen = true;
    request.table = &tables.table();
    const SearchResult result = searchToEnd(request, [&](const std::string& line) {
        if (line.rfind("Depth ", 0) == 0) {
            std::lock_guard lock(mutex);
            char text[64];
            std::snprintf(text, sizeof text, ", depth %c in %.3f s", line[6], seconds());
            depths += text;
        }
    });
    const double elapsed = seconds();
    std::printf("search %s (%s)%s: %d nodes, %.0f nodes per second\n",
                kSearchAlgorithmNames[static_cast<std::size_t>(algorithm)],
                middleGame ? "middle game" : "start", depths.c_str(), result.nodeCount,
                elapsed > 0 ? result.nodeCount / elapsed : 0.0);
    std::fflush(stdout);
}

}  // namespace

void benchSearches() {
    for (const bool middleGame : {false, true}) {
        for (int32_t algorithm = kAlgorithmMiniMax; algorithm <= kAlgorithmQScoutOlympiadBase;
             ++algorithm) {
            benchAlgorithm(algorithm, middleGame);
        }
    }
}

}  // namespace taravin::cli
