#include <gtest/gtest.h>

#include "search/memory_status.h"

namespace taravin {
namespace {

TEST(MemoryStatus, SystemFiguresAreWholeMachineSized) {
    const SystemMemoryStatus system;
    const uint64_t total = system.totalBytes();
    const uint64_t available = system.availableBytes();
    EXPECT_GE(total, uint64_t{64} << 20) << "figures must be bytes, not kibibytes";
    EXPECT_GT(available, 0U);
    EXPECT_LE(available, total);
}

TEST(MemoryStatus, FixedFiguresStandForTheMachine) {
    EXPECT_EQ(FixedMemoryStatus(320).totalBytes(), 320U);
    EXPECT_EQ(FixedMemoryStatus(320).availableBytes(), 320U);
    EXPECT_EQ(FixedMemoryStatus(1000, 320).totalBytes(), 1000U);
}

}  // namespace
}  // namespace taravin
