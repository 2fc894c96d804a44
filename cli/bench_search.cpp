#include <chrono>
#include <cstdio>
#include <memory>
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
constexpr int64_t kBenchPlayouts = 30000;

struct BenchSearch {
    int32_t algorithm;
    bool middleGame;
    int firstShownDepth;
    int lastDepth;
    int32_t threads;  // 0: one per hardware thread
};

// The start or the middle-game position with hash values and a table of its own.
struct BenchPosition {
    explicit BenchPosition(bool inMiddleGame)
        : middleGame(inMiddleGame),
          tables(FixedMemoryStatus(kTableMemory), generator, kDefaultBoardSize, kDefaultBoardSize),
          board(playRandomMoves(BoardSetup{}, inMiddleGame ? kMiddleGamePlies : 0,
                                Mt19937::kDefaultSeed, tables.hashKeys())) {}

    SearchRequest request(int32_t algorithm, int32_t threads) {
        SearchRequest request;
        request.board = board.get();
        request.side = Side::kRed;
        request.moveNumber = middleGame ? kMiddleGamePlies + 1 : 1;
        request.algorithm = algorithm;
        request.threads = threads;
        request.useTimeout = false;
        request.logOpen = true;
        request.table = &tables.table();
        return request;
    }
    const char* name() const { return middleGame ? "middle game" : "start"; }

    bool middleGame;
    Mt19937 generator;
    SearchTables tables;
    std::unique_ptr<Board> board;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Searches to the last depth and prints when each shown depth completed and the nodes per
// second.
void benchSearch(const BenchSearch& bench) {
    BenchPosition position(bench.middleGame);
    SearchRequest request = position.request(bench.algorithm, bench.threads);
    request.lastIteration = bench.lastDepth;
    const auto start = std::chrono::steady_clock::now();
    std::mutex mutex;
    std::string depths;
    const SearchResult result = *searchToEnd(request, [&](const SearchReport& report) {
        if (report.kind == SearchReport::Kind::kDepthComplete &&
            report.depth >= bench.firstShownDepth) {
            std::lock_guard lock(mutex);
            char text[64];
            std::snprintf(text, sizeof text, ", depth %d in %.3f s", report.depth,
                          secondsSince(start));
            depths += text;
        }
    });
    const double elapsed = secondsSince(start);
    const std::string threads =
        bench.threads == 0 ? "" : ", " + std::to_string(bench.threads) + " thread(s)";
    std::printf("search %s (%s%s)%s: %d nodes, %.0f nodes per second\n",
                kSearchAlgorithmNames[static_cast<std::size_t>(bench.algorithm)], position.name(),
                threads.c_str(), depths.c_str(), result.nodeCount,
                elapsed > 0 ? result.nodeCount / elapsed : 0.0);
    std::fflush(stdout);
}

// Monte Carlo with a fixed number of playouts: their rate and the visits of the chosen move.
void benchMonteCarlo(bool middleGame, int32_t threads) {
    BenchPosition position(middleGame);
    SearchRequest request = position.request(kAlgorithmMonteCarlo, threads);
    request.playoutBudget = kBenchPlayouts;
    std::mutex mutex;
    int32_t chosenVisits = 0;
    const auto start = std::chrono::steady_clock::now();
    searchToEnd(request, [&](const SearchReport& report) {
        if (report.kind == SearchReport::Kind::kMonteCarlo && !report.rootMoves.empty()) {
            std::lock_guard lock(mutex);
            chosenVisits = report.rootMoves.front().visits;
        }
    });
    const double elapsed = secondsSince(start);
    std::printf(
        "search Monte Carlo (%s, %d thread(s)): %lld playouts in %.3f s, %.0f playouts "
        "per second, the chosen move %d visits\n",
        position.name(), threads, static_cast<long long>(kBenchPlayouts), elapsed,
        elapsed > 0 ? kBenchPlayouts / elapsed : 0.0, chosenVisits);
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
    for (const bool middleGame : {false, true}) {
        for (const int32_t threads : {1, machineThreadCount()}) {
            benchMonteCarlo(middleGame, threads);
        }
    }
}

}  // namespace taravin::cli
