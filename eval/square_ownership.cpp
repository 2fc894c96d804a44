#include "eval/square_ownership.h"

#include "eval/cell_walks.h"
#include "eval/perspective.h"

namespace taravin {

int32_t evaluateSquareOwnership(Board& board, int32_t side, int32_t /*moveNumber*/) {
    constexpr int32_t kBothBits = kRedReaches | kBlueReaches;
    int32_t* marks = board.ownershipField();
    forEachInnerCell(board, [&](int32_t i) { marks[i] &= ~kBothBits; });
    forEachOneMoveCell(board, kRed, [&](int32_t i) { marks[i] |= kRedReaches; });
    forEachOneMoveCell(board, kBlue, [&](int32_t i) { marks[i] |= kBlueReaches; });
    int32_t red = 0;
    int32_t blue = 0;
    forEachInnerCell(board, [&](int32_t i) {
        const int32_t bits = marks[i] & kBothBits;
        red += bits == kRedReaches ? 1 : 0;
        blue += bits == kBlueReaches ? 1 : 0;
    });
    board.redOwnedCount = red;
    board.blueOwnedCount = blue;
    return ownSide(side) == kRed ? red - blue : blue - red;
}

}  // namespace taravin
