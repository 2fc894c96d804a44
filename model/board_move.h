#pragma once

#include "model/square.h"

namespace taravin {

// A whole move as plain squares: the amazon's start and destination and the arrow.
struct BoardMove {
    Square from;
    Square to;
    Square arrow;
    friend bool operator==(const BoardMove&, const BoardMove&) = default;
};

}  // namespace taravin
