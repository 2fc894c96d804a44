#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// The calling thread's scratch arrays for the floods, each at least cellCount long: the FIFO
// of cell indexes (a flood appends each cell at most once, so one cell count is enough) and a
// work value per cell. They grow only for a larger board than any before on this thread.
struct FloodBuffers {
    int32_t* queue;
    int32_t* work;
};
FloodBuffers floodBuffers(int32_t cellCount);

// Writes the cell index of every amazon of the side, in list order; returns how many.
int32_t appendAmazonCells(const Board& board, Side side, int32_t* queue);

}  // namespace taravin
