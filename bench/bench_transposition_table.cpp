#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "search/search_tables.h"

namespace {

using namespace taravin;

constexpr uint64_t kMebibyte = 1048576;
constexpr uint64_t kLargeMachine = 24 * 1024 * kMebibyte;
constexpr double kSlowestAllowedSeconds = 0.1;

// Hash pairs as a search would produce them for a table of entryCount entries.
std::vector<HashPair> randomPositions(uint32_t entryCount, std::size_t count) {
    Mt19937 generator;
    std::vector<HashPair> positions(count);
    for (HashPair& position : positions) {
        position = {generator.next() % entryCount, generator.next() % entryCount};
    }
    return positions;
}

void fill(TranspositionTable& table, const std::vector<HashPair>& positions) {
    int32_t value = 0;
    for (const HashPair& position : positions) {
        table.store(position, value, value, 1);
        ++value;
    }
}

// Times the step of every iteration (not its preparation) and returns the slowest.
template <typename Prepare, typename Step>
double timeEachIteration(benchmark::State& state, Prepare prepare, Step step) {
    double slowest = 0;
    for (auto _ : state) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        slowest = std::max(slowest, elapsed.count());
    }
    state.counters["slowest_ms"] = slowest * 1000;
    return slowest;
}

void failIfTooSlow(benchmark::State& state, double slowest) {
    if (slowest >= kSlowestAllowedSeconds) {
        state.SkipWithError("an iteration took 0.1 s or more");
    }
}

// A settings load on a machine with 24 GiB free: a 5 GiB table and the hash values.
void BM_BuildTablesFor24GiB(benchmark::State& state) {
    const FixedMemoryStatus memory(kLargeMachine);
    Mt19937 generator;
    const double slowest = timeEachIteration(
        state, [] {},
        [&] {
            const SearchTables tables(memory, generator, 10, 10);
            benchmark::DoNotOptimize(tables.hashKeys().get());
        });
    failIfTooSlow(state, slowest);
    state.SetLabel(SearchTables(memory, generator, 10, 10).memoryLogLine());
}
BENCHMARK(BM_BuildTablesFor24GiB)->UseManualTime()->Unit(benchmark::kMillisecond);

// The end of a search that stored state.range(0) positions in the 24 GiB machine's table.
// Clearing costs in proportion to the pages those stores touched.
double clearAfterStores(benchmark::State& state) {
    TranspositionTable table(TranspositionTable::entryCountFor(kLargeMachine));
    const auto positions =
        randomPositions(table.entryCount(), static_cast<std::size_t>(state.range(0)));
    return timeEachIteration(
        state, [&] { fill(table, positions); }, [&] { table.clear(); });
}

void BM_ClearTableFor24GiB(benchmark::State& state) {
    failIfTooSlow(state, clearAfterStores(state));
}
// A clear may take next to no time; a fixed count of iterations keeps the untimed stores
// from running without end.
constexpr int kClearIterations = 5;

BENCHMARK(BM_ClearTableFor24GiB)
    ->Arg(0)
    ->Arg(10000)
    ->Iterations(kClearIterations)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Long searches touch most of the table's pages; these show the cost.
void BM_ClearHeavilyUsedTableFor24GiB(benchmark::State& state) {
    clearAfterStores(state);
}
BENCHMARK(BM_ClearHeavilyUsedTableFor24GiB)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(kClearIterations)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// A probe and, on a miss, a store, as the searches do at each node; range(0) is the
// available memory in MiB that sizes the table.
void BM_ProbeAndStore(benchmark::State& state) {
    TranspositionTable table(
        TranspositionTable::entryCountFor(static_cast<uint64_t>(state.range(0)) * kMebibyte));
    const auto positions = randomPositions(table.entryCount(), 1 << 20);
    fill(table, positions);
    std::size_t next = 0;
    int32_t hits = 0;
    for (auto _ : state) {
        const HashPair position = positions[next];
        next = (next + 1) & (positions.size() - 1);
        int32_t alpha = -1000;
        int32_t beta = 1000;
        if (table.probe(position, 1, alpha, beta)) {
            ++hits;
        } else {
            table.store(position, alpha, beta, 1);
        }
    }
    benchmark::DoNotOptimize(hits);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProbeAndStore)->Arg(64)->Arg(24 * 1024);

}  // namespace
