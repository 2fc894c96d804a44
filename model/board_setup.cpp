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
    placeLocations(*board, setup.blueLocations, Content::kBlue);
    placeLocations(*board, setup.redLocations, Content::kRed);
    placeLocations(*board, setup.arrowLocations, Content::kArrow);
    board->recomputeHash();
    board->computeMoveCapacity();
    return board;
}

}  // namespace taravin
