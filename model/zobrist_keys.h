#pragma once

#include <cstdint>
#include <vector>

#include "model/mt19937.h"

namespace taravin {

// The two tables of hash values, one for the slot (index) and one for the lock, each with
// one value per cell of the bordered board for a Red amazon, a Blue amazon and an arrow:
// cell i at i, cellCount + i and 2 * cellCount + i. Every value is below the table size.
struct ZobristKeys {
    int32_t cellCount = 0;
    std::vector<uint32_t> index;
    std::vector<uint32_t> lock;

    // Fills the index table, then the lock table, with generator outputs modulo tableSize.
    static ZobristKeys build(Mt19937& generator, int32_t cellCount, uint32_t tableSize);
};

struct HashPair {
    uint32_t index = 0;
    uint32_t lock = 0;
    friend bool operator==(const HashPair&, const HashPair&) = default;
};

}  // namespace taravin
