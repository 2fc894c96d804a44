#pragma once

#include <cstdint>

#include "model/square.h"

namespace taravin {

// One move of a principal variation with its score and its position in its node's list.
struct PvEntry {
    Square from;
    Square to;
    Square arrow;
    int32_t score = 0;
    int32_t listIndex = 0;
};

}  // namespace taravin
