#include "eval/quick_distance.h"

#include "eval/cell_walks.h"
#include "eval/distance_floods.h"
#include "eval/perspective.h"
#include "eval/score_tables.h"

namespace taravin {

namespace {

// Whether a ray from the cell meets a one-move mark; marks of 2 set earlier do not count.
bool seesOneMoveMark(const Board& board, const int32_t* distance, int32_t origin) {
    const int32_t* cells = board.contents();
    for (int32_t step : board.directionOffsets()) {
        for (int32_t i = origin + step; cells[i] == kEmpty; i += step) {
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

int32_t evaluateQuickDistance(Board& board, int32_t side, int32_t moveNumber) {
    resetDistances(board);
    int32_t* red = board.distanceField(kRed);
    int32_t* blue = board.distanceField(kBlue);
    forEachOneMoveCell(board, kRed, [&](int32_t i) { red[i] = 1; });
    forEachOneMoveCell(board, kBlue, [&](int32_t i) { blue[i] = 1; });
    const QuickTable& table = isEarlyMove(moveNumber) ? kQuickEarlyTable : kQuickLateTable;
    const int32_t* cells = board.contents();
    const int32_t* own = board.distanceField(ownSide(side));
    const int32_t* opponent = board.distanceField(opponentSide(side));
    int32_t total = 0;
    forEachInnerCell(board, [&](int32_t i) {
        if (cells[i] == kEmpty) {
            classifyTwoMoveReach(board, red, i);
            classifyTwoMoveReach(board, blue, i);
            total += table[own[i]][opponent[i]];
        }
    });
    board.evaluationTotal = total;
    return total;
}

}  // namespace taravin
