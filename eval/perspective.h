#pragma once

#include <cstdint>

#include "model/square.h"

namespace taravin {

// Whose point of view an evaluation takes: side 1 judges for Red, any other value for Blue.
constexpr int32_t ownSide(int32_t side) {
    return side == kRed ? kRed : kBlue;
}
constexpr int32_t opponentSide(int32_t side) {
    return side == kRed ? kBlue : kRed;
}

}  // namespace taravin
