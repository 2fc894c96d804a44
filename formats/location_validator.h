#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/board_setup.h"
#include "model/square.h"

namespace taravin {

// The squares accepted so far while the three lists of a setup are checked.
struct AcceptedSquares {
    std::vector<Square> red;
    std::vector<Square> blue;
    std::vector<Square> arrows;
};

struct LocationCheck {
    bool valid = false;
    int32_t count = 0;
};

// The strict parser for what the user types: every token must name a square of the board
// that no list accepted so far holds, separated by commas and blanks. Unlike the lenient
// parser it refuses a separator at the start, a token it cannot read and a repeated square.
// An empty text is valid only for the arrows. The accepted squares are appended
// to the list of `content`.
LocationCheck validateLocations(std::string_view text, Content content, int32_t rows,
                                int32_t columns, AcceptedSquares& accepted);

// The fields of the Board Configuration dialog as typed.
struct BoardConfigurationFields {
    std::string rows;
    std::string columns;
    std::string redLocations;
    std::string blueLocations;
    std::string arrowLocations;
};

enum class BoardConfigurationField { kNone, kRows, kColumns, kRed, kBlue, kArrows };

inline constexpr const char* kInvalidRedMessage =
    "Invalid positions for the Red Amazons are specified.";
inline constexpr const char* kInvalidBlueMessage =
    "Invalid positions for the Blue Amazons are specified.";
inline constexpr const char* kInvalidArrowsMessage =
    "Invalid positions for the Arrows are specified.";
inline constexpr const char* kQueenCountMismatchMessage =
    "The number of queens for red and blue players do not match.";

// "The game allows only up to %d number of queens" with the limit of 4.
std::string queenLimitMessage();

// The outcome of the dialog's OK: with an empty message the setup may be stored. A rows or
// columns message is the standard field message (the dialog stays at that field); every other
// message goes in a stop-icon box. `field` names the field at fault, kNone for the counts.
struct BoardConfigurationCheck {
    std::string message;
    BoardConfigurationField field = BoardConfigurationField::kNone;
    BoardSetup setup;
    bool accepted() const { return message.empty(); }
};

// Rows, then columns (integers 1..20), then Red, Blue and the arrows with the strict parser,
// then equal amazon counts, then at most four a side.
BoardConfigurationCheck checkBoardConfiguration(const BoardConfigurationFields& fields);

}  // namespace taravin
