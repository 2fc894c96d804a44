#include <gtest/gtest.h>

#include <array>

#include "eval/reach_queries.h"
#include "eval_positions.h"
#include "model/board_setup.h"

namespace taravin {
namespace {

using testing::makeBoard;

TEST(RegionsSeparated, OnlyOnceTheLastContactIsCut) {
    auto board = buildBoard(BoardSetup{});
    EXPECT_FALSE(regionsSeparated(*board));
    // Red stands on rows 1 to 4 and Blue on 7 to 10; wall off row 5 but for J5.
    for (int32_t column = 1; column <= 9; ++column) {
        board->setContent(5, column, Content::kArrow, true);
    }
    EXPECT_FALSE(regionsSeparated(*board)) << "J4 still reaches J6 through J5";
    board->setContent(5, 10, Content::kArrow, true);
    EXPECT_TRUE(regionsSeparated(*board));
    // A side without amazons reaches nothing.
    auto lonely = makeBoard(3, 3, "A1", "");
    EXPECT_TRUE(regionsSeparated(*lonely));
}

TEST(CountReachableSquares, EmptySquaresAtAnyNumberOfMoves) {
    // The winding corridor: 400 squares less 171 arrows and the amazon, reached in up to 19
    // moves.
    auto winding = makeBoard(20, 20, "A1", "", testing::winding20x20Walls());
    EXPECT_EQ(countReachableSquares(*winding, Side::kRed), 228);
    EXPECT_EQ(winding->distance(Side::kRed, 20, 1), 1) << "reached squares are marked 1";
    EXPECT_EQ(countReachableSquares(*winding, Side::kBlue), 0);
    // 1 x 5 with an arrow in the middle: each side has its own square; the other side's
    // amazon is not counted.
    auto split = makeBoard(1, 5, "A1", "E1", "C1");
    EXPECT_EQ(countReachableSquares(*split, Side::kRed), 1);
    EXPECT_EQ(countReachableSquares(*split, Side::kBlue), 1);
    auto start = buildBoard(BoardSetup{});
    EXPECT_EQ(countReachableSquares(*start, Side::kRed), 92);
}

TEST(CountReachableSquares, WalledInSideReachesNothing) {
    auto board = makeBoard(3, 3, "A1", "C3", "A2, B1, B2");
    EXPECT_EQ(countReachableSquares(*board, Side::kRed), 0);
    EXPECT_EQ(countReachableSquares(*board, Side::kBlue), 4);
}

TEST(CountRayLengths, OneMoveReachInDirectionOrder) {
    // Lines of exactly one square all round: 8 for Mobility's sum.
    auto ring = makeBoard(5, 5, "A2", "C3", "A1, C1, E1, A3, E3, A5, C5, E5");
    const std::array<int32_t, 8> ones{1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(countRayLengths(*ring, *ring->amazons(Side::kBlue).head()), ones);
    // Red A2 on the edge: up-right B3, C4, D5; right B2..E2; down-right B1; the rest closed.
    const std::array<int32_t, 8> edge{0, 0, 0, 3, 4, 1, 0, 0};
    EXPECT_EQ(countRayLengths(*ring, *ring->amazons(Side::kRed).head()), edge);
    // One open line of nine squares: 45 for Mobility's sum.
    auto line = makeBoard(1, 11, "K1", "A1");
    const std::array<int32_t, 8> nine{0, 0, 0, 0, 9, 0, 0, 0};
    EXPECT_EQ(countRayLengths(*line, *line->amazons(Side::kBlue).head()), nine);
}

}  // namespace
}  // namespace taravin
