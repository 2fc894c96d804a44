#include <cstdio>
#include <limits>

#include "cli/commands.h"
#include "cli/position_argument.h"
#include "eval/evaluation_selection.h"
#include "eval/quick_distance.h"

namespace taravin::cli {

namespace {

// "--function 0..5" picks an evaluation code, "--function quick" the move-ordering evaluation.
EvaluationFunction functionFromText(const std::string& text) {
    if (text == "quick") {
        return evaluateQuickDistance;
    }
    const auto code = parseInteger(text, 0, kEvaluationCount - 1);
    return code ? selectEvaluation(static_cast<int32_t>(*code)) : nullptr;
}

}  // namespace

int runEval(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    std::vector<std::string> known = positionOptionNames();
    known.insert(known.end(), {"function", "side", "move-number"});
    if (const auto unknown = arguments.unknownOptions(known); !unknown.empty()) {
        return usageError("eval", "unknown option " + unknown.front());
    }
    const auto functionText = arguments.value("function");
    const EvaluationFunction evaluate = functionText ? functionFromText(*functionText) : nullptr;
    if (!evaluate) {
        return usageError("eval", "--function must be 0..5 or quick");
    }
    std::string error;
    auto position = positionFromArguments(arguments, error);
    if (!position) {
        return usageError("eval", error);
    }
    Side side = position->sideToMove;
    if (const auto sideText = arguments.value("side")) {
        if (*sideText != "red" && *sideText != "blue") {
            return usageError("eval", "--side must be red or blue");
        }
        side = *sideText == "red" ? Side::kRed : Side::kBlue;
    }
    int32_t moveNumber = position->moveNumber;
    if (const auto moveText = arguments.value("move-number")) {
        const auto number = parseInteger(*moveText, 1, std::numeric_limits<int32_t>::max());
        if (!number) {
            return usageError("eval", "--move-number must be a positive integer");
        }
        moveNumber = static_cast<int32_t>(*number);
    }
    std::printf("evaluation %d\n", evaluate(*position->board, side, moveNumber));
    return 0;
}

}  // namespace taravin::cli
