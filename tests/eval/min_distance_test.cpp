#include <gtest/gtest.h>

#include "eval/field_evaluations.h"
#include "eval/min_distance.h"
#include "eval_positions.h"

namespace taravin {
namespace {

using testing::makeBoard;

// 2 x 4, Red B1, Blue C1, arrow B2. Queen (and king) distances Red / Blue:
//   A2 1/0   B2 arrow   C2 1/1   D2 2/1
//   A1 1/0   B1 Red     C1 Blue  D1 2/1
// For Red, A1 and A2 have six neighbours with Red distance above 0 (five border cells and
// each other), so m becomes 2; D2 and D1 have six with Red distance above 1 (border, each
// other), so m becomes 3; C2 is level.
std::unique_ptr<Board> smallPosition() {
    return makeBoard(2, 4, "B1", "C1", "B2");
}

TEST(MinDistanceArrays, SmallBoardSquareBySquare) {
    auto board = smallPosition();
    // A[2][0] + A[2][0] + A[1][1] + A[3][1] + A[3][1] = 18 + 18 + 0 - 16 - 16.
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kRed, 1), 4);
    EXPECT_EQ(board->evaluationTotal, 4);
    // From Blue's side the same adjustments meet the opponent's distance: -18 -18 +16 +16.
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kBlue, 1), -4);
    EXPECT_EQ(evaluateMinDistanceArrays(*board, static_cast<Side>(7), 1), -4);
    EXPECT_EQ(evaluateMinDistanceArrays(*board, static_cast<Side>(0), 1), -4);
    EXPECT_EQ(minDistanceArraysOnFields(*board, Side::kRed, 1), 4);
    EXPECT_EQ(board->distance(Side::kRed, 2, 4), 2) << "the adjustment leaves the fields alone";
}

TEST(MinDistanceArrays, LateTableFromMoveThirteen) {
    auto board = smallPosition();
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kRed, 12), 4);
    // B[2][0] twice, B[3][1] twice: 20 + 20 - 16 - 16.
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kRed, 13), 8);
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kRed, 60), 8);
}

TEST(MinDistanceArrays, WalledInOpponentAndImmobileSides) {
    // Blue C3 is shut in by B3, B2, C2; Red reaches A2, A3, B1, C1 and Blue nothing, so
    // every square scores A[m][0] = 18 (B: 20).
    auto board = makeBoard(3, 3, "A1", "C3", "B3, B2, C2");
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kRed, 1), 72);
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kRed, 13), 80);
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kBlue, 1), -72);
    // Neither side can move: A3 and C1 are empty and score A[0][0].
    auto stuck = makeBoard(3, 3, "A1", "C3", "A2, B1, B2, B3, C2");
    EXPECT_EQ(evaluateMinDistanceArrays(*stuck, Side::kRed, 1), 0);
    EXPECT_EQ(evaluateMinDistanceBase(*stuck, Side::kRed, 1), 0);
    EXPECT_EQ(evaluateMinDistanceSteps(*stuck, Side::kRed, 1), 0);
    EXPECT_EQ(evaluateMinDistanceSeparate(*stuck, Side::kRed, 1), 0);
}

TEST(MinDistanceArrays, DistancesBeyondFourteenOnALargeBoard) {
    // The winding corridor holds 228 empty squares at distances 1 to 19, none reached by
    // Blue (who has no amazon): each looks up row min(m, 14), column 0.
    auto board = makeBoard(20, 20, "A1", "", testing::winding20x20Walls());
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kRed, 1), 228 * 18);
    EXPECT_EQ(evaluateMinDistanceBase(*board, Side::kRed, 13), 228 * 20);
    EXPECT_EQ(evaluateMinDistanceArrays(*board, Side::kBlue, 1), -228 * 18);
}

TEST(MinDistanceBase, RawDistancesWithoutAdjustment) {
    auto board = smallPosition();
    // C[1][0] twice, C[2][1] twice: 10 + 10 - 14 - 14.
    EXPECT_EQ(evaluateMinDistanceBase(*board, Side::kRed, 12), -8);
    // D[1][0] twice, D[2][1] twice: 20 + 20 - 10 - 10.
    EXPECT_EQ(evaluateMinDistanceBase(*board, Side::kRed, 13), 20);
    EXPECT_EQ(evaluateMinDistanceBase(*board, Side::kBlue, 13), -20);
    EXPECT_EQ(board->evaluationTotal, -20);
}

TEST(MinDistanceSteps, KingStepsAndTheTwoStepRule) {
    auto board = smallPosition();
    // Same distances as the queen's here; six qualifying neighbours give +1:
    // E[2][0] + E[2][0] + E[3][1] + E[3][1] = 20 + 20 - 10 - 10, on every move number.
    EXPECT_EQ(evaluateMinDistanceSteps(*board, Side::kRed, 1), 20);
    EXPECT_EQ(evaluateMinDistanceSteps(*board, Side::kRed, 40), 20);
}

TEST(MinDistanceSteps, OwnTwoAgainstOpponentOneScoresPlusFive) {
    // 3 x 3, Red A2, Blue C1. King distances Red / Blue:
    //   A3 1/2  B3 1/2  C3 2/2
    //   A2 Red  B2 1/1  C2 2/1
    //   A1 1/2  B1 1/1  C1 Blue
    // A1 has five neighbours with Blue distance above 1, A3 six, B3 five: each (1, 3) -> +10.
    // C2 has only four neighbours with Red distance above 1 (C3 and three border cells), so
    // it stays (2, 1) and scores E[2][1] = +5.
    auto board = makeBoard(3, 3, "A2", "C1");
    EXPECT_EQ(evaluateMinDistanceSteps(*board, Side::kRed, 1), 35);
    // For Blue: A1, A3, B3 become (3, 1) -> -10 each; C2 is (1, 2) -> +5.
    EXPECT_EQ(evaluateMinDistanceSteps(*board, Side::kBlue, 1), -25);
}

TEST(MinDistanceSeparate, OneAmazonEachMatchesTheArraysValue) {
    // Slot 0 holds the same distances as the side's field; slots 1 to 3 are 0 for both
    // sides and look up A[0][0].
    auto board = smallPosition();
    EXPECT_EQ(evaluateMinDistanceSeparate(*board, Side::kRed, 1), 4);
    EXPECT_EQ(evaluateMinDistanceSeparate(*board, Side::kRed, 13), 8);
    EXPECT_EQ(board->evaluationTotal, 8);
}

TEST(MinDistanceSeparate, PairsAmazonsByListPosition) {
    // 2 x 4, Red A1 then A2, Blue B1 then C1; per-amazon distances of B2, C2, D2, D1:
    //   Red A1: 1 2 2 3   Red A2: 1 1 1 2   Blue B1: 1 1 2 2   Blue C1: 1 1 1 1
    // Pairs A1-B1: C2 (2,1) -14, D1 (3,2) -6 (five qualifying neighbours each);
    // A2-C1: D1 (2,1) -14. Total -34.
    auto board = makeBoard(2, 4, "A1, A2", "B1, C1");
    EXPECT_EQ(evaluateMinDistanceSeparate(*board, Side::kRed, 1), -34);
    // Lifting B1 and putting it back moves it to the end of Blue's list: pairs A1-C1 give
    // C2 -14, D2 (2,1) with seven neighbours -> (3,1) -16, D1 (3,1) with seven -> (4,1) -18;
    // A2-B1 gives D2 (1,2) with six neighbours -> (1,3) +16. Total -32.
    board->setContent(1, 2, Content::kEmpty, true);
    board->setContent(1, 2, Content::kBlue, true);
    EXPECT_EQ(evaluateMinDistanceSeparate(*board, Side::kRed, 1), -32);
}

}  // namespace
}  // namespace taravin
