#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/zobrist_keys.h"
#include "search/zeroed_memory.h"

namespace taravin {

// One slot of the table. An empty slot has every byte 0xFF: depth -1 and a lock with all bits
// set, which no position's lock equals (locks are below the entry count).
struct HashEntry {
    int32_t depth;     // remaining depth of the search that found the bounds; <= 0 in quiescence
    int32_t reserved;  // never read or written
    int32_t upper;
    int32_t lower;
    int32_t lock;
};
static_assert(sizeof(HashEntry) == 20);

// The process's table of score bounds: one entry per slot, no buckets, a store always
// replaces. It behaves exactly as a table filled with 0xFF bytes, but each stored entry keeps,
// in the place of the reserved word, the generation of the table it was stored in, and an
// entry of another generation reads as empty. Building takes untouched memory (zero pages,
// generation 0) and clearing starts the next generation, so neither touches the entries.
class TranspositionTable {
  public:
    // Entry counts stay within 32 bits and below the empty lock.
    static constexpr uint32_t kMaxEntryCount = 1U << 31;

    // The entry count for a machine with availableBytes free: the largest power of two whose
    // table fits in a quarter of availableBytes (so the table takes between an eighth and a
    // quarter of it), at least 1 and at most kMaxEntryCount.
    static uint32_t entryCountFor(uint64_t availableBytes);

    // A table of entryCount empty entries, the count rounded down to a power of two (at least
    // 1). Ends the program with "Memory Allocation Error." when the memory cannot be had.
    explicit TranspositionTable(uint32_t entryCount);
    TranspositionTable(const TranspositionTable&) = delete;
    TranspositionTable& operator=(const TranspositionTable&) = delete;

    uint32_t entryCount() const { return mask_ + 1; }
    uint64_t byteCount() const { return uint64_t{entryCount()} * sizeof(HashEntry); }

    // The entry for the position at depth, if its lock and depth match exactly: its value
    // when the bounds meet, lower when lower >= beta, upper when upper <= alpha. On a miss the
    // window is narrowed to the stored bounds where they are tighter.
    std::optional<int32_t> probe(HashPair hash, int32_t depth, int32_t& alpha, int32_t& beta) const;
    // Overwrites the position's slot with the bounds found at depth.
    void store(HashPair hash, int32_t lower, int32_t upper, int32_t depth);
    // Every entry empty again, at once.
    void clear();

    // The entry of a slot as a 0xFF-filled table holds it.
    HashEntry entry(uint32_t slot) const;

  private:
    // A HashEntry as it lies in memory: the reserved word holds the generation.
    struct StoredEntry {
        int32_t depth;
        uint32_t generation;
        int32_t upper;
        int32_t lower;
        int32_t lock;
    };
    static_assert(sizeof(StoredEntry) == sizeof(HashEntry));

    // The slot of a hash index; any index stays inside the table, and indices below the
    // entry count are used as they are.
    uint32_t slotOf(uint32_t hashIndex) const { return hashIndex & mask_; }
    // The stored entry of the position's slot, if it was stored since the last clear.
    const StoredEntry* current(uint32_t slot) const;

    uint32_t mask_;
    ZeroedMemory memory_;
    StoredEntry* const entries_;
    // Never 0, the generation of untouched memory.
    uint32_t generation_ = 1;
};

// "Total Memory: %lu (MB), Available Memory: %lu (MB), Hash Table Size: %lu (MB)", each
// figure in whole mebibytes.
std::string memoryLogLine(uint64_t totalBytes, uint64_t availableBytes, uint64_t tableBytes);

}  // namespace taravin
