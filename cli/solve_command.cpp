#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/position_argument.h"
#include "endgame/endgame_solver.h"

namespace taravin::cli {

namespace {

constexpr int kDefaultSolveSeconds = 10;

std::string moveText(const BoardMove& move) {
    return squareName(move.from) + "-" + squareName(move.to) + " (" + squareName(move.arrow) + ")";
}

}  // namespace

int runSolve(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    std::vector<std::string> known = positionOptionNames();
    known.push_back("timeout");
    if (const auto unknown = arguments.unknownOptions(known); !unknown.empty()) {
        return usageError("solve", "unknown option " + unknown.front());
    }
    long long seconds = kDefaultSolveSeconds;
    if (const auto text = arguments.value("timeout")) {
        const auto value = parseInteger(*text, 0, 3600);
        if (!value) {
            return usageError("solve", "--timeout must be 0..3600 seconds");
        }
        seconds = *value;
    }
    std::string error;
    auto position = positionFromArguments(arguments, error);
    if (!position) {
        return usageError("solve", error);
    }
    const Side mover = position->sideToMove;
    const EndgameSolution solution =
        solveEndgame(*position->board, mover, SolverBudget::forTime(std::chrono::seconds(seconds)));
    if (solution.result == EndgameResult::kUnknown) {
        std::printf("result unknown\n");
        return 0;
    }
    const Side winner = solution.result == EndgameResult::kWin ? mover : otherSide(mover);
    std::printf("result %s wins\n", winner == Side::kRed ? "red" : "blue");
    std::string line = "line";
    for (std::size_t k = 0; k < solution.line.size(); ++k) {
        line += (k == 0 ? " " : ", ") + moveText(solution.line[k]);
    }
    std::printf("%s\n", solution.line.empty() ? "line none" : line.c_str());
    if (solution.spareMovesKnown) {
        std::printf("spare moves %d\n", solution.spareMoves);
    }
    return 0;
}

}  // namespace taravin::cli
