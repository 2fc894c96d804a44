#include "search/transposition_table.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "model/fatal_error.h"

namespace taravin {

namespace {

// The table takes at most this share (1 / kAvailableShare) of the available memory.
constexpr uint64_t kAvailableShare = 4;
constexpr uint64_t kBytesPerMebibyte = 1048576;

// Stored words are complements, so that zero memory reads as 0xFF bytes.
int32_t encoded(int32_t value) {
    return ~value;
}
int32_t decoded(int32_t stored) {
    return ~stored;
}

}  // namespace

uint32_t TranspositionTable::entryCountFor(uint64_t availableBytes) {
    const uint64_t share = availableBytes / kAvailableShare;
    uint64_t count = 1;
    while (count < kMaxEntryCount && 2 * count * sizeof(HashEntry) <= share) {
        count *= 2;
    }
    return static_cast<uint32_t>(count);
}

TranspositionTable::TranspositionTable(uint32_t entryCount)
    : mask_(std::bit_floor(std::max(entryCount, 1U)) - 1),
      memory_(byteCount()),
      entries_(static_cast<HashEntry*>(memory_.data())) {
    if (!memory_.valid()) {
        fatalError(kMemoryAllocationErrorDot);
    }
}

std::optional<int32_t> TranspositionTable::probe(HashPair hash, int32_t depth, int32_t& alpha,
                                                 int32_t& beta) const {
    const HashEntry& stored = entries_[slotOf(hash.index)];
    if (decoded(stored.lock) != static_cast<int32_t>(hash.lock) || decoded(stored.depth) != depth) {
        return std::nullopt;
    }
    const int32_t lower = decoded(stored.lower);
    const int32_t upper = decoded(stored.upper);
    if (lower == upper) {
        return lower;
    }
    if (lower >= beta) {
        return lower;
    }
    if (upper <= alpha) {
        return upper;
    }
    if (lower > alpha) {
        alpha = lower;
    }
    if (upper < beta) {
        beta = upper;
    }
    return std::nullopt;
}

void TranspositionTable::store(HashPair hash, int32_t lower, int32_t upper, int32_t depth) {
    HashEntry& stored = entries_[slotOf(hash.index)];
    stored.depth = encoded(depth);
    stored.upper = encoded(upper);
    stored.lower = encoded(lower);
    stored.lock = encoded(static_cast<int32_t>(hash.lock));
}

void TranspositionTable::clear() {
    memory_.zero();
}

HashEntry TranspositionTable::entry(uint32_t slot) const {
    const HashEntry& stored = entries_[slotOf(slot)];
    return {decoded(stored.depth), decoded(stored.reserved), decoded(stored.upper),
            decoded(stored.lower), decoded(stored.lock)};
}

std::string memoryLogLine(uint64_t totalBytes, uint64_t availableBytes, uint64_t tableBytes) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "Total Memory: %lu (MB), Available Memory: %lu (MB), Hash Table Size: %lu (MB)",
                  static_cast<unsigned long>(totalBytes / kBytesPerMebibyte),
                  static_cast<unsigned long>(availableBytes / kBytesPerMebibyte),
                  static_cast<unsigned long>(tableBytes / kBytesPerMebibyte));
    return line;
}

}  // namespace taravin
