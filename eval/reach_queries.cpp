#include "eval/reach_queries.h"

#include "eval/cell_walks.h"
#include "eval/distance_floods.h"
#include "eval/flood_buffers.h"

namespace taravin {

bool regionsSeparated(Board& board) {
    computeQueenDistances(board, Side::kRed);
    computeQueenDistances(board, Side::kBlue);
    const int32_t* red = board.distanceField(Side::kRed);
    const int32_t* blue = board.distanceField(Side::kBlue);
    bool separated = true;
    forEachInnerCell(board, [&](int32_t i) {
        if (red[i] != 0 && blue[i] != 0) {
            separated = false;
        }
    });
    return separated;
}

int32_t countReachableSquares(Board& board, Side side) {
    int32_t* mark = board.distanceField(side);
    forEachInnerCell(board, [&](int32_t i) { mark[i] = 0; });
    const Content* cells = board.contents();
    int32_t* queue = floodBuffers(board.cellCount()).queue;
    const int32_t seeds = appendAmazonCells(board, side, queue);
    int32_t tail = seeds;
    for (int32_t head = 0; head < tail; ++head) {
        for (int32_t step : board.directionOffsets()) {
            // Marked squares are passed over: the ray goes on to its end.
            for (int32_t i = queue[head] + step; cells[i] == Content::kEmpty; i += step) {
                if (mark[i] <= 0) {
                    mark[i] = 1;
                    queue[tail++] = i;
                }
            }
        }
    }
    // Every marked square was appended once; amazon squares are never marked.
    return tail - seeds;
}

std::array<int32_t, 8> countRayLengths(const Board& board, const PositionNode& amazon) {
    const Content* cells = board.contents();
    const int32_t origin = board.indexOf(amazon.row, amazon.column);
    const auto& offsets = board.directionOffsets();
    std::array<int32_t, 8> lengths{};
    for (std::size_t k = 0; k < offsets.size(); ++k) {
        for (int32_t i = origin + offsets[k]; cells[i] == Content::kEmpty; i += offsets[k]) {
            ++lengths[k];
        }
    }
    return lengths;
}

}  // namespace taravin
