#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "endgame/region_count.h"

namespace {

using namespace taravin;

// Regions the greedy filling does not settle are rare: fewer of them keep the set up short.
constexpr int kRegions = 50;
constexpr int kHardRegions = 20;

// Closed regions of exactly `empties` empty squares, as arrows thrown at random leave them:
// each from a board with arrows on about `arrowShare` of its squares and one or two Red
// amazons, every square outside the amazons' region filled with arrows. With `hard` only those
// that the greedy filling does not settle, so that the exact search has to run. The same set
// on every run.
std::vector<std::unique_ptr<Board>> randomRegions(int32_t side, double arrowShare, int32_t empties,
                                                  bool hard) {
    std::mt19937 random(static_cast<uint32_t>(empties));
    std::vector<std::unique_ptr<Board>> boards;
    while (static_cast<int>(boards.size()) < (hard ? kHardRegions : kRegions)) {
        auto board = std::make_unique<Board>(side, side);
        for (int32_t row = 1; row <= side; ++row) {
            for (int32_t column = 1; column <= side; ++column) {
                if (random() % 1000 < static_cast<uint32_t>(arrowShare * 1000)) {
                    board->setContent(row, column, Content::kArrow, true);
                }
            }
        }
        for (auto amazons = 1 + random() % 2; amazons > 0; --amazons) {
            board->setContent(1 + static_cast<int32_t>(random() % static_cast<uint32_t>(side)),
                              1 + static_cast<int32_t>(random() % static_cast<uint32_t>(side)),
                              Content::kRed, true);
        }
        const std::vector<RegionCount> regions = countRegions(*board, SolverBudget{0, {}});
        const auto wanted = std::find_if(regions.begin(), regions.end(), [&](const auto& region) {
            return region.owner == RegionOwner::kRed && region.emptySquares == empties;
        });
        if (wanted == regions.end() || (hard && wanted->solved)) {
            continue;
        }
        for (const RegionCount& region : regions) {
            if (&region != &*wanted) {
                for (const Square& square : region.squares) {
                    board->setContent(square, Content::kArrow, true);
                }
            }
        }
        boards.push_back(std::move(board));
    }
    return boards;
}

// Counts every region of the set on one thread; the time is per region, the counters give the
// slowest region (its fastest run, so that a pause of the machine does not count) and how many
// were left with bounds.
void BM_CountRegion(benchmark::State& state, int32_t side, double arrowShare, bool hard) {
    const auto boards = randomRegions(side, arrowShare, static_cast<int32_t>(state.range(0)), hard);
    std::vector<double> fastest(boards.size(), 1e9);
    int unsolved = 0;
    for (auto _ : state) {
        unsolved = 0;
        for (std::size_t k = 0; k < boards.size(); ++k) {
            const auto start = std::chrono::steady_clock::now();
            const std::vector<RegionCount> counts = countRegions(*boards[k], SolverBudget{});
            fastest[k] = std::min(fastest[k], std::chrono::duration<double, std::milli>(
                                                  std::chrono::steady_clock::now() - start)
                                                  .count());
            unsolved += counts.front().solved ? 0 : 1;
        }
    }
    state.counters["per_region"] =
        benchmark::Counter(static_cast<double>(state.iterations() * boards.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["slowest_ms"] = *std::max_element(fastest.begin(), fastest.end());
    state.counters["unsolved"] = unsolved;
}
BENCHMARK_CAPTURE(BM_CountRegion, Any, 7, 0.35, false)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CountRegion, Any, 8, 0.4, false)
    ->Arg(30)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CountRegion, Hard, 7, 0.35, true)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CountRegion, Hard, 8, 0.4, true)
    ->Arg(30)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
