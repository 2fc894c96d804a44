#include "search/score_sort.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace taravin {

void sortByScore(SearchMove* begin, SearchMove* end, bool maximising) {
    // Sorting one word per move, the score's order above the move's place, gives the stable
    // order while moving eight bytes instead of a whole move; as no two words are equal, a
    // plain sort gives it too. The buffers stay per thread.
    thread_local std::vector<uint64_t> keys;
    thread_local std::vector<SearchMove> moves;
    const auto count = static_cast<std::size_t>(end - begin);
    keys.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Flipping the sign bit orders scores as unsigned words; inverting reverses the order.
        const uint32_t ascending = static_cast<uint32_t>(begin[i].score) ^ 0x80000000u;
        const uint32_t rank = maximising ? ~ascending : ascending;
        keys[i] = uint64_t{rank} << 32 | i;
    }
    std::sort(keys.begin(), keys.end());
    moves.assign(begin, end);
    for (std::size_t i = 0; i < count; ++i) {
        begin[i] = moves[static_cast<uint32_t>(keys[i])];
    }
}

}  // namespace taravin
