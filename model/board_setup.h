#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/board.h"

namespace taravin {

inline constexpr const char* kDefaultRedLocations = "A4, D1, G1, J4";
inline constexpr const char* kDefaultBlueLocations = "A7, D10, G10, J7";

// The start position as stored: board size and the three location lists, texts as typed.
struct BoardSetup {
    int32_t rows = kDefaultBoardSize;
    int32_t columns = kDefaultBoardSize;
    std::string redLocations = kDefaultRedLocations;
    std::string blueLocations = kDefaultBlueLocations;
    std::string arrowLocations;
};

// Builds the start position: construct, place Blue, Red, then arrows (a later placement
// replaces an earlier one), recompute the hash with the given keys, compute moveCapacity.
std::unique_ptr<Board> buildBoard(const BoardSetup& setup,
                                  std::shared_ptr<const ZobristKeys> keys = nullptr);

}  // namespace taravin
