#include <gtest/gtest.h>

#include "eval/field_evaluations.h"
#include "eval/square_ownership.h"
#include "eval_positions.h"

namespace taravin {
namespace {

using testing::makeBoard;

TEST(SquareOwnership, SquaresReachedByOneSideOnly) {
    // 2 x 4, Red A1 and A2, Blue B1 and C1. Red reaches B2 (from both amazons), C2, D2;
    // Blue B2, C2, D2, D1. Only D1 belongs to anybody.
    auto board = makeBoard(2, 4, "A1, A2", "B1, C1");
    EXPECT_EQ(evaluateSquareOwnership(*board, Side::kRed, 1), -1);
    EXPECT_EQ(board->redOwnedCount, 0);
    EXPECT_EQ(board->blueOwnedCount, 1);
    EXPECT_EQ(squareOwnershipOnFields(*board, Side::kRed, 1), -1);
    EXPECT_EQ(board->ownershipMarks(2, 2), kRedReaches | kBlueReaches);
    EXPECT_EQ(board->ownershipMarks(1, 4), kBlueReaches);
    EXPECT_EQ(board->ownershipMarks(1, 1), 0);
    EXPECT_EQ(evaluateSquareOwnership(*board, Side::kBlue, 1), 1);
    EXPECT_EQ(evaluateSquareOwnership(*board, static_cast<Side>(5), 99), 1);
}

TEST(SquareOwnership, ImmobileSidesAndStaleMarks) {
    // Blue C3 is shut in: Red owns A2, A3, B1, C1.
    auto board = makeBoard(3, 3, "A1", "C3", "B3, B2, C2");
    board->setOwnership(3, 1, kBlueReaches | 4);
    EXPECT_EQ(evaluateSquareOwnership(*board, Side::kRed, 1), 4);
    EXPECT_EQ(evaluateSquareOwnership(*board, Side::kBlue, 30), -4);
    EXPECT_EQ(squareOwnershipOnFields(*board, Side::kBlue, 30), -4);
    EXPECT_EQ(board->ownershipMarks(3, 1), kRedReaches | 4)
        << "only the two reach bits are cleared";
    auto stuck = makeBoard(3, 3, "A1", "C3", "A2, B1, B2, B3, C2");
    EXPECT_EQ(evaluateSquareOwnership(*stuck, Side::kRed, 1), 0);
    EXPECT_EQ(stuck->redOwnedCount + stuck->blueOwnedCount, 0);
}

}  // namespace
}  // namespace taravin
