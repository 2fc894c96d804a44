#include "search/search_tables.h"

#include <new>

#include "model/board.h"
#include "model/fatal_error.h"

namespace taravin {

namespace {

// The bordered cell count of the board that loadSettings is about to build, with the board's
// own fallback for sizes it does not accept.
int32_t boardCellCount(int32_t rows, int32_t columns) {
    return Board(rows, columns).cellCount();
}

}  // namespace

SearchTables::SearchTables(const MemoryStatus& memory, Mt19937& generator, int32_t rows,
                           int32_t columns)
    : totalBytes_(memory.totalBytes()),
      availableBytes_(memory.availableBytes()),
      table_(TranspositionTable::entryCountFor(availableBytes_)) {
    try {
        keys_ = std::make_shared<const ZobristKeys>(
            ZobristKeys::build(generator, boardCellCount(rows, columns), table_.entryCount()));
    } catch (const std::bad_alloc&) {
        fatalError(kMemoryAllocationErrorDot);
    }
}

std::string SearchTables::memoryLogLine() const {
    return taravin::memoryLogLine(totalBytes_, availableBytes_, table_.byteCount());
}

}  // namespace taravin
