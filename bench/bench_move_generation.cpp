#include <benchmark/benchmark.h>

#include "model/board_setup.h"
#include "model/move_generation.h"
#include "model/perft.h"

namespace {

using namespace taravin;

void BM_CountLegalMovesStart(benchmark::State& state) {
    const auto board = buildBoard(BoardSetup{});
    for (auto _ : state) {
        benchmark::DoNotOptimize(board->countLegalMoves(Side::kRed));
    }
}
BENCHMARK(BM_CountLegalMovesStart);

void BM_EnumerateMovesStart(benchmark::State& state) {
    const auto board = buildBoard(BoardSetup{});
    for (auto _ : state) {
        int count = 0;
        forEachLegalMove(*board, Side::kRed,
                         [&](const Square&, const Square&, const Square&) { ++count; });
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_EnumerateMovesStart);

void BM_PerftStart(benchmark::State& state) {
    const auto board = buildBoard(BoardSetup{});
    for (auto _ : state) {
        benchmark::DoNotOptimize(perft(*board, Side::kRed, static_cast<int>(state.range(0))));
    }
    state.SetLabel("plies " + std::to_string(state.range(0)));
}
BENCHMARK(BM_PerftStart)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
