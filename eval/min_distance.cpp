#include "eval/min_distance.h"

#include "eval/cell_walks.h"
#include "eval/distance_floods.h"
#include "eval/neighbour_adjustment.h"
#include "eval/perspective.h"
#include "eval/score_tables.h"

namespace taravin {

namespace {

// The sum of the table entries of every empty inner cell for the pair pairAt(index) gives.
template <class PairAt>
int32_t sumOverEmptySquares(const Board& board, const ScoreTable& table, PairAt pairAt) {
    const int32_t* cells = board.contents();
    int32_t total = 0;
    forEachInnerCell(board, [&](int32_t i) {
        if (cells[i] == kEmpty) {
            const DistancePair pair = pairAt(i);
            total += lookupScore(table, pair.own, pair.opponent);
        }
    });
    return total;
}

auto rawPairs(const int32_t* own, const int32_t* opponent) {
    return [own, opponent](int32_t i) { return DistancePair{own[i], opponent[i]}; };
}

auto adjustedPairs(const Board& board, const int32_t* own, const int32_t* opponent,
                   const NeighbourRule& rule) {
    return [own, opponent, &rule, offsets = board.directionOffsets()](int32_t i) {
        return adjustByNeighbours(own, opponent, i, offsets, rule);
    };
}

const ScoreTable& arraysTable(int32_t moveNumber) {
    return isEarlyMove(moveNumber) ? kArraysEarlyTable : kArraysLateTable;
}

}  // namespace

// The floods rewrite every inner cell of their field, so no reset comes first.

int32_t evaluateMinDistanceArrays(Board& board, int32_t side, int32_t moveNumber) {
    computeQueenDistances(board, kRed);
    computeQueenDistances(board, kBlue);
    board.evaluationTotal = sumOverEmptySquares(
        board, arraysTable(moveNumber),
        adjustedPairs(board, board.distanceField(ownSide(side)),
                      board.distanceField(opponentSide(side)), kArraysNeighbourRule));
    return board.evaluationTotal;
}

int32_t evaluateMinDistanceSeparate(Board& board, int32_t side, int32_t moveNumber) {
    computeAmazonDistances(board);
    board.evaluationTotal = 0;
    for (int32_t slot = 0; slot < kMaxAmazonsPerSide; ++slot) {
        board.evaluationTotal +=
            sumOverEmptySquares(board, arraysTable(moveNumber),
                                adjustedPairs(board, board.amazonDistanceField(ownSide(side), slot),
                                              board.amazonDistanceField(opponentSide(side), slot),
                                              kArraysNeighbourRule));
    }
    return board.evaluationTotal;
}

int32_t evaluateMinDistanceBase(Board& board, int32_t side, int32_t moveNumber) {
    computeQueenDistances(board, kRed);
    computeQueenDistances(board, kBlue);
    board.evaluationTotal = sumOverEmptySquares(
        board, isEarlyMove(moveNumber) ? kBaseEarlyTable : kBaseLateTable,
        rawPairs(board.distanceField(ownSide(side)), board.distanceField(opponentSide(side))));
    return board.evaluationTotal;
}

int32_t evaluateMinDistanceSteps(Board& board, int32_t side, int32_t /*moveNumber*/) {
    computeKingDistances(board, kRed);
    computeKingDistances(board, kBlue);
    board.evaluationTotal = sumOverEmptySquares(
        board, kStepsTable,
        adjustedPairs(board, board.distanceField(ownSide(side)),
                      board.distanceField(opponentSide(side)), kStepsNeighbourRule));
    return board.evaluationTotal;
}

}  // namespace taravin
