#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "model/board.h"
#include "model/board_setup.h"
#include "model/move_generation.h"

namespace taravin {
namespace {

std::shared_ptr<const ZobristKeys> keysFor(const Board& board, uint32_t tableSize = 1u << 20) {
    Mt19937 generator;
    return std::make_shared<ZobristKeys>(
        ZobristKeys::build(generator, board.cellCount(), tableSize));
}

std::vector<Square> listSquares(const Board& board, Side side) {
    std::vector<Square> squares;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        squares.push_back(node->square());
    }
    return squares;
}

TEST(Board, NewBoardHasBorderRingOfArrowsWithDistanceTen) {
    const Board board(10, 10);
    EXPECT_EQ(board.cellCount(), 144);
    int border = 0;
    int inner = 0;
    for (int32_t row = 0; row <= 11; ++row) {
        for (int32_t column = 0; column <= 11; ++column) {
            if (board.isInner(row, column)) {
                ++inner;
                EXPECT_EQ(board.content(row, column), Content::kEmpty);
                EXPECT_EQ(board.distance(Side::kRed, row, column), 0);
            } else {
                ++border;
                EXPECT_EQ(board.content(row, column), Content::kArrow);
                EXPECT_EQ(board.distance(Side::kRed, row, column), kBorderDistance);
                EXPECT_EQ(board.distance(Side::kBlue, row, column), kBorderDistance);
            }
        }
    }
    EXPECT_EQ(border, 44);
    EXPECT_EQ(inner, 100);
    EXPECT_TRUE(board.amazons(Side::kRed).empty());
}

TEST(Board, SizesOutsideOneToTwentyFallBackToTenByTen) {
    for (auto [rows, columns] : {std::pair{0, 12}, {21, 5}, {-3, 4}, {5, 100000}}) {
        const Board board(rows, columns);
        EXPECT_EQ(board.rows(), 10);
        EXPECT_EQ(board.columns(), 10);
    }
    const Board smallest(1, 1);
    EXPECT_EQ(smallest.cellCount(), 9);
    const Board largest(20, 20);
    EXPECT_EQ(largest.cellCount(), 484);
}

TEST(Board, SquareNames) {
    EXPECT_EQ(squareName(1, 1), "A1");
    EXPECT_EQ(squareName(10, 10), "J10");
    EXPECT_EQ(squareName(7, 1), "A7");
    EXPECT_EQ(squareName(20, 20), "T20");
}

TEST(Board, MovedAmazonGoesToTheTailOfItsList) {
    auto board = buildBoard(BoardSetup{});
    ASSERT_EQ(listSquares(*board, Side::kRed),
              (std::vector<Square>{{4, 1}, {1, 4}, {1, 7}, {4, 10}}));
    board->setContent(1, 4, Content::kEmpty, true);
    board->setContent(7, 4, Content::kRed, true);
    EXPECT_EQ(listSquares(*board, Side::kRed),
              (std::vector<Square>{{4, 1}, {1, 7}, {4, 10}, {7, 4}}));
    EXPECT_EQ(listSquares(*board, Side::kBlue),
              (std::vector<Square>{{7, 1}, {10, 4}, {10, 7}, {7, 10}}));
}

TEST(Board, SetContentWithoutUpdateLeavesListsAndHashAlone) {
    Board board(10, 10);
    board.setHashKeys(keysFor(board));
    board.recomputeHash();
    board.setContent(4, 1, Content::kRed, true);
    const HashPair before = board.hash();
    board.setContent(5, 5, Content::kBlue, false);
    board.setContent(4, 1, Content::kEmpty, false);
    EXPECT_EQ(board.hash(), before);
    EXPECT_EQ(board.amazonCount(Side::kRed), 1);
    EXPECT_EQ(board.amazonCount(Side::kBlue), 0);
    EXPECT_EQ(board.content(5, 5), Content::kBlue);
}

TEST(Board, RunningHashFollowsEveryUpdatingChange) {
    Board board(8, 9);
    board.setHashKeys(keysFor(board));
    board.recomputeHash();
    std::mt19937 random(7);
    int amazons[3] = {0, 0, 0};
    for (int step = 0; step < 2000; ++step) {
        const int32_t row = 1 + static_cast<int32_t>(random() % 8);
        const int32_t column = 1 + static_cast<int32_t>(random() % 9);
        Content content = static_cast<Content>(random() % 4);
        const Content old = board.content(row, column);
        if ((content == Content::kRed || content == Content::kBlue) && old != content &&
            amazons[contentCode(content)] == 4) {
            content = Content::kArrow;
        }
        if (old == Content::kRed || old == Content::kBlue) {
            --amazons[contentCode(old)];
        }
        if (content == Content::kRed || content == Content::kBlue) {
            ++amazons[contentCode(content)];
        }
        board.setContent(row, column, content, true);
        const HashPair running = board.hash();
        board.recomputeHash();
        ASSERT_EQ(board.hash(), running) << "after step " << step;
    }
    EXPECT_EQ(board.amazonCount(Side::kRed), amazons[contentCode(Content::kRed)]);
    EXPECT_EQ(board.amazonCount(Side::kBlue), amazons[contentCode(Content::kBlue)]);
    for (const PositionNode* node = board.amazons(Side::kRed).head(); node; node = node->next) {
        EXPECT_EQ(board.content(node->row, node->column), Content::kRed);
    }
}

TEST(Board, BorderCellsContributeToTheHash) {
    Board board(3, 3);
    board.recomputeHash();
    EXPECT_EQ(board.hash(), HashPair{});
    board.setHashKeys(keysFor(board));
    board.recomputeHash();
    const auto& keys = *board.hashKeys();
    HashPair expected;
    for (int32_t i = 0; i < board.cellCount(); ++i) {
        if (!board.isInner(board.rowOf(i), board.columnOf(i))) {
            expected.index ^= keys.index[2 * board.cellCount() + i];
            expected.lock ^= keys.lock[2 * board.cellCount() + i];
        }
    }
    EXPECT_EQ(board.hash(), expected);
}

TEST(Board, CopyKeepsCellsListsAndCapacity) {
    auto board = buildBoard(BoardSetup{});
    board->setMark(3, 3, kLastMoveMark);
    board->distanceField(Side::kBlue)[board->indexOf(2, 2)] = 5;
    const Board copy(*board);
    EXPECT_EQ(listSquares(copy, Side::kRed), listSquares(*board, Side::kRed));
    EXPECT_EQ(listSquares(copy, Side::kBlue), listSquares(*board, Side::kBlue));
    EXPECT_EQ(copy.marks(3, 3), kLastMoveMark);
    EXPECT_EQ(copy.distance(Side::kBlue, 2, 2), 5);
    EXPECT_EQ(copy.moveCapacity(), 6400);
}

TEST(Board, NoMoveLeftAndNeighbourQueries) {
    Board board(10, 10);
    EXPECT_TRUE(board.noMoveLeft(Side::kRed)) << "a side without amazons cannot move";
    board.setContent(1, 1, Content::kRed, true);
    EXPECT_FALSE(board.noMoveLeft(Side::kRed));
    board.setContent(2, 1, Content::kArrow, true);
    board.setContent(1, 2, Content::kBlue, true);
    EXPECT_FALSE(board.noMoveLeft(Side::kRed));
    board.setContent(2, 2, Content::kArrow, true);
    EXPECT_TRUE(board.noMoveLeft(Side::kRed)) << "border neighbours count as occupied";
    EXPECT_FALSE(board.hasFreeNeighbour(1, 1));
    EXPECT_EQ(board.countLegalMoves(Side::kRed), 0);
    // The Blue amazon on B1 can still step to C1, so it is a mobile enemy of A1.
    EXPECT_TRUE(board.hasMobileEnemyNeighbour(*board.amazons(Side::kRed).head(), Side::kRed));
    board.setContent(1, 3, Content::kArrow, true);
    board.setContent(2, 3, Content::kArrow, true);
    EXPECT_FALSE(board.hasMobileEnemyNeighbour(*board.amazons(Side::kRed).head(), Side::kRed));
}

TEST(Board, MoveCapacityGrowsWithBoardAndAmazons) {
    BoardSetup setup;
    setup.rows = 20;
    setup.columns = 6;
    setup.redLocations = "A1";
    setup.blueLocations = "B2, C3";
    const auto board = buildBoard(setup);
    EXPECT_EQ(board->moveCapacity(), (20 + 6 + 12) * (20 + 6 + 12) * 2);
}

}  // namespace
}  // namespace taravin
