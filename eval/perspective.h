#pragma once

#include <cstdint>

#include "model/square.h"

namespace taravin {

// Whose point of view an evaluation takes: Red judges for Red, any other value for Blue.
constexpr Side ownSide(Side side) {
    return side == Side::kRed ? Side::kRed : Side::kBlue;
}
constexpr Side opponentSide(Side side) {
    return side == Side::kRed ? Side::kBlue : Side::kRed;
}

}  // namespace taravin
