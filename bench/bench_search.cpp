#include <benchmark/benchmark.h>

#include "headless/synchronous_search.h"
#include "model/random_playout.h"
#include "search/memory_status.h"
#include "search/search_tables.h"

namespace {

using namespace taravin;

constexpr uint64_t kTableMemory = 256ull << 20;

// One search to a fixed depth with the default evaluation; reports nodes per second.
void BM_Search(benchmark::State& state, int32_t algorithm, bool middleGame) {
    const int depth = static_cast<int>(state.range(0));
    Mt19937 generator;
    SearchTables tables(FixedMemoryStatus(kTableMemory), generator, 10, 10);
    const auto board = playRandomMoves(BoardSetup{}, middleGame ? kMiddleGamePlies : 0,
                                       Mt19937::kDefaultSeed, tables.hashKeys());
    SearchRequest request;
    request.board = board.get();
    request.moveNumber = middleGame ? kMiddleGamePlies + 1 : 1;
    request.algorithm = algorithm;
    request.lastIteration = depth;
    request.useTimeout = false;
    request.table = &tables.table();
    int64_t nodes = 0;
    for (auto _ : state) {
        nodes += searchToEnd(request)->nodeCount;
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

#define TARAVIN_SEARCH_BENCH(name, algorithm)                   \
    BENCHMARK_CAPTURE(BM_Search, name##Start, algorithm, false) \
        ->Arg(2)                                                \
        ->Arg(3)                                                \
        ->Unit(benchmark::kMillisecond)                         \
        ->Iterations(1)                                         \
        ->UseRealTime();                                        \
    BENCHMARK_CAPTURE(BM_Search, name##Middle, algorithm, true) \
        ->Arg(2)                                                \
        ->Arg(3)                                                \
        ->Unit(benchmark::kMillisecond)                         \
        ->Iterations(1)                                         \
        ->UseRealTime()

TARAVIN_SEARCH_BENCH(MiniMax, kAlgorithmMiniMax);
TARAVIN_SEARCH_BENCH(AlphaBeta, kAlgorithmAlphaBeta);
TARAVIN_SEARCH_BENCH(QScout, kAlgorithmQScout);
TARAVIN_SEARCH_BENCH(Mtd, kAlgorithmMtd);
TARAVIN_SEARCH_BENCH(Olympiad, kAlgorithmQScoutOlympiadBase);

}  // namespace
