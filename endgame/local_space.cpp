#include "endgame/local_space.h"

namespace taravin {

LocalSpace::LocalSpace(const Board& board, std::vector<Square> squares)
    : columns_(board.columns()),
      squares_(std::move(squares)),
      indexByCell_(static_cast<std::size_t>(board.rows() * board.columns()), -1) {
    for (std::size_t k = 0; k < squares_.size(); ++k) {
        indexByCell_[static_cast<std::size_t>((squares_[k].row - 1) * columns_ +
                                              squares_[k].column - 1)] = static_cast<int16_t>(k);
    }
    const auto localAt = [&](int32_t row, int32_t column) {
        return board.isInner(row, column) ? indexOf(Square{row, column}) : -1;
    };
    for (const Square& square : squares_) {
        neighbourStarts_.push_back(static_cast<int32_t>(neighbours_.size()));
        for (const Direction& direction : kDirections) {
            const int32_t next =
                localAt(square.row + direction.rowStep, square.column + direction.columnStep);
            if (next >= 0) {
                neighbours_.push_back(static_cast<int16_t>(next));
            }
        }
        for (const Direction& direction : kDirections) {
            rayStarts_.push_back(static_cast<int32_t>(rays_.size()));
            for (int32_t step = 1;; ++step) {
                const int32_t next = localAt(square.row + step * direction.rowStep,
                                             square.column + step * direction.columnStep);
                if (next < 0) {
                    break;
                }
                rays_.push_back(static_cast<int16_t>(next));
            }
        }
    }
    neighbourStarts_.push_back(static_cast<int32_t>(neighbours_.size()));
    rayStarts_.push_back(static_cast<int32_t>(rays_.size()));
}

int32_t LocalSpace::indexOf(const Square& square) const {
    return indexByCell_[static_cast<std::size_t>((square.row - 1) * columns_ + square.column - 1)];
}

}  // namespace taravin
