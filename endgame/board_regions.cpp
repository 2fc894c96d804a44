#include "endgame/board_regions.h"

#include <algorithm>

namespace taravin {

std::vector<BoardRegion> findBoardRegions(const Board& board) {
    const auto cell = [&](const Square& square) {
        return static_cast<std::size_t>((square.row - 1) * board.columns() + square.column - 1);
    };
    std::vector<bool> seen(static_cast<std::size_t>(board.rows() * board.columns()), false);
    std::vector<BoardRegion> regions;
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            const Square start{row, column};
            if (seen[cell(start)] || board.content(start) == Content::kArrow) {
                continue;
            }
            BoardRegion region;
            seen[cell(start)] = true;
            region.squares.push_back(start);
            for (std::size_t next = 0; next < region.squares.size(); ++next) {
                const Square square = region.squares[next];
                for (const Direction& direction : kDirections) {
                    const Square neighbour{square.row + direction.rowStep,
                                           square.column + direction.columnStep};
                    if (board.isInner(neighbour.row, neighbour.column) && !seen[cell(neighbour)] &&
                        board.content(neighbour) != Content::kArrow) {
                        seen[cell(neighbour)] = true;
                        region.squares.push_back(neighbour);
                    }
                }
            }
            std::sort(region.squares.begin(), region.squares.end(),
                      [](const Square& left, const Square& right) {
                          return left.row != right.row ? left.row < right.row
                                                       : left.column < right.column;
                      });
            for (const Square& square : region.squares) {
                const Content content = board.content(square);
                region.emptySquares += content == Content::kEmpty ? 1 : 0;
                region.redAmazons += content == Content::kRed ? 1 : 0;
                region.blueAmazons += content == Content::kBlue ? 1 : 0;
            }
            regions.push_back(std::move(region));
        }
    }
    return regions;
}

}  // namespace taravin
