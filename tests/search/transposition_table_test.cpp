#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>

#include "model/board.h"
#include "search/transposition_table.h"

namespace taravin {
namespace {

constexpr uint64_t kMebibyte = 1048576;
constexpr int32_t kWin = 1000000;

bool readsAsAllOnes(const HashEntry& entry) {
    std::array<unsigned char, sizeof(HashEntry)> bytes{};
    std::memcpy(bytes.data(), &entry, sizeof entry);
    for (const unsigned char byte : bytes) {
        if (byte != 0xFF) {
            return false;
        }
    }
    return true;
}

// Every slot empty, and no real lock (below the entry count) finds anything at any depth.
void expectEmpty(const TranspositionTable& table) {
    for (uint32_t slot = 0; slot < table.entryCount(); ++slot) {
        const HashEntry entry = table.entry(slot);
        EXPECT_TRUE(readsAsAllOnes(entry)) << "slot " << slot;
        EXPECT_EQ(entry.depth, -1);
        EXPECT_EQ(static_cast<uint32_t>(entry.lock), 0xFFFFFFFFU);
        for (uint32_t lock = 0; lock < table.entryCount(); ++lock) {
            for (const int32_t depth : {-1, 0, 1}) {
                int32_t alpha = -kWin;
                int32_t beta = kWin;
                EXPECT_FALSE(table.probe({slot, lock}, depth, alpha, beta));
                EXPECT_EQ(alpha, -kWin);
                EXPECT_EQ(beta, kWin);
            }
        }
    }
}

TEST(TranspositionTable, EntryCountIsTheLargestPowerOfTwoFittingAQuarterOfTheMemory) {
    EXPECT_EQ(TranspositionTable::entryCountFor(64 * kMebibyte), 524288U);
    EXPECT_EQ(TranspositionTable::entryCountFor(16 * kMebibyte), 131072U);
    EXPECT_EQ(TranspositionTable::entryCountFor(320), 4U);
    EXPECT_EQ(TranspositionTable::entryCountFor(319), 2U);
    EXPECT_EQ(TranspositionTable::entryCountFor(160), 2U);
    EXPECT_EQ(TranspositionTable::entryCountFor(159), 1U);
    EXPECT_EQ(TranspositionTable::entryCountFor(0), 1U);
    EXPECT_EQ(TranspositionTable::entryCountFor(24 * 1024 * kMebibyte), 1U << 28);

    for (uint64_t available = 160; available < (uint64_t{1} << 38);
         available = available * 3 / 2 + 7) {
        const uint64_t count = TranspositionTable::entryCountFor(available);
        const uint64_t bytes = count * sizeof(HashEntry);
        EXPECT_EQ(count & (count - 1), 0U) << available;
        EXPECT_GT(bytes, available / 8) << available;
        EXPECT_LE(bytes, available / 4) << available;
    }
}

TEST(TranspositionTable, EntryCountStopsBelowTheEmptyLockOnHugeMachines) {
    EXPECT_EQ(TranspositionTable::entryCountFor(uint64_t{1} << 50),
              TranspositionTable::kMaxEntryCount);
    EXPECT_EQ(TranspositionTable::entryCountFor(UINT64_MAX), TranspositionTable::kMaxEntryCount);
}

TEST(TranspositionTable, CountsAreRoundedDownToAPowerOfTwo) {
    EXPECT_EQ(TranspositionTable(5).entryCount(), 4U);
    EXPECT_EQ(TranspositionTable(0).entryCount(), 1U);
    EXPECT_EQ(TranspositionTable(524288).byteCount(), 10485760U);
}

TEST(TranspositionTable, ProbeNeedsTheSameDepthAndLock) {
    TranspositionTable table(8);
    const HashPair position{5, 3};
    table.store(position, 10, 10, 3);

    int32_t alpha = -kWin;
    int32_t beta = kWin;
    EXPECT_FALSE(table.probe(position, 4, alpha, beta));
    EXPECT_FALSE(table.probe(position, 2, alpha, beta));
    EXPECT_FALSE(table.probe({5, 4}, 3, alpha, beta));
    EXPECT_EQ(alpha, -kWin);
    EXPECT_EQ(beta, kWin);
    EXPECT_EQ(table.probe(position, 3, alpha, beta), 10);

    table.store(position, 20, 30, -2);
    EXPECT_FALSE(table.probe(position, 3, alpha, beta)) << "a store always replaces";
    alpha = 40;
    beta = 50;
    EXPECT_EQ(table.probe(position, -2, alpha, beta), 30) << "quiescence depths match too";
}

TEST(TranspositionTable, ProbeAnswersFromTheBoundsOrNarrowsTheWindow) {
    TranspositionTable table(4);
    const HashPair position{1, 2};
    int32_t alpha = 0;
    int32_t beta = 0;

    table.store(position, -kWin, 500, 6);
    alpha = 600;
    beta = 700;
    EXPECT_EQ(table.probe(position, 6, alpha, beta), 500) << "upper bound at or below alpha";
    EXPECT_EQ(alpha, 600);
    EXPECT_EQ(beta, 700);

    table.store(position, 800, kWin, 6);
    EXPECT_EQ(table.probe(position, 6, alpha, beta), 800) << "lower bound at or above beta";

    table.store(position, 700, kWin, 6);
    EXPECT_EQ(table.probe(position, 6, alpha, beta), 700) << "lower bound equal to beta";

    table.store(position, 100, 900, 6);
    alpha = 0;
    beta = 1000;
    EXPECT_FALSE(table.probe(position, 6, alpha, beta));
    EXPECT_EQ(alpha, 100);
    EXPECT_EQ(beta, 900);

    alpha = 200;
    beta = 300;
    EXPECT_FALSE(table.probe(position, 6, alpha, beta)) << "looser bounds leave the window";
    EXPECT_EQ(alpha, 200);
    EXPECT_EQ(beta, 300);

    table.store(position, 250, 250, 6);
    alpha = 300;
    beta = 400;
    EXPECT_EQ(table.probe(position, 6, alpha, beta), 250) << "exact value outside the window";
}

TEST(TranspositionTable, FreshAndClearedTablesReadAsAllOnes) {
    TranspositionTable table(8);
    expectEmpty(table);

    for (uint32_t slot = 0; slot < 8; ++slot) {
        table.store({slot, slot}, 0, 0, -1);
    }
    table.clear();
    expectEmpty(table);

    table.store({6, 1}, 7, 7, 2);
    int32_t alpha = -kWin;
    int32_t beta = kWin;
    EXPECT_EQ(table.probe({6, 1}, 2, alpha, beta), 7);
    const HashEntry entry = table.entry(6);
    EXPECT_EQ(entry.depth, 2);
    EXPECT_EQ(entry.lower, 7);
    EXPECT_EQ(entry.upper, 7);
    EXPECT_EQ(entry.lock, 1);
    EXPECT_EQ(entry.reserved, -1) << "the reserved word is never written";
    EXPECT_TRUE(readsAsAllOnes(table.entry(5)));
}

TEST(TranspositionTable, HashIndicesBeyondTheTableStayInside) {
    TranspositionTable table(4);
    table.store({0xFFFFFFFFU, 2}, 3, 3, 1);
    int32_t alpha = -kWin;
    int32_t beta = kWin;
    EXPECT_EQ(table.probe({3, 2}, 1, alpha, beta), 3);
    EXPECT_EQ(table.probe({7, 2}, 1, alpha, beta), 3);
    EXPECT_EQ(table.entry(3).lower, 3);
}

// With locks of only log2(n) bits, different positions can share slot and lock; the table
// cannot tell them apart.
TEST(TranspositionTable, PositionsWithTheSameSlotAndLockShareTheEntry) {
    Mt19937 generator;
    constexpr uint32_t kEntries = 2;
    Board board(1, 5);
    board.setHashKeys(std::make_shared<const ZobristKeys>(
        ZobristKeys::build(generator, board.cellCount(), kEntries)));

    // Five one-arrow positions over four possible hash pairs: two of them must share one.
    std::map<std::pair<uint32_t, uint32_t>, int32_t> columnByHash;
    int32_t first = 0;
    int32_t second = 0;
    for (int32_t column = 1; column <= 5 && second == 0; ++column) {
        board.setContent(1, column, Content::kArrow, true);
        const HashPair hash = board.hash();
        const auto [seen, inserted] = columnByHash.try_emplace({hash.index, hash.lock}, column);
        if (!inserted) {
            first = seen->second;
            second = column;
        }
        board.setContent(1, column, Content::kEmpty, true);
    }
    ASSERT_NE(second, 0);

    TranspositionTable table(kEntries);
    board.setContent(1, first, Content::kArrow, true);
    table.store(board.hash(), 42, 42, 1);
    board.setContent(1, first, Content::kEmpty, true);
    board.setContent(1, second, Content::kArrow, true);
    int32_t alpha = -kWin;
    int32_t beta = kWin;
    EXPECT_EQ(table.probe(board.hash(), 1, alpha, beta), 42);
}

TEST(TranspositionTable, MemoryLineGivesWholeMebibytes) {
    EXPECT_EQ(memoryLogLine(8192 * kMebibyte, 64 * kMebibyte, 10485760),
              "Total Memory: 8192 (MB), Available Memory: 64 (MB), Hash Table Size: 10 (MB)");
    EXPECT_EQ(memoryLogLine(kMebibyte - 1, 2 * kMebibyte - 1, 20),
              "Total Memory: 0 (MB), Available Memory: 1 (MB), Hash Table Size: 0 (MB)");
    EXPECT_EQ(memoryLogLine(UINT64_MAX, 0, 0),
              "Total Memory: 17592186044415 (MB), Available Memory: 0 (MB), Hash Table Size: 0 "
              "(MB)");
}

}  // namespace
}  // namespace taravin
