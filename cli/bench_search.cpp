#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

#include "cli/bench_lines.h"
#include "headless/synchronous_search.h"
#include "model/player_codes.h"
#include "model/random_playout.h"
#include "search/memory_status.h"
#include "search/search_tables.h"

namespace taravin::cli {

namespace {

constexpr uint64_t kTableMemory = 256ull << 20;
constexpr int kLastDepth = 3;
// The deepening that the computer player's default reaches within its time-out.
constexpr int kFirstDeepDepth = 5;
constexpr int kLastDeepDepth = 7;

struct BenchSearch {
    int32_t algorithm;
    bool middleGame;
    int firstShownDepth;
    int lastDepth;
    int32_t threads;  // 0: one per hardware thread
};

// Searches to the last depth and prints when each shown depth completed and the nodes per
// second.
void benchSearch(const BenchSearch& bench) {
    const int32_t algorithm = bench.algorithm;
    const bool middleGame = bench.middleGame;
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
    request.side = Side::kRed;
    request.moveNumber = middleGame ? kMiddleGamePlies + 1 : 1;
    request.algorithm = algorithm;
    request.lastIteration = bench.lastDepth;
    request.threads = bench.threads;
    request.useTimeout = false;
    request.logOpen = true;
    request.table = &tables.table();
    const SearchResult result = *searchToEnd(request, [&](const SearchReport& report) {
        if (report.kind == SearchReport::Kind::kDepthComplete &&
            report.depth >= bench.firstShownDepth) {
            std::lock_guard lock(mutex);
            char text[64];
            std::snprintf(text, sizeof text, ", depth %d in %.3f s", report.depth, seconds());
            depths += text;
        }
    });
    const double elapsed = seconds();
    const std::string threads =
        bench.threads == 0 ? "" : ", " + std::to_string(bench.threads) + " thread(s)";
    std::printf("search %s (%s%s)%s: %d nodes, %.0f nodes per second\n",
                kSearchAlgorithmNames[static_cast<std::size_t>(algorithm)],
                middleGame ? "middle game" : "start", threads.c_str(), depths.c_str(),
                result.nodeCount, elapsed > 0 ? result.nodeCount / elapsed : 0.0);
    std::fflush(stdout);
}

}  // namespace

void benchSearches() {
    for (const bool middleGame : {false, true}) {
        for (int32_t algorithm = kAlgorithmMiniMax; algorithm <= kAlgorithmQScoutOlympiadBase;
             ++algorithm) {
            benchSearch({algorithm, middleGame, 2, kLastDepth, 0});
        }
    }
    for (const int32_t threads : {1, machineThreadCount()}) {
        benchSearch({kAlgorithmQScout, false, kFirstDeepDepth, kLastDeepDepth, threads});
    }
}

}  // namespace taravin::cli
