#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "model/mt19937.h"
#include "model/zobrist_keys.h"

namespace taravin {
namespace {

// std::mt19937 shares the twist and tempering but seeds differently; loaded with the
// reference generator's 69069 seeding it must give the same outputs.
std::mt19937 standardGeneratorWithReferenceSeeding(uint32_t seed) {
    std::ostringstream state;
    uint32_t word = seed;
    for (int i = 0; i < 624; ++i) {
        state << word << ' ';
        word *= 69069U;
    }
    state << 624;
    std::mt19937 generator;
    std::istringstream input(state.str());
    input >> generator;
    return generator;
}

TEST(Mt19937, MatchesTheReferenceGeneratorWithDefaultSeed) {
    Mt19937 first;
    for (uint32_t expected : {3510405877u, 4290933890u, 2191955339u, 564929546u, 152112058u}) {
        EXPECT_EQ(first.next(), expected);
    }
    Mt19937 generator;
    auto reference = standardGeneratorWithReferenceSeeding(4357);
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(generator.next(), reference()) << "output " << i;
    }
}

TEST(Mt19937, ReseedingRestartsTheSequence) {
    Mt19937 generator(12345);
    const uint32_t first = generator.next();
    generator.next();
    generator.seed(12345);
    EXPECT_EQ(generator.next(), first);
    Mt19937 standard(Mt19937::kDefaultSeed);
    Mt19937 unseeded;
    EXPECT_EQ(standard.next(), unseeded.next());
}

TEST(ZobristKeys, ValuesComeInOrderBelowTheTableSize) {
    Mt19937 generator;
    const ZobristKeys keys = ZobristKeys::build(generator, 144, 1024);
    ASSERT_EQ(keys.index.size(), 432u);
    ASSERT_EQ(keys.lock.size(), 432u);
    Mt19937 replay;
    for (uint32_t value : keys.index) {
        EXPECT_EQ(value, replay.next() % 1024);
    }
    for (uint32_t value : keys.lock) {
        EXPECT_EQ(value, replay.next() % 1024);
    }
}

}  // namespace
}  // namespace taravin
