#include <benchmark/benchmark.h>

#include <memory>

#include "eval/evaluation_selection.h"
#include "eval/min_distance.h"
#include "eval/mobility.h"
#include "eval/quick_distance.h"
#include "eval/square_ownership.h"
#include "model/board_setup.h"
#include "model/move_generation.h"
#include "model/mt19937.h"

namespace {

using namespace taravin;

constexpr int kMiddleGamePlies = 40;
constexpr int32_t kMiddleGameMoveNumber = kMiddleGamePlies + 1;

// The start position after a fixed pseudo-random sequence of legal moves, the same every run.
std::unique_ptr<Board> middleGameBoard() {
    auto board = buildBoard(BoardSetup{});
    Mt19937 generator;
    int32_t side = kRed;
    for (int ply = 0; ply < kMiddleGamePlies; ++ply) {
        const int32_t count = board->countLegalMoves(side);
        if (count == 0) {
            break;
        }
        const auto chosen = static_cast<int32_t>(generator.next() % static_cast<uint32_t>(count));
        int32_t seen = 0;
        Square from, to, arrow;
        forEachLegalMove(*board, side, [&](const Square& f, const Square& t, const Square& a) {
            if (seen++ == chosen) {
                from = f;
                to = t;
                arrow = a;
            }
        });
        makeMove(*board, from, to, arrow, side);
        side = otherSide(side);
    }
    return board;
}

enum class Stage { kStart, kMiddleGame };

void BM_Evaluate(benchmark::State& state, EvaluationFunction evaluate, Stage stage) {
    const auto board = stage == Stage::kStart ? buildBoard(BoardSetup{}) : middleGameBoard();
    const int32_t moveNumber = stage == Stage::kStart ? 1 : kMiddleGameMoveNumber;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate(*board, kRed, moveNumber));
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
