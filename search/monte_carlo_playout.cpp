#include "search/monte_carlo_playout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "eval/evaluation_selection.h"
#include "model/player_codes.h"
#include "search/search_scores.h"

namespace taravin {

namespace {

// The empty squares a queen reaches from `origin`; `vacated` counts as empty (the square the
// amazon left, for its arrow). Returns how many were written.
int32_t queenTargets(const Board& board, int32_t origin, int32_t vacated,
                     std::array<int32_t, 4 * kMaxBoardSize>& targets) {
    const Content* cells = board.contents();
    int32_t count = 0;
    for (int32_t step : board.directionOffsets()) {
        for (int32_t cell = origin + step; cells[cell] == Content::kEmpty || cell == vacated;
             cell += step) {
            targets[static_cast<std::size_t>(count++)] = cell;
        }
    }
    return count;
}

uint32_t below(Mt19937& random, int32_t count) {
    return random.next() % static_cast<uint32_t>(count);
}

Square squareAt(const Board& board, int32_t index) {
    return {board.rowOf(index), board.columnOf(index)};
}

}  // namespace

bool makeRandomMove(Board& board, Side side, Mt19937& random, PlayoutMove& made) {
    std::array<int32_t, kMaxAmazonsPerSide> movable{};
    int32_t movableCount = 0;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        if (board.hasFreeNeighbour(node->row, node->column)) {
            movable[static_cast<std::size_t>(movableCount++)] =
                board.indexOf(node->row, node->column);
        }
    }
    if (movableCount == 0) {
        return false;
    }
    std::array<int32_t, 4 * kMaxBoardSize> targets{};
    const int32_t origin = movable[below(random, movableCount)];
    const int32_t destination = targets[below(random, queenTargets(board, origin, -1, targets))];
    const int32_t arrow = targets[below(random, queenTargets(board, destination, origin, targets))];
    made.from = squareAt(board, origin);
    made.to = squareAt(board, destination);
    made.arrow = squareAt(board, arrow);
    made.undo = makeMove(board, made.from, made.to, made.arrow, side);
    return true;
}

double winProbability(int32_t score, double scale) {
    // ln 3: a score of `scale` gives 3/4.
    constexpr double kLogThree = 1.0986122886681098;
    return 1.0 / (1.0 + std::exp(-kLogThree * score / scale));
}

int32_t scoreOfWinProbability(double probability, double scale) {
    constexpr double kLogThree = 1.0986122886681098;
    if (probability <= 0.0) {
        return kLossScore;
    }
    if (probability >= 1.0) {
        return kWinScore;
    }
    const double score = scale * std::log(probability / (1.0 - probability)) / kLogThree;
    return static_cast<int32_t>(
        std::lround(std::clamp<double>(score, kLossScore + 1, kWinScore - 1)));
}

double winScaleOf(int32_t evaluationCode) {
    // Square Ownership counts squares; the distance evaluations give about 20 points a square.
    switch (evaluationCode) {
        case kEvaluationSquareOwnership:
            return 5.0;
        case kEvaluationMinimumDistanceSeparateAmazons:
            return 200.0;
        default:
            return 100.0;
    }
}

}  // namespace taravin
