#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/board.h"
#include "model/square.h"

namespace taravin {

// A part of the board numbered 0, 1, ... in the order its squares were given, with the king
// neighbours and the queen rays of each square inside the part. The solvers work on local sets
// of these numbers instead of on the board; a part made of whole regions holds every ray of its
// squares, since a queen line over squares that are not arrows never leaves its region.
class LocalSpace {
  public:
    LocalSpace(const Board& board, std::vector<Square> squares);

    int32_t size() const { return static_cast<int32_t>(squares_.size()); }
    const Square& square(int32_t index) const { return squares_[index]; }
    // The local index of the square, or -1 when it is not in the part.
    int32_t indexOf(const Square& square) const;

    // The neighbours one king step away that are in the part.
    std::span<const int16_t> neighbours(int32_t index) const {
        return span(neighbours_, neighbourStarts_, index);
    }
    // The squares along the direction (in the common direction order), nearest first, up to
    // the first square that is not in the part.
    std::span<const int16_t> ray(int32_t index, int32_t direction) const {
        return span(rays_, rayStarts_, index * 8 + direction);
    }

  private:
    static std::span<const int16_t> span(const std::vector<int16_t>& items,
                                         const std::vector<int32_t>& starts, int32_t slot) {
        return {items.data() + starts[slot], items.data() + starts[slot + 1]};
    }

    int32_t columns_;
    std::vector<Square> squares_;
    std::vector<int16_t> indexByCell_;
    std::vector<int16_t> neighbours_;
    std::vector<int32_t> neighbourStarts_;
    std::vector<int16_t> rays_;
    std::vector<int32_t> rayStarts_;
};

}  // namespace taravin
