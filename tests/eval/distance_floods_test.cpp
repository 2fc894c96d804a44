#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "eval/distance_floods.h"
#include "eval_positions.h"

namespace taravin {
namespace {

using testing::makeBoard;

// Expected distances by square name; every other inner cell must read 0.
void expectField(const Board& board, const int32_t* field,
                 std::map<std::string, int32_t> expected) {
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            const std::string name = squareName(row, column);
            const auto it = expected.find(name);
            EXPECT_EQ(field[board.indexOf(row, column)], it == expected.end() ? 0 : it->second)
                << name;
        }
    }
}

void expectBorderTen(const Board& board, const int32_t* field) {
    for (int32_t i = 0; i < board.cellCount(); ++i) {
        if (!board.isInner(board.rowOf(i), board.columnOf(i))) {
            ASSERT_EQ(field[i], kBorderDistance) << i;
        }
    }
}

TEST(QueenDistances, SmallBoardWorkedSquareBySquare) {
    // 3 x 3: Red A1, Blue C3, arrow C1. Red reaches A2, A3 (up), B2 (up-right, stopped by
    // C3) and B1 (right, stopped by C1) in one move; B3 and C2 need a second one.
    auto board = makeBoard(3, 3, "A1", "C3", "C1");
    resetDistances(*board);
    computeQueenDistances(*board, Side::kRed);
    computeQueenDistances(*board, Side::kBlue);
    expectField(*board, board->distanceField(Side::kRed),
                {{"A2", 1}, {"A3", 1}, {"B1", 1}, {"B2", 1}, {"B3", 2}, {"C2", 2}});
    expectField(*board, board->distanceField(Side::kBlue),
                {{"A3", 1}, {"B2", 1}, {"B3", 1}, {"C2", 1}, {"A2", 2}, {"B1", 2}});
    expectBorderTen(*board, board->distanceField(Side::kRed));
    expectBorderTen(*board, board->distanceField(Side::kBlue));
}

TEST(QueenDistances, WalledInSideAndStaleValuesReadZero) {
    auto board = makeBoard(3, 3, "A1", "C3", "A2, B1, B2");
    // Left-overs of an earlier position, on empty and on occupied cells, must not survive.
    for (int32_t row = 1; row <= 3; ++row) {
        for (int32_t column = 1; column <= 3; ++column) {
            board->distanceField(Side::kRed)[board->indexOf(row, column)] = 7;
        }
    }
    computeQueenDistances(*board, Side::kRed);
    computeQueenDistances(*board, Side::kBlue);
    expectField(*board, board->distanceField(Side::kRed), {});
    expectField(*board, board->distanceField(Side::kBlue),
                {{"A3", 1}, {"B3", 1}, {"C1", 1}, {"C2", 1}});
    expectBorderTen(*board, board->distanceField(Side::kRed));
}

// Distance from A1 along the winding corridor of winding20x20Walls(): each wall's gap and the
// square above it are reached together, the rest of the corridor row one move later. The
// last gap, T18, opens onto column T up to T20, and T20 onto the whole top row.
int32_t windingDistance(int32_t row, int32_t column) {
    if (row == 1) {
        return column == 1 ? 0 : 1;
    }
    if (row == 20) {
        return column == 20 ? 18 : 19;
    }
    const int32_t wall = row % 2 == 0 ? row : row - 1;
    const int32_t gap = wall % 4 == 2 ? 20 : 1;
    if (row == wall) {
        return column == gap ? wall : -1;
    }
    return column == gap ? wall : row;
}

TEST(QueenDistances, LongCorridorOnTwentyByTwentyReachesNineteen) {
    auto board = makeBoard(20, 20, "A1", "", testing::winding20x20Walls());
    computeQueenDistances(*board, Side::kRed);
    computeQueenDistances(*board, Side::kBlue);
    int32_t largest = 0;
    for (int32_t row = 1; row <= 20; ++row) {
        for (int32_t column = 1; column <= 20; ++column) {
            const int32_t expected = windingDistance(row, column);
            const int32_t i = board->indexOf(row, column);
            EXPECT_EQ(board->distanceField(Side::kRed)[i], std::max(expected, 0))
                << squareName(row, column);
            EXPECT_EQ(board->distanceField(Side::kBlue)[i], 0);
            largest = std::max(largest, board->distanceField(Side::kRed)[i]);
        }
    }
    EXPECT_EQ(largest, 19);
}

TEST(KingDistances, StepsOverEmptySquaresOnly) {
    // One square at a time: the Chebyshev distance on an open 20 x 20 board.
    auto open = makeBoard(20, 20, "A1", "");
    computeKingDistances(*open, Side::kRed);
    EXPECT_EQ(open->distance(Side::kRed, 20, 20), 19);
    EXPECT_EQ(open->distance(Side::kRed, 16, 3), 15);
    EXPECT_EQ(open->distance(Side::kRed, 2, 2), 1);
    EXPECT_EQ(open->distance(Side::kRed, 1, 1), 0);
    // 3 x 3: Red A2, Blue C1. Blue's steps go round the Red amazon.
    auto board = makeBoard(3, 3, "A2", "C1");
    computeKingDistances(*board, Side::kRed);
    computeKingDistances(*board, Side::kBlue);
    expectField(*board, board->distanceField(Side::kRed),
                {{"A1", 1}, {"A3", 1}, {"B1", 1}, {"B2", 1}, {"B3", 1}, {"C2", 2}, {"C3", 2}});
    expectField(*board, board->distanceField(Side::kBlue),
                {{"B1", 1}, {"B2", 1}, {"C2", 1}, {"A1", 2}, {"A3", 2}, {"B3", 2}, {"C3", 2}});
}

TEST(AmazonDistances, OneSlotPerAmazonInListOrder) {
    // 2 x 4: Red A1 then A2, Blue B1 then C1.
    auto board = makeBoard(2, 4, "A1, A2", "B1, C1");
    computeAmazonDistances(*board);
    expectField(*board, board->amazonDistanceField(Side::kRed, 0),
                {{"B2", 1}, {"C2", 2}, {"D2", 2}, {"D1", 3}});
    expectField(*board, board->amazonDistanceField(Side::kRed, 1),
                {{"B2", 1}, {"C2", 1}, {"D2", 1}, {"D1", 2}});
    expectField(*board, board->amazonDistanceField(Side::kBlue, 0),
                {{"B2", 1}, {"C2", 1}, {"D2", 2}, {"D1", 2}});
    expectField(*board, board->amazonDistanceField(Side::kBlue, 1),
                {{"B2", 1}, {"C2", 1}, {"D2", 1}, {"D1", 1}});
    for (Side side : {Side::kRed, Side::kBlue}) {
        for (int32_t slot = 0; slot < kMaxAmazonsPerSide; ++slot) {
            expectBorderTen(*board, board->amazonDistanceField(side, slot));
        }
        expectField(*board, board->amazonDistanceField(side, 2), {});
        expectField(*board, board->amazonDistanceField(side, 3), {});
    }
}

}  // namespace
}  // namespace taravin
