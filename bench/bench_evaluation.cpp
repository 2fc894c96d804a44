#include <benchmark/benchmark.h>

#include <memory>

#include "eval/evaluation_selection.h"
#include "eval/min_distance.h"
#include "eval/mobility.h"
#include "eval/quick_distance.h"
#include "eval/square_ownership.h"
#include "model/board_setup.h"
#include "model/random_playout.h"

namespace {

using namespace taravin;

constexpr int32_t kMiddleGameMoveNumber = kMiddleGamePlies + 1;

enum class Stage { kStart, kMiddleGame };

void BM_Evaluate(benchmark::State& state, EvaluationFunction evaluate, Stage stage) {
    const auto board = stage == Stage::kStart ? buildBoard(BoardSetup{})
                                              : playRandomMoves(BoardSetup{}, kMiddleGamePlies);
    const int32_t moveNumber = stage == Stage::kStart ? 1 : kMiddleGameMoveNumber;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate(*board, Side::kRed, moveNumber));
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(BM_Evaluate, SquareOwnershipStart, evaluateSquareOwnership, Stage::kStart);
BENCHMARK_CAPTURE(BM_Evaluate, SquareOwnershipMiddle, evaluateSquareOwnership, Stage::kMiddleGame);
BENCHMARK_CAPTURE(BM_Evaluate, ArraysStart, evaluateMinDistanceArrays, Stage::kStart);
BENCHMARK_CAPTURE(BM_Evaluate, ArraysMiddle, evaluateMinDistanceArrays, Stage::kMiddleGame);
BENCHMARK_CAPTURE(BM_Evaluate, SeparateStart, evaluateMinDistanceSeparate, Stage::kStart);
BENCHMARK_CAPTURE(BM_Evaluate, SeparateMiddle, evaluateMinDistanceSeparate, Stage::kMiddleGame);
BENCHMARK_CAPTURE(BM_Evaluate, BaseStart, evaluateMinDistanceBase, Stage::kStart);
BENCHMARK_CAPTURE(BM_Evaluate, BaseMiddle, evaluateMinDistanceBase, Stage::kMiddleGame);
BENCHMARK_CAPTURE(BM_Evaluate, StepsStart, evaluateMinDistanceSteps, Stage::kStart);
BENCHMARK_CAPTURE(BM_Evaluate, StepsMiddle, evaluateMinDistanceSteps, Stage::kMiddleGame);
BENCHMARK_CAPTURE(BM_Evaluate, MobilityStart, evaluateMobility, Stage::kStart);
BENCHMARK_CAPTURE(BM_Evaluate, MobilityMiddle, evaluateMobility, Stage::kMiddleGame);
BENCHMARK_CAPTURE(BM_Evaluate, QuickStart, evaluateQuickDistance, Stage::kStart);
BENCHMARK_CAPTURE(BM_Evaluate, QuickMiddle, evaluateQuickDistance, Stage::kMiddleGame);

}  // namespace
