#include <gtest/gtest.h>

#include "eval/set_floods.h"
#include "model/mt19937.h"

namespace taravin {
namespace {

// Every vector kernel this processor runs gives the portable kernel's reach, on random
// positions of every size up to the largest set board, with sparse and dense origins.
TEST(ReachKernels, MatchThePortableFill) {
    Mt19937 generator(4357);
    const auto randomSet = [&](SquareSet within, uint32_t percent) {
        SquareSet set = 0;
        for (int32_t bit = 0; bit < kSquareSetBits; ++bit) {
            if ((within >> bit & 1) != 0 && generator.next() % 100 < percent) {
                set |= SquareSet{1} << bit;
            }
        }
        return set;
    };
    int32_t compared = 0;
    for (ReachKernel kernel : {ReachKernel::kAvx2, ReachKernel::kAvx512}) {
        if (!runsReachKernel(kernel)) {
            continue;
        }
        for (int32_t trial = 0; trial < 2000; ++trial) {
            const int32_t rows = 1 + static_cast<int32_t>(generator.next() % kSetSide);
            const int32_t columns = 1 + static_cast<int32_t>(generator.next() % kSetSide);
            SquareSet inner = 0;
            for (int32_t row = 1; row <= rows; ++row) {
                inner |= lowestBits(columns) << ((row - 1) * kSetWidth);
            }
            const SquareSet empty = randomSet(inner, 40 + generator.next() % 60);
            const SquareSet origins = randomSet(inner, trial % 2 == 0 ? 3 : 40);
            const QueenReach portable(empty, ReachKernel::kPortable);
            const QueenReach vector(empty, kernel);
            ASSERT_TRUE(vector.from(origins) == portable.from(origins))
                << "kernel " << static_cast<int>(kernel) << ", trial " << trial;
            ++compared;
        }
    }
    if (compared == 0) {
        GTEST_SKIP() << "this processor runs no vector kernel";
    }
}

}  // namespace
}  // namespace taravin
