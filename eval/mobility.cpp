#include "eval/mobility.h"

#include "eval/min_distance.h"
#include "eval/perspective.h"
#include "eval/reach_queries.h"

namespace taravin {

namespace {

constexpr int32_t kLastMobilityMove = 25;
constexpr int64_t kScaleNumerator = 5;
constexpr int64_t kScaleBase = 92;
constexpr int32_t kMobilityWeight = 100;
constexpr int32_t kMobilityDivisor = 540;
constexpr int32_t kOffset = 100;

int32_t opponentMobility(const Board& board, Side side) {
    int32_t sum = 0;
    for (const PositionNode* node = board.amazons(opponentSide(side)).head(); node;
         node = node->next) {
        for (int32_t length : countRayLengths(board, *node)) {
            sum += length * (length + 1) / 2;
        }
    }
    return sum;
}

}  // namespace

int32_t evaluateMobility(Board& board, Side side, int32_t moveNumber) {
    return mobilityScore(board, side, moveNumber,
                         evaluateMinDistanceArrays(board, side, moveNumber));
}

int32_t mobilityScore(const Board& board, Side side, int32_t moveNumber, int32_t distanceScore) {
    if (moveNumber > kLastMobilityMove) {
        return distanceScore;
    }
    // In 64 bits so that no move number, however far below 1, can overflow the divisor.
    const auto scaled = static_cast<int32_t>(kScaleNumerator * distanceScore /
                                             (kScaleBase - static_cast<int64_t>(moveNumber)));
    return scaled - kMobilityWeight * opponentMobility(board, side) / kMobilityDivisor + kOffset;
}

}  // namespace taravin
