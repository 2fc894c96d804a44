#include <gtest/gtest.h>

#include <limits>

#include "eval/min_distance.h"
#include "eval/mobility.h"
#include "eval_positions.h"

namespace taravin {
namespace {

using testing::makeBoard;

TEST(Mobility, EnclosedOpponentGivesScaledDistancePlusHundred) {
    // Blue C3 is shut in, so s = 0 although Red itself is mobile. Minimum Distance for Red
    // is 72 up to move 12 and 80 from move 13.
    auto board = makeBoard(3, 3, "A1", "C3", "B3, B2, C2");
    EXPECT_EQ(evaluateMobility(*board, Side::kRed, 1), 103);   // 360 / 91 = 3
    EXPECT_EQ(evaluateMobility(*board, Side::kRed, 12), 104);  // 360 / 80 = 4
    EXPECT_EQ(evaluateMobility(*board, Side::kRed, 13), 105);  // 400 / 79 = 5
    EXPECT_EQ(evaluateMobility(*board, Side::kRed, 25), 105);  // 400 / 67 = 5
    EXPECT_EQ(evaluateMobility(*board, Side::kRed, 26), 80);
    EXPECT_EQ(board->evaluationTotal, 80);
}

TEST(Mobility, OpponentRaysAndTruncationTowardsZero) {
    // For Blue: v = -72 and -360 / 91 = -3 (not -4); Red's rays are A2, A3 up and B1, C1
    // right, s = 3 + 3 and 600 / 540 = 1.
    auto board = makeBoard(3, 3, "A1", "C3", "B3, B2, C2");
    EXPECT_EQ(evaluateMobility(*board, Side::kBlue, 1), 96);
    // 1 x 11, Blue A1, Red K1: both reach B1..J1 in one move, so v = 0; Blue's single open
    // line of nine squares adds 45 to s, and 4500 / 540 = 8.
    auto line = makeBoard(1, 11, "K1", "A1");
    EXPECT_EQ(evaluateMobility(*line, Side::kRed, 25), 92);
    EXPECT_EQ(evaluateMobility(*line, Side::kRed, 26), 0);
}

TEST(Mobility, MoveNumbersFarBelowOneDoNotOverflow) {
    auto board = makeBoard(3, 3, "A1", "C3", "B3, B2, C2");
    // 5 * 72 / (92 + 2^31) = 0.
    EXPECT_EQ(evaluateMobility(*board, Side::kRed, std::numeric_limits<int32_t>::min()), 100);
}

}  // namespace
}  // namespace taravin
