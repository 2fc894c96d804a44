#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "endgame/local_set.h"
#include "endgame/local_space.h"

namespace taravin {

// The squares whose removal splits a set joined by king steps (its articulation points), by
// one depth-first walk. A move takes exactly one square out of the squares that are not
// arrows, its arrow's, so only an arrow on one of these can cut a region apart.
class CutSquareFinder {
  public:
    explicit CutSquareFinder(const LocalSpace& space)
        : space_(space),
          order_(static_cast<std::size_t>(space.size()), 0),
          low_(static_cast<std::size_t>(space.size()), 0) {}

    // `connected` must be joined by king steps.
    template <std::size_t Words>
    LocalSet<Words> find(const LocalSet<Words>& connected) {
        LocalSet<Words> cuts;
        if (connected.empty()) {
            return cuts;
        }
        connected.forEach([&](int32_t square) { order_[square] = 0; });
        const int32_t root = connected.first();
        int32_t visited = 0;
        int32_t rootChildren = 0;
        order_[root] = low_[root] = ++visited;
        stack_.assign(1, {root, 0});
        while (!stack_.empty()) {
            auto& [square, next] = stack_.back();
            const auto neighbours = space_.neighbours(square);
            if (next < static_cast<int32_t>(neighbours.size())) {
                const int32_t neighbour = neighbours[next++];
                if (!connected.contains(neighbour)) {
                    continue;
                }
                if (order_[neighbour] == 0) {
                    order_[neighbour] = low_[neighbour] = ++visited;
                    rootChildren += square == root ? 1 : 0;
                    stack_.emplace_back(neighbour, 0);
                } else {
                    low_[square] = std::min(low_[square], order_[neighbour]);
                }
                continue;
            }
            const int32_t child = square;
            stack_.pop_back();
            if (!stack_.empty()) {
                const int32_t parent = stack_.back().first;
                low_[parent] = std::min(low_[parent], low_[child]);
                if (parent != root && low_[child] >= order_[parent]) {
                    cuts.insert(parent);
                }
            }
        }
        if (rootChildren > 1) {
            cuts.insert(root);
        }
        return cuts;
    }

  private:
    const LocalSpace& space_;
    std::vector<int32_t> order_;
    std::vector<int32_t> low_;
    std::vector<std::pair<int32_t, int32_t>> stack_;
};

}  // namespace taravin
