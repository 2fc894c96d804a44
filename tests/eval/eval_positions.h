#pragma once

#include <memory>
#include <string>

#include "model/board_setup.h"

namespace taravin::testing {

// A board as the setup loader builds it: Blue's squares, then Red's, then the arrows, each
// list in the order written (which is also the order of the side's amazon list).
inline std::unique_ptr<Board> makeBoard(int32_t rows, int32_t columns, const std::string& red,
                                        const std::string& blue, const std::string& arrows = "") {
    BoardSetup setup;
    setup.rows = rows;
    setup.columns = columns;
    setup.redLocations = red;
    setup.blueLocations = blue;
    setup.arrowLocations = arrows;
    return buildBoard(setup);
}

// Arrows on rows 2, 4, ..., 18 of a 20 x 20 board, each wall open only at its end column,
// alternately T and A: from A1 the empty squares form one long winding corridor.
inline std::string winding20x20Walls() {
    std::string text;
    for (int32_t row = 2; row <= 18; row += 2) {
        const int32_t gap = row % 4 == 2 ? 20 : 1;
        for (int32_t column = 1; column <= 20; ++column) {
            if (column != gap) {
                text += squareName(row, column) + ",";
            }
        }
    }
    return text;
}

}  // namespace taravin::testing
