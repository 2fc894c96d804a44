#include "model/queen_reach.h"

namespace taravin {

std::vector<Square> queenReach(const Board& board, const Square& start) {
    std::vector<Square> reached;
    if (!board.isInner(start.row, start.column)) {
        return reached;
    }
    const Content* cells = board.contents();
    const int32_t origin = board.indexOf(start.row, start.column);
    for (const int32_t step : board.directionOffsets()) {
        for (int32_t cell = origin + step; cells[cell] == Content::kEmpty; cell += step) {
            reached.push_back({board.rowOf(cell), board.columnOf(cell)});
        }
    }
    return reached;
}

}  // namespace taravin
