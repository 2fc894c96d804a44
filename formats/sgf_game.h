#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/game_file_reader.h"
#include "model/move_review.h"
#include "model/square.h"

namespace taravin {

// One move of an SGF game: B (the first player, Red) or W (Blue) with its three points.
struct SgfMove {
    Side side = Side::kRed;
    // Nothing when the value names no move on the board (a pass, a point off the board).
    std::optional<ScannedMove> squares;
    // The property as it stood in the file, "B[djddgd]", for messages.
    std::string property;
    // The move's review, written as annotations of its node and read back from them.
    std::optional<MoveReview> review{};
};

// An SGF game as the program reads and writes it: the start position, the players, the result
// and the main line of moves with their reviews. Texts are UTF-8.
struct SgfGame {
    int32_t rows = kDefaultBoardSize;
    int32_t columns = kDefaultBoardSize;
    // The start position; the amazons in the order they were placed, which is the order of
    // the sides' lists on the board built from them.
    std::vector<Square> redAmazons;
    std::vector<Square> blueAmazons;
    std::vector<Square> arrows;
    std::string redName;
    std::string blueName;
    // "B+12": the winner (B Red, W Blue) and the winner's margin or the reason.
    std::string result;
    std::string date;
    std::vector<SgfMove> moves;
};

}  // namespace taravin
