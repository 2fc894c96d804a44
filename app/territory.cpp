#include "app/territory.h"

#include "eval/distance_floods.h"

namespace taravin {

std::vector<Content> territoryOwners(const Board& board) {
    // The floods write the board's distance fields, so they run on a copy.
    Board scratch(board);
    computeQueenDistances(scratch, Side::kRed);
    computeQueenDistances(scratch, Side::kBlue);
    std::vector<Content> owners(static_cast<std::size_t>(board.cellCount()), Content::kEmpty);
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            if (board.content(row, column) != Content::kEmpty) {
                continue;
            }
            // 0 is "not reached".
            const int32_t red = scratch.distance(Side::kRed, row, column);
            const int32_t blue = scratch.distance(Side::kBlue, row, column);
            Content owner = Content::kEmpty;
            if (red > 0 && (blue == 0 || red < blue)) {
                owner = Content::kRed;
            } else if (blue > 0 && (red == 0 || blue < red)) {
                owner = Content::kBlue;
            }
            owners[static_cast<std::size_t>(board.indexOf(row, column))] = owner;
        }
    }
    return owners;
}

}  // namespace taravin
