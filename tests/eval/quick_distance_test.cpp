#include <gtest/gtest.h>

#include "eval/field_evaluations.h"
#include "eval/quick_distance.h"
#include "eval_positions.h"

namespace taravin {
namespace {

using testing::makeBoard;

TEST(QuickDistance, ClassesFromMarkedRaysInScanOrder) {
    // 2 x 4, Red A1, Blue B1. One move: Red A2, B2; Blue A2, B2, C2, C1, D1.
    // Scan from row 1: C1 sees Red's B2 -> Red class 2 (Q1[2][1] = -9). D1 sees only C1,
    // whose 2 was set earlier in the scan and does not count, so Red stays 0 (Q1[0][1] =
    // -15). A2, B2 are level. C2 sees B2 -> (2, 1), -9. D2 sees B2 past C2 for Red and C2
    // for Blue -> (2, 2), 0. Total -33.
    auto board = makeBoard(2, 4, "A1", "B1");
    EXPECT_EQ(evaluateQuickDistance(*board, Side::kRed, 1), -33);
    EXPECT_EQ(board->evaluationTotal, -33);
    EXPECT_EQ(quickDistanceOnFields(*board, Side::kRed, 1), -33);
    EXPECT_EQ(board->distance(Side::kRed, 1, 4), 0);
    EXPECT_EQ(board->distance(Side::kRed, 2, 4), 2);
    EXPECT_EQ(board->distance(Side::kBlue, 2, 4), 2);
    EXPECT_EQ(evaluateQuickDistance(*board, Side::kBlue, 12), 33);
    // Q2: -10 - 20 - 10 + 0.
    EXPECT_EQ(evaluateQuickDistance(*board, Side::kRed, 13), -40);
}

TEST(QuickDistance, OnlyOneAndTwoMovesCount) {
    // In the winding corridor Red reaches B1..T1 in one move (Q1[1][0] = 15) and T2, T3 in
    // two (Q1[2][0] = 7); everything farther is class 0 and scores nothing.
    auto board = makeBoard(20, 20, "A1", "", testing::winding20x20Walls());
    EXPECT_EQ(evaluateQuickDistance(*board, Side::kRed, 1), 19 * 15 + 2 * 7);
    // Nobody moves: 0.
    auto stuck = makeBoard(3, 3, "A1", "C3", "A2, B1, B2, B3, C2");
    EXPECT_EQ(evaluateQuickDistance(*stuck, Side::kRed, 1), 0);
}

}  // namespace
}  // namespace taravin
