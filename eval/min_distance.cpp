#include "eval/min_distance.h"

#include "eval/cell_walks.h"
#include "eval/distance_floods.h"
#include "eval/neighbour_adjustment.h"
#include "eval/perspective.h"
#include "eval/score_tables.h"

namespace taravin {

namespace {

// The sum of the table entries of every empty inner cell for the pair of fields, the pair
// adjusted by the neighbour rule first unless there is none.
template <const NeighbourRule* kRule>
int32_t sumOverEmptySquares(const Board& board, const int32_t* own, const int32_t* opponent,
                            const ScoreTable& table) {
    const int32_t* cells = board.contents();
    const auto& offsets = board.directionOffsets();
    int32_t total = 0;
    forEachInnerCell(board, [&](int32_t i) {
        if (cells[i] != kEmpty) {
            return;
        }
        if constexpr (kRule != nullptr) {
            const DistancePair pair = adjustByNeighbours(own, opponent, i, offsets, *kRule);
            total += lookupScore(table, pair.own, pair.opponent);
        } else {
            total += lookupScore(table, own[i], opponent[i]);
        }
    });
    return total;
}

const ScoreTable& arraysTable(int32_t moveNumber) {
    return isEarlyMove(moveNumber) ? kArraysEarlyTable : kArraysLateTable;
}

}  // namespace

int32_t evaluateMinDistanceArrays(Board& board, int32_t side, int32_t moveNumber) {
    computeQueenDistances(board, kRed);
    computeQueenDistances(board, kBlue);
    board.evaluationTotal = sumOverEmptySquares<&kArraysNeighbourRule>(
        board, board.distanceField(ownSide(side)), board.distanceField(opponentSide(side)),
        arraysTable(moveNumber));
    return board.evaluationTotal;
}

int32_t evaluateMinDistanceSeparate(Board& board, int32_t side, int32_t moveNumber) {
    computeAmazonDistances(board);
    board.evaluationTotal = 0;
    for (int32_t slot = 0; slot < kMaxAmazonsPerSide; ++slot) {
        board.evaluationTotal += sumOverEmptySquares<&kArraysNeighbourRule>(
            board, board.amazonDistanceField(ownSide(side), slot),
            board.amazonDistanceField(opponentSide(side), slot), arraysTable(moveNumber));
    }
    return board.evaluationTotal;
}

int32_t evaluateMinDistanceBase(Board& board, int32_t side, int32_t moveNumber) {
    computeQueenDistances(board, kRed);
    computeQueenDistances(board, kBlue);
    board.evaluationTotal = sumOverEmptySquares<nullptr>(
        board, board.distanceField(ownSide(side)), board.distanceField(opponentSide(side)),
        isEarlyMove(moveNumber) ? kBaseEarlyTable : kBaseLateTable);
    return board.evaluationTotal;
}

int32_t evaluateMinDistanceSteps(Board& board, int32_t side, int32_t /*moveNumber*/) {
    computeKingDistances(board, kRed);
    computeKingDistances(board, kBlue);
    board.evaluationTotal = sumOverEmptySquares<&kStepsNeighbourRule>(
        board, board.distanceField(ownSide(side)), board.distanceField(opponentSide(side)),
        kStepsTable);
    return board.evaluationTotal;
}

}  // namespace taravin
