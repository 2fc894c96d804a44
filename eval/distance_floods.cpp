#include "eval/distance_floods.h"

#include <algorithm>

#include "eval/flood_queue.h"

namespace taravin {

namespace {

// The queue holds cell indexes only. A queued cell's work value d (the distance it hands on)
// is its own distance + 1: a flooded cell keeps the distance it was given, and a seed is an
// amazon square, which reads 0 after the reset, so its d is 1.
void queenFlood(const Board& board, int32_t* distance, int32_t* queue, int32_t tail) {
    const int32_t* cells = board.contents();
    const auto& offsets = board.directionOffsets();
    for (int32_t head = 0; head < tail; ++head) {
        const int32_t origin = queue[head];
        const int32_t d = distance[origin] + 1;
        for (int32_t step : offsets) {
            for (int32_t i = origin + step; cells[i] == kEmpty; i += step) {
                const int32_t v = distance[i];
                if (v == 0) {
                    distance[i] = d;
                    queue[tail++] = i;
                } else if (v < d) {
                    // That square, no farther than this one, hands on the squares beyond.
                    break;
                }
            }
        }
    }
}

void kingFlood(const Board& board, int32_t* distance, int32_t* queue, int32_t tail) {
    const int32_t* cells = board.contents();
    const auto& offsets = board.directionOffsets();
    for (int32_t head = 0; head < tail; ++head) {
        const int32_t origin = queue[head];
        const int32_t d = distance[origin] + 1;
        for (int32_t step : offsets) {
            const int32_t i = origin + step;
            if (cells[i] == kEmpty && distance[i] == 0) {
                distance[i] = d;
                queue[tail++] = i;
            }
        }
    }
}

}  // namespace

void fillField(const Board& board, int32_t* field, int32_t borderValue, int32_t innerValue) {
    const int32_t stride = board.stride();
    std::fill(field, field + stride, borderValue);
    for (int32_t row = 1; row <= board.rows(); ++row) {
        int32_t* first = field + board.indexOf(row, 0);
        first[0] = borderValue;
        std::fill(first + 1, first + stride - 1, innerValue);
        first[stride - 1] = borderValue;
    }
    std::fill(field + board.indexOf(board.rows() + 1, 0), field + board.cellCount(), borderValue);
}

void resetDistances(Board& board) {
    // The border is written with the 10 it already holds.
    fillField(board, board.distanceField(kRed), kBorderDistance, 0);
    fillField(board, board.distanceField(kBlue), kBorderDistance, 0);
}

void computeQueenDistances(Board& board, int32_t side) {
    int32_t* queue = floodQueue(board.cellCount());
    queenFlood(board, board.distanceField(side), queue, appendAmazonCells(board, side, queue));
}

void computeKingDistances(Board& board, int32_t side) {
    int32_t* queue = floodQueue(board.cellCount());
    kingFlood(board, board.distanceField(side), queue, appendAmazonCells(board, side, queue));
}

void computeAmazonDistances(Board& board) {
    int32_t* queue = floodQueue(board.cellCount());
    for (int32_t side : {kRed, kBlue}) {
        for (int32_t slot = 0; slot < kMaxAmazonsPerSide; ++slot) {
            fillField(board, board.amazonDistanceField(side, slot), kBorderDistance, 0);
        }
        int32_t slot = 0;
        for (const PositionNode* node = board.amazons(side).head();
             node && slot < kMaxAmazonsPerSide; node = node->next, ++slot) {
            queue[0] = board.indexOf(node->row, node->column);
            queenFlood(board, board.amazonDistanceField(side, slot), queue, 1);
        }
    }
}

}  // namespace taravin
