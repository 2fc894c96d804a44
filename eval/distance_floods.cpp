#include "eval/distance_floods.h"

#include <algorithm>
#include <limits>

#include "eval/cell_walks.h"
#include "eval/flood_buffers.h"

namespace taravin {

namespace {

// Sets a field's border cells to `borderValue` and its inner cells to `innerValue`.
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

// While a flood runs, a cell's work value is 0 when it is blocked (amazon, arrow, border), so
// that every walk stops there; kUnreached while it is empty and not yet reached, so that walks
// go on; and its distance once reached. A ray then needs a single test per cell: it goes on
// while the value is at least the distance being handed on.
constexpr int32_t kUnreached = std::numeric_limits<int32_t>::max();

void startWork(const Board& board, int32_t* work) {
    const Content* cells = board.contents();
    const int32_t count = board.cellCount();
    for (int32_t i = 0; i < count; ++i) {
        work[i] = cells[i] == Content::kEmpty ? kUnreached : 0;
    }
}

void storeDistances(const Board& board, const int32_t* work, int32_t* distance) {
    forEachInnerCell(board, [&](int32_t i) { distance[i] = work[i] == kUnreached ? 0 : work[i]; });
}

// FIFO over queue[0..tail), which holds the seeds. A queued cell's work value d, the distance
// it hands on, is its own distance + 1; seeds are amazon squares, which read 0, so their d is 1.
void queenFlood(const Board& board, const FloodBuffers& buffers, int32_t tail) {
    int32_t* queue = buffers.queue;
    int32_t* work = buffers.work;
    const std::array<int32_t, 8> offsets = board.directionOffsets();
    for (int32_t head = 0; head < tail; ++head) {
        const int32_t origin = queue[head];
        const int32_t d = work[origin] + 1;
        for (int32_t step : offsets) {
            // A reached square nearer than d ends the ray: it hands on the squares beyond.
            for (int32_t i = origin + step; work[i] >= d; i += step) {
                if (work[i] == kUnreached) {
                    work[i] = d;
                    queue[tail++] = i;
                }
            }
        }
    }
}

void kingFlood(const Board& board, const FloodBuffers& buffers, int32_t tail) {
    int32_t* queue = buffers.queue;
    int32_t* work = buffers.work;
    const std::array<int32_t, 8> offsets = board.directionOffsets();
    for (int32_t head = 0; head < tail; ++head) {
        const int32_t origin = queue[head];
        const int32_t d = work[origin] + 1;
        for (int32_t step : offsets) {
            const int32_t i = origin + step;
            if (work[i] == kUnreached) {
                work[i] = d;
                queue[tail++] = i;
            }
        }
    }
}

}  // namespace

void resetDistances(Board& board) {
    // The border is written with the 10 it already holds.
    fillField(board, board.distanceField(Side::kRed), kBorderDistance, 0);
    fillField(board, board.distanceField(Side::kBlue), kBorderDistance, 0);
}

void computeQueenDistances(Board& board, Side side) {
    const FloodBuffers buffers = floodBuffers(board.cellCount());
    startWork(board, buffers.work);
    queenFlood(board, buffers, appendAmazonCells(board, side, buffers.queue));
    storeDistances(board, buffers.work, board.distanceField(side));
}

void computeKingDistances(Board& board, Side side) {
    const FloodBuffers buffers = floodBuffers(board.cellCount());
    startWork(board, buffers.work);
    kingFlood(board, buffers, appendAmazonCells(board, side, buffers.queue));
    storeDistances(board, buffers.work, board.distanceField(side));
}

void computeAmazonDistances(Board& board) {
    const FloodBuffers buffers = floodBuffers(board.cellCount());
    for (Side side : {Side::kRed, Side::kBlue}) {
        for (int32_t slot = 0; slot < kMaxAmazonsPerSide; ++slot) {
            fillField(board, board.amazonDistanceField(side, slot), kBorderDistance, 0);
        }
        int32_t slot = 0;
        for (const PositionNode* node = board.amazons(side).head();
             node && slot < kMaxAmazonsPerSide; node = node->next, ++slot) {
            startWork(board, buffers.work);
            buffers.queue[0] = board.indexOf(node->row, node->column);
            queenFlood(board, buffers, 1);
            storeDistances(board, buffers.work, board.amazonDistanceField(side, slot));
        }
    }
}

}  // namespace taravin
