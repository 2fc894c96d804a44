#include "eval/field_evaluations.h"

#include "eval/cell_walks.h"
#include "eval/distance_floods.h"
#include "eval/neighbour_adjustment.h"
#include "eval/perspective.h"
#include "eval/score_tables.h"
#include "eval/square_ownership.h"

namespace taravin {

namespace {

// The sum of the table entries of every empty inner cell for the pair pairAt(index) gives.
template <class PairAt>
int32_t sumOverEmptySquares(const Board& board, const ScoreTable& table, PairAt pairAt) {
    const Content* cells = board.contents();
    int32_t total = 0;
    forEachInnerCell(board, [&](int32_t i) {
        if (cells[i] == Content::kEmpty) {
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

// Whether a ray from the cell meets a one-move mark; marks of 2 set earlier do not count.
bool seesOneMoveMark(const Board& board, const int32_t* distance, int32_t origin) {
    const Content* cells = board.contents();
    for (int32_t step : board.directionOffsets()) {
        for (int32_t i = origin + step; cells[i] == Content::kEmpty; i += step) {
            if (distance[i] == 1) {
                return true;
            }
        }
    }
    return false;
}

void classifyTwoMoveReach(const Board& board, int32_t* distance, int32_t i) {
    if (distance[i] == 0 && seesOneMoveMark(board, distance, i)) {
        distance[i] = 2;
    }
}

}  // namespace

int32_t squareOwnershipOnFields(Board& board, Side side, int32_t /*moveNumber*/) {
    constexpr int32_t kBothBits = kRedReaches | kBlueReaches;
    int32_t* marks = board.ownershipField();
    forEachInnerCell(board, [&](int32_t i) { marks[i] &= ~kBothBits; });
    forEachOneMoveCell(board, Side::kRed, [&](int32_t i) { marks[i] |= kRedReaches; });
    forEachOneMoveCell(board, Side::kBlue, [&](int32_t i) { marks[i] |= kBlueReaches; });
    int32_t red = 0;
    int32_t blue = 0;
    forEachInnerCell(board, [&](int32_t i) {
        const int32_t bits = marks[i] & kBothBits;
        red += bits == kRedReaches ? 1 : 0;
        blue += bits == kBlueReaches ? 1 : 0;
    });
    board.redOwnedCount = red;
    board.blueOwnedCount = blue;
    return ownSide(side) == Side::kRed ? red - blue : blue - red;
}

// The floods rewrite every inner cell of their field, so no reset comes first.

int32_t minDistanceArraysOnFields(Board& board, Side side, int32_t moveNumber) {
    computeQueenDistances(board, Side::kRed);
    computeQueenDistances(board, Side::kBlue);
    board.evaluationTotal = sumOverEmptySquares(
        board, arraysTable(moveNumber),
        adjustedPairs(board, board.distanceField(ownSide(side)),
                      board.distanceField(opponentSide(side)), kArraysNeighbourRule));
    return board.evaluationTotal;
}

int32_t minDistanceSeparateOnFields(Board& board, Side side, int32_t moveNumber) {
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

int32_t minDistanceBaseOnFields(Board& board, Side side, int32_t moveNumber) {
    computeQueenDistances(board, Side::kRed);
    computeQueenDistances(board, Side::kBlue);
    board.evaluationTotal = sumOverEmptySquares(
        board, baseTable(moveNumber),
        rawPairs(board.distanceField(ownSide(side)), board.distanceField(opponentSide(side))));
    return board.evaluationTotal;
}

int32_t minDistanceStepsOnFields(Board& board, Side side, int32_t /*moveNumber*/) {
    computeKingDistances(board, Side::kRed);
    computeKingDistances(board, Side::kBlue);
    board.evaluationTotal = sumOverEmptySquares(
        board, kStepsTable,
        adjustedPairs(board, board.distanceField(ownSide(side)),
                      board.distanceField(opponentSide(side)), kStepsNeighbourRule));
    return board.evaluationTotal;
}

int32_t quickDistanceOnFields(Board& board, Side side, int32_t moveNumber) {
    resetDistances(board);
    int32_t* red = board.distanceField(Side::kRed);
    int32_t* blue = board.distanceField(Side::kBlue);
    forEachOneMoveCell(board, Side::kRed, [&](int32_t i) { red[i] = 1; });
    forEachOneMoveCell(board, Side::kBlue, [&](int32_t i) { blue[i] = 1; });
    const QuickTable& table = quickTable(moveNumber);
    const Content* cells = board.contents();
    const int32_t* own = board.distanceField(ownSide(side));
    const int32_t* opponent = board.distanceField(opponentSide(side));
    int32_t total = 0;
    forEachInnerCell(board, [&](int32_t i) {
        if (cells[i] == Content::kEmpty) {
            classifyTwoMoveReach(board, red, i);
            classifyTwoMoveReach(board, blue, i);
            total += table[own[i]][opponent[i]];
        }
    });
    board.evaluationTotal = total;
    return total;
}

}  // namespace taravin
