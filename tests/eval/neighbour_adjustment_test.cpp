#include <gtest/gtest.h>

#include "eval/distance_floods.h"
#include "eval/neighbour_adjustment.h"

namespace taravin {
namespace {

// A 3 x 3 board whose fields are set by hand: own = Red's, opponent = Blue's.
class NeighbourAdjustment : public ::testing::Test {
  protected:
    NeighbourAdjustment() { resetDistances(board_); }

    void set(Side side, int32_t row, int32_t column, int32_t value) {
        board_.distanceField(side)[board_.indexOf(row, column)] = value;
    }
    DistancePair adjust(int32_t row, int32_t column, const NeighbourRule& rule) const {
        return adjustByNeighbours(board_.distanceField(Side::kRed),
                                  board_.distanceField(Side::kBlue), board_.indexOf(row, column),
                                  board_.directionOffsets(), rule);
    }

    Board board_{3, 3};
};

TEST_F(NeighbourAdjustment, CornerCountsItsFiveBorderNeighboursAsTen) {
    set(Side::kRed, 1, 1, 1);
    set(Side::kBlue, 1, 1, 2);
    // Five border neighbours are farther than 1; the three inner ones read 0.
    EXPECT_EQ(adjust(1, 1, kArraysNeighbourRule).opponent, 2);
    EXPECT_EQ(adjust(1, 1, kStepsNeighbourRule).opponent, 3);
    set(Side::kBlue, 1, 2, 2);
    EXPECT_EQ(adjust(1, 1, kArraysNeighbourRule).opponent, 3);
    EXPECT_EQ(adjust(1, 1, kArraysNeighbourRule).own, 1);
    // Only distances below 10 lie nearer than the border.
    set(Side::kRed, 1, 1, 10);
    set(Side::kBlue, 1, 1, 11);
    EXPECT_EQ(adjust(1, 1, kStepsNeighbourRule).opponent, 11);
}

TEST_F(NeighbourAdjustment, FartherSideGrowsByItsOwnNeighbours) {
    // Centre square: own 3, opponent 1. Own distances of the neighbours decide.
    set(Side::kRed, 2, 2, 3);
    set(Side::kBlue, 2, 2, 1);
    const int32_t around[8][2] = {{2, 1}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {1, 2}, {1, 1}};
    for (int32_t k = 0; k < 8; ++k) {
        set(Side::kBlue, around[k][0], around[k][1], 9);
    }
    EXPECT_EQ(adjust(2, 2, kArraysNeighbourRule).own, 3);
    for (int32_t k = 0; k < 6; ++k) {
        set(Side::kRed, around[k][0], around[k][1], 2);
    }
    EXPECT_EQ(adjust(2, 2, kArraysNeighbourRule).own, 4);
    EXPECT_EQ(adjust(2, 2, kStepsNeighbourRule).own, 4);
    set(Side::kRed, around[6][0], around[6][1], 2);
    EXPECT_EQ(adjust(2, 2, kArraysNeighbourRule).own, 4);
    EXPECT_EQ(adjust(2, 2, kStepsNeighbourRule).own, 5);
    set(Side::kRed, around[7][0], around[7][1], 2);
    EXPECT_EQ(adjust(2, 2, kStepsNeighbourRule).own, 5);
    EXPECT_EQ(adjust(2, 2, kStepsNeighbourRule).opponent, 1);
}

TEST_F(NeighbourAdjustment, EqualDistancesStay) {
    set(Side::kRed, 1, 1, 0);
    set(Side::kBlue, 1, 1, 0);
    EXPECT_EQ(adjust(1, 1, kStepsNeighbourRule).own, 0);
    EXPECT_EQ(adjust(1, 1, kStepsNeighbourRule).opponent, 0);
    set(Side::kRed, 2, 2, 4);
    set(Side::kBlue, 2, 2, 4);
    EXPECT_EQ(adjust(2, 2, kStepsNeighbourRule).own, 4);
    EXPECT_EQ(adjust(2, 2, kStepsNeighbourRule).opponent, 4);
}

}  // namespace
}  // namespace taravin
