#include "eval/flood_buffers.h"

#include <vector>

namespace taravin {

FloodBuffers floodBuffers(int32_t cellCount) {
    thread_local std::vector<int32_t> queue;
    thread_local std::vector<int32_t> work;
    if (queue.size() < static_cast<std::size_t>(cellCount)) {
        queue.resize(static_cast<std::size_t>(cellCount));
        work.resize(static_cast<std::size_t>(cellCount));
    }
    return {queue.data(), work.data()};
}

int32_t appendAmazonCells(const Board& board, Side side, int32_t* queue) {
    int32_t count = 0;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        queue[count++] = board.indexOf(node->row, node->column);
    }
    return count;
}

}  // namespace taravin
