#pragma once

#include <cstdint>

#include "model/square.h"

namespace taravin {

// One move as the search lists, scores and records it in principal variations: plain values,
// unlike the game record's entries with their texts and board copies.
struct SearchMove {
    Square from;
    Square to;
    Square arrow;
    int32_t score = 0;
    // Its position in its node's ordered list, as a principal variation shows it.
    int32_t listIndex = 0;
    // The moving amazon's position in the node's snapshot of its side's list.
    int32_t amazonIndex = 0;
};

}  // namespace taravin
