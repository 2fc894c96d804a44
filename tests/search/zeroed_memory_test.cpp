#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>

#include "search/zeroed_memory.h"

namespace taravin {
namespace {

bool allZero(const ZeroedMemory& memory) {
    const auto* bytes = static_cast<const unsigned char*>(memory.data());
    for (std::size_t i = 0; i < memory.size(); ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST(ZeroedMemory, ReadsAsZeroWhenFreshAndAfterZeroing) {
    constexpr std::size_t kBytes = 3 * 4096 + 100;
    ZeroedMemory memory(kBytes);
    ASSERT_TRUE(memory.valid());
    EXPECT_EQ(memory.size(), kBytes);
    EXPECT_TRUE(allZero(memory));

    std::memset(memory.data(), 0xAB, kBytes);
    memory.zero();
    EXPECT_TRUE(allZero(memory));

    static_cast<unsigned char*>(memory.data())[kBytes - 1] = 1;
    ZeroedMemory moved(std::move(memory));
    EXPECT_FALSE(memory.valid());
    EXPECT_EQ(static_cast<unsigned char*>(moved.data())[kBytes - 1], 1);
}

TEST(ZeroedMemory, RefusedOrEmptyBlocksAreNotValid) {
    EXPECT_FALSE(ZeroedMemory(0).valid());
    ZeroedMemory refused(SIZE_MAX / 2);
    EXPECT_FALSE(refused.valid());
    EXPECT_EQ(refused.size(), 0U);
    refused.zero();
}

}  // namespace
}  // namespace taravin
