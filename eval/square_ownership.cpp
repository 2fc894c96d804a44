#include "eval/square_ownership.h"

#include "eval/field_evaluations.h"
#include "eval/set_evaluations.h"
#include "eval/square_set_layout.h"

namespace taravin {

int32_t evaluateSquareOwnership(Board& board, Side side, int32_t moveNumber) {
    return fitsSquareSet(board) ? squareOwnershipOnSets(board, side, moveNumber)
                                : squareOwnershipOnFields(board, side, moveNumber);
}

}  // namespace taravin
