#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/square.h"

namespace taravin {

// A square name as typed in the Manual Move Entry dialog: a column letter of either case from
// A to the board's last column, then the row as a standard string-to-integer conversion reads
// it (blanks, a sign, digits up to the first other character: "A1x" is A1), from 1 to rows.
std::optional<Square> parseTypedSquare(std::string_view text, int32_t rows, int32_t columns);

}  // namespace taravin
