#include <gtest/gtest.h>

#include <random>

#include "brute_force.h"
#include "endgame/region_count.h"
#include "model/move_generation.h"

namespace taravin {
namespace {

using testing::bruteForceMoves;
using testing::drawnBoard;

bool isLegal(const Board& board, Side side, const BoardMove& move) {
    bool found = false;
    forEachLegalMove(board, side, [&](const Square& from, const Square& to, const Square& arrow) {
        found = found || BoardMove{from, to, arrow} == move;
    });
    return found;
}

// Plays the region's filling order on a copy of the board: every move legal, as many as it
// claims.
void expectPlayableOrder(const Board& board, Side side, const RegionCount& count) {
    Board copy(board);
    for (const BoardMove& move : count.fillingOrder) {
        ASSERT_TRUE(isLegal(copy, side, move))
            << squareName(move.from) << "-" << squareName(move.to);
        makeMove(copy, move.from, move.to, move.arrow, side);
    }
    EXPECT_EQ(static_cast<int32_t>(count.fillingOrder.size()), count.lowerBound);
}

// A region grown square by square from one corner of an arrow-filled board: each new square
// touches a square already taken, so the shapes come out as rooms, corridors and dead ends.
std::unique_ptr<Board> randomRegion(std::mt19937& random, int32_t squares, int32_t amazons) {
    std::vector<std::string> rows(5, std::string(6, 'x'));
    std::vector<std::pair<int32_t, int32_t>> taken{{0, 0}};
    rows[0][0] = '.';
    while (static_cast<int32_t>(taken.size()) < squares) {
        const auto [line, column] = taken[random() % taken.size()];
        const int32_t nextLine = line + static_cast<int32_t>(random() % 3) - 1;
        const int32_t nextColumn = column + static_cast<int32_t>(random() % 3) - 1;
        if (nextLine >= 0 && nextLine < 5 && nextColumn >= 0 && nextColumn < 6 &&
            rows[nextLine][nextColumn] == 'x') {
            rows[nextLine][nextColumn] = '.';
            taken.emplace_back(nextLine, nextColumn);
        }
    }
    for (int32_t k = 0; k < amazons; ++k) {
        const auto [line, column] = taken[random() % taken.size()];
        rows[line][column] = 'r';
    }
    return drawnBoard(rows);
}

TEST(RegionCount, AgreesWithEverySequenceOfMovesOnRandomSmallRegions) {
    std::mt19937 random(38);
    for (int trial = 0; trial < 300; ++trial) {
        auto board = randomRegion(random, 3 + static_cast<int32_t>(random() % 9),
                                  1 + static_cast<int32_t>(random() % 3));
        const std::vector<RegionCount> counts = countRegions(*board, SolverBudget{});
        ASSERT_EQ(counts.size(), 1u);
        ASSERT_TRUE(counts[0].solved) << "trial " << trial;
        EXPECT_EQ(counts[0].moves, bruteForceMoves(*board, Side::kRed)) << "trial " << trial;
        expectPlayableOrder(*board, Side::kRed, counts[0]);
    }
}

}  // namespace
}  // namespace taravin
