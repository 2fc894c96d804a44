#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/mt19937.h"
#include "model/zobrist_keys.h"
#include "search/memory_status.h"
#include "search/transposition_table.h"

namespace taravin {

// The tables that every settings load rebuilds for the search: the transposition table sized
// from the available memory, and the hash values for boards of the loaded size (to hand to
// Board::setHashKeys), drawn from the continuing generator sequence with every value below
// the table's entry count. Free the previous tables before building new ones, so that two
// tables never hold memory at once.
class SearchTables {
  public:
    // Reads the memory figures once; sizes outside the board's range get the board's default
    // size, as Board does. Ends the program with "Memory Allocation Error." when the table
    // cannot be had.
    SearchTables(const MemoryStatus& memory, Mt19937& generator, int32_t rows, int32_t columns);

    TranspositionTable& table() { return table_; }
    const TranspositionTable& table() const { return table_; }
    const std::shared_ptr<const ZobristKeys>& hashKeys() const { return keys_; }

    // The Information Window's line about this build.
    std::string memoryLogLine() const;

  private:
    uint64_t totalBytes_;
    uint64_t availableBytes_;
    TranspositionTable table_;
    std::shared_ptr<const ZobristKeys> keys_;
};

}  // namespace taravin
