#include "eval/min_distance.h"

#include "eval/field_evaluations.h"
#include "eval/set_evaluations.h"
#include "eval/square_set_layout.h"

namespace taravin {

int32_t evaluateMinDistanceArrays(Board& board, Side side, int32_t moveNumber) {
    return fitsSquareSet(board) ? minDistanceArraysOnSets(board, side, moveNumber)
                                : minDistanceArraysOnFields(board, side, moveNumber);
}

int32_t evaluateMinDistanceSeparate(Board& board, Side side, int32_t moveNumber) {
    return fitsSquareSet(board) ? minDistanceSeparateOnSets(board, side, moveNumber)
                                : minDistanceSeparateOnFields(board, side, moveNumber);
}

int32_t evaluateMinDistanceBase(Board& board, Side side, int32_t moveNumber) {
    return fitsSquareSet(board) ? minDistanceBaseOnSets(board, side, moveNumber)
                                : minDistanceBaseOnFields(board, side, moveNumber);
}

int32_t evaluateMinDistanceSteps(Board& board, Side side, int32_t moveNumber) {
    return fitsSquareSet(board) ? minDistanceStepsOnSets(board, side, moveNumber)
                                : minDistanceStepsOnFields(board, side, moveNumber);
}

}  // namespace taravin
