#include <chrono>
#include <cstdio>

#include "cli/bench_lines.h"
#include "eval/evaluation_selection.h"
#include "eval/quick_distance.h"
#include "model/board_setup.h"

namespace taravin::cli {

namespace {

constexpr double kSecondsPerFunction = 0.5;
// Evaluations between two looks at the clock.
constexpr int kBatch = 1000;

double evaluationsPerSecond(EvaluationFunction evaluate) {
    const auto board = buildBoard(BoardSetup{});
    const auto start = std::chrono::steady_clock::now();
    long long count = 0;
    double seconds = 0;
    do {
        // Each call writes its fields into the board, so none can be left out.
        for (int i = 0; i < kBatch; ++i) {
            evaluate(*board, Side::kRed, 1);
        }
        count += kBatch;
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    } while (seconds < kSecondsPerFunction);
    return static_cast<double>(count) / seconds;
}

void printLine(const char* name, EvaluationFunction evaluate) {
    std::printf("eval %s: %.0f per second\n", name, evaluationsPerSecond(evaluate));
    std::fflush(stdout);
}

}  // namespace

void benchEvaluations() {
    for (int32_t code = 0; code < kEvaluationCount; ++code) {
        printLine(kEvaluationFunctionNames[code], selectEvaluation(code));
    }
    printLine("Quick Distance", evaluateQuickDistance);
}

}  // namespace taravin::cli
