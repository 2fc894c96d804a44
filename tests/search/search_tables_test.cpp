#include <gtest/gtest.h>

#include "model/board.h"
#include "search/search_tables.h"

namespace taravin {
namespace {

constexpr uint64_t kMebibyte = 1048576;

TEST(SearchTables, SizesTheTableAndDrawsHashValuesBelowItsSize) {
    Mt19937 generator;
    const SearchTables tables(FixedMemoryStatus(8192 * kMebibyte, 64 * kMebibyte), generator, 10,
                              10);
    EXPECT_EQ(tables.table().entryCount(), 524288U);
    EXPECT_EQ(tables.memoryLogLine(),
              "Total Memory: 8192 (MB), Available Memory: 64 (MB), Hash Table Size: 10 (MB)");

    const ZobristKeys& keys = *tables.hashKeys();
    EXPECT_EQ(keys.cellCount, 144);
    ASSERT_EQ(keys.index.size(), 3U * 144);
    ASSERT_EQ(keys.lock.size(), 3U * 144);
    for (std::size_t i = 0; i < keys.index.size(); ++i) {
        EXPECT_LT(keys.index[i], 524288U);
        EXPECT_LT(keys.lock[i], 524288U);
    }
}

TEST(SearchTables, EachBuildContinuesTheGeneratorSequence) {
    Mt19937 shared;
    const FixedMemoryStatus memory(320);
    const SearchTables first(memory, shared, 3, 5);
    const SearchTables second(memory, shared, 3, 5);

    Mt19937 reference;
    const ZobristKeys expectedFirst = ZobristKeys::build(reference, 5 * 7, 4);
    const ZobristKeys expectedSecond = ZobristKeys::build(reference, 5 * 7, 4);
    EXPECT_EQ(first.hashKeys()->index, expectedFirst.index);
    EXPECT_EQ(first.hashKeys()->lock, expectedFirst.lock);
    EXPECT_EQ(second.hashKeys()->index, expectedSecond.index);
    EXPECT_EQ(second.hashKeys()->lock, expectedSecond.lock);
}

TEST(SearchTables, SizesTheBoardRejectsGetTheBoardsFallback) {
    Mt19937 generator;
    const SearchTables tables(FixedMemoryStatus(100), generator, 0, 12);
    EXPECT_EQ(tables.table().entryCount(), 1U);
    Board board(0, 12);
    board.setHashKeys(tables.hashKeys());
    EXPECT_EQ(board.hashKeys(), tables.hashKeys());
}

}  // namespace
}  // namespace taravin
