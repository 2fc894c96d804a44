#include "eval/set_evaluations.h"

#include "eval/layer_scores.h"
#include "eval/perspective.h"
#include "eval/set_floods.h"

namespace taravin {

namespace {

// What every set evaluation starts from.
struct PositionSets {
    SquareSet inner;
    SquareSet empty;

    explicit PositionSets(const Board& board)
        : inner(innerSquares(board)), empty(emptySquares(board)) {}
};

DistanceLayers queenLayers(const QueenReach& reach, SquareSet seeds, SquareSet empty) {
    return distanceLayers(seeds, empty, [&](SquareSet from) { return reach.from(from); });
}

int32_t queenDistanceSum(Board& board, Side side, const ScoreTable& table,
                         const NeighbourRule& rule) {
    const PositionSets sets(board);
    const QueenReach reach(sets.empty);
    const DistanceLayers own = queenLayers(reach, amazonSquares(board, ownSide(side)), sets.empty);
    const DistanceLayers opponent =
        queenLayers(reach, amazonSquares(board, opponentSide(side)), sets.empty);
    board.evaluationTotal = sumOverLayerPairs(sets.inner, own, opponent, table, rule);
    return board.evaluationTotal;
}

// The empty squares one queen move from the side's amazons (class 1) and those two moves
// away but not one (class 2); class 0 is the rest.
struct QuickClasses {
    std::array<SquareSet, 3> of;
};

QuickClasses quickClasses(const Board& board, Side side, const PositionSets& sets,
                          const QueenReach& reach) {
    const SquareSet one = reach.from(amazonSquares(board, side));
    const SquareSet two = reach.from(one) & ~one;
    return {{sets.empty & ~(one | two), one, two}};
}

}  // namespace

TARAVIN_COUNTS_SQUARES int32_t squareOwnershipOnSets(Board& board, Side side,
                                                     int32_t /*moveNumber*/) {
    const PositionSets sets(board);
    const QueenReach reach(sets.empty);
    const SquareSet red = reach.from(amazonSquares(board, Side::kRed));
    const SquareSet blue = reach.from(amazonSquares(board, Side::kBlue));
    board.redOwnedCount = countSquares(red & ~blue);
    board.blueOwnedCount = countSquares(blue & ~red);
    const int32_t difference = board.redOwnedCount - board.blueOwnedCount;
    return ownSide(side) == Side::kRed ? difference : -difference;
}

int32_t minDistanceArraysOnSets(Board& board, Side side, int32_t moveNumber) {
    return queenDistanceSum(board, side, arraysTable(moveNumber), kArraysNeighbourRule);
}

int32_t minDistanceSeparateOnSets(Board& board, Side side, int32_t moveNumber) {
    const PositionSets sets(board);
    const QueenReach reach(sets.empty);
    const PositionNode* own = board.amazons(ownSide(side)).head();
    const PositionNode* opponent = board.amazons(opponentSide(side)).head();
    // A missing amazon reaches nothing.
    const auto layersOf = [&](const PositionNode* amazon) {
        const SquareSet seed = amazon ? squareAt(amazon->row, amazon->column) : 0;
        return queenLayers(reach, seed, sets.empty);
    };
    int32_t total = 0;
    for (int32_t slot = 0; slot < kMaxAmazonsPerSide; ++slot) {
        total += sumOverLayerPairs(sets.inner, layersOf(own), layersOf(opponent),
                                   arraysTable(moveNumber), kArraysNeighbourRule);
        own = own ? own->next : nullptr;
        opponent = opponent ? opponent->next : nullptr;
    }
    board.evaluationTotal = total;
    return total;
}

int32_t minDistanceBaseOnSets(Board& board, Side side, int32_t moveNumber) {
    return queenDistanceSum(board, side, baseTable(moveNumber), kNoNeighbourRule);
}

int32_t minDistanceStepsOnSets(Board& board, Side side, int32_t /*moveNumber*/) {
    const PositionSets sets(board);
    const auto layersOf = [&](Side amazonSide) {
        return distanceLayers(amazonSquares(board, amazonSide), sets.empty,
                              [&](SquareSet from) { return kingReach(from, sets.empty); });
    };
    board.evaluationTotal =
        sumOverLayerPairs(sets.inner, layersOf(ownSide(side)), layersOf(opponentSide(side)),
                          kStepsTable, kStepsNeighbourRule);
    return board.evaluationTotal;
}

TARAVIN_COUNTS_SQUARES int32_t quickDistanceOnSets(Board& board, Side side, int32_t moveNumber) {
    const PositionSets sets(board);
    const QueenReach reach(sets.empty);
    const QuickClasses own = quickClasses(board, ownSide(side), sets, reach);
    const QuickClasses opponent = quickClasses(board, opponentSide(side), sets, reach);
    const QuickTable& table = quickTable(moveNumber);
    int32_t total = 0;
    for (std::size_t ownClass = 0; ownClass < table.size(); ++ownClass) {
        for (std::size_t opponentClass = 0; opponentClass < table.size(); ++opponentClass) {
            total += table[ownClass][opponentClass] *
                     countSquares(own.of[ownClass] & opponent.of[opponentClass]);
        }
    }
    board.evaluationTotal = total;
    return total;
}

}  // namespace taravin
