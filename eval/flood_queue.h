#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// The calling thread's FIFO buffer of cell indexes for the floods, at least cellCount long.
// A flood appends each cell at most once, so one cell count is always enough; the buffer
// grows only for a larger board than any before on this thread.
int32_t* floodQueue(int32_t cellCount);

// Writes the cell index of every amazon of the side, in list order; returns how many.
int32_t appendAmazonCells(const Board& board, int32_t side, int32_t* queue);

}  // namespace taravin
