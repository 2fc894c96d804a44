#include "eval/quick_distance.h"

#include "eval/field_evaluations.h"
#include "eval/set_evaluations.h"
#include "eval/square_set_layout.h"

namespace taravin {

int32_t evaluateQuickDistance(Board& board, Side side, int32_t moveNumber) {
    return fitsSquareSet(board) ? quickDistanceOnSets(board, side, moveNumber)
                                : quickDistanceOnFields(board, side, moveNumber);
}

}  // namespace taravin
