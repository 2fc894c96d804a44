#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/board.h"

namespace taravin {

// The lenient parser that builds boards: places `content` with update on every valid square
// named in the text ("A4, D1, G1, J4"; either case; repeated, leading and trailing commas and
// blanks allowed). Invalid names are skipped silently; a square named twice is placed twice.
// An amazon beyond the fourth of its side is not placed, so a board never holds more.
void placeLocations(Board& board, std::string_view text, Content content);

// The valid squares of a location text on a board of the given size, in the order the
// lenient parser places them (repeats included).
std::vector<Square> parseLocations(std::string_view text, int32_t rows, int32_t columns);

// The number at the start of the text as a standard string-to-integer conversion reads it
// (leading white space, an optional sign, digits), saturated instead of overflowing; 0 when
// there is none.
int64_t leadingInteger(std::string_view text);

}  // namespace taravin
