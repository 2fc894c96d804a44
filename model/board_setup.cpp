#include "model/board_setup.h"

#include <new>

#include "model/fatal_error.h"
#include "model/location_parser.h"

namespace taravin {

std::unique_ptr<Board> buildBoard(const BoardSetup& setup,
                                  std::shared_ptr<const ZobristKeys> keys) {
    std::unique_ptr<Board> board(new (std::nothrow) Board(setup.rows, setup.columns));
    if (!board) {
        fatalError(kMemoryAllocationErrorDot);
    }
    board->setHashKeys(std::move(keys));
    placeLocations(*board, setup.blueLocations, kBlue);
    placeLocations(*board, setup.redLocations, kRed);
    placeLocations(*board, setup.arrowLocations, kArrow);
    board->recomputeHash();
    board->computeMoveCapacity();
    return board;
}

}  // namespace taravin
