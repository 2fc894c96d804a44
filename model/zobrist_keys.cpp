#include "model/zobrist_keys.h"

namespace taravin {

ZobristKeys ZobristKeys::build(Mt19937& generator, int32_t cellCount, uint32_t tableSize) {
    ZobristKeys keys;
    keys.cellCount = cellCount;
    const std::size_t entries = 3 * static_cast<std::size_t>(cellCount);
    const uint32_t modulus = tableSize == 0 ? 1 : tableSize;
    keys.index.resize(entries);
    keys.lock.resize(entries);
    for (uint32_t& value : keys.index) {
        value = generator.next() % modulus;
    }
    for (uint32_t& value : keys.lock) {
        value = generator.next() % modulus;
    }
    return keys;
}

}  // namespace taravin
