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

// Every byte 0xFF: depth -1 and a lock no position has.
constexpr HashEntry kEmptyEntry{-1, -1, -1, -1, -1};

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
      entries_(static_cast<StoredEntry*>(memory_.data())) {
    if (!memory_.valid()) {
        fatalError(kMemoryAllocationErrorDot);
    }
}

const TranspositionTable::StoredEntry* TranspositionTable::current(uint32_t slot) const {
    const StoredEntry& stored = entries_[slot];
    return stored.generation == generation_ ? &stored : nullptr;
}

std::optional<int32_t> TranspositionTable::probe(HashPair hash, int32_t depth, int32_t& alpha,
                                                 int32_t& beta) const {
    // Entries stored before the last clear read as empty, which nothing matches.
    const StoredEntry* stored = current(slotOf(hash.index));
    if (!stored || stored->lock != static_cast<int32_t>(hash.lock) || stored->depth != depth) {
        return std::nullopt;
    }
    const int32_t lower = stored->lower;
    const int32_t upper = stored->upper;
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
    entries_[slotOf(hash.index)] = {depth, generation_, upper, lower,
                                    static_cast<int32_t>(hash.lock)};
}

void TranspositionTable::clear() {
    ++generation_;
    // After 2^32 - 1 clears the generations come round again: only then is the memory wiped,
    // so that no entry of an earlier round can read as current.
    if (generation_ == 0) {
        memory_.zero();
        generation_ = 1;
    }
}

HashEntry TranspositionTable::entry(uint32_t slot) const {
    const StoredEntry* stored = current(slotOf(slot));
    if (!stored) {
        return kEmptyEntry;
    }
    return {stored->depth, kEmptyEntry.reserved, stored->upper, stored->lower, stored->lock};
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
