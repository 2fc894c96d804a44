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

// Plays the region's filling order on a copy of the board: every move legal, as many as the
// lower bound.
void expectPlayableOrder(const Board& board, Side side, const RegionCount& count) {
    Board copy(board);
    for (const BoardMove& move : count.fillingOrder) {
        ASSERT_TRUE(isLegal(copy, side, move))
            << squareName(move.from) << "-" << squareName(move.to) << " (" << squareName(move.arrow)
            << ")";
        makeMove(copy, move.from, move.to, move.arrow, side);
    }
    EXPECT_EQ(static_cast<int32_t>(count.fillingOrder.size()), count.lowerBound);
}

// A region grown square by square on an arrow-filled board, each new square touching one
// already taken: from a corner the shapes come out as rooms, corridors and dead ends; from
// the middle of a board whose middle column is closed but for one square, as two rooms joined
// by a neck.
std::unique_ptr<Board> randomRegion(std::mt19937& random, bool neck) {
    std::vector<std::string> rows(5, std::string(7, 'x'));
    std::vector<std::pair<int32_t, int32_t>> taken =
        neck ? std::vector<std::pair<int32_t, int32_t>>{{2, 2}, {2, 3}, {2, 4}}
             : std::vector<std::pair<int32_t, int32_t>>{{0, 0}};
    const std::size_t squares = taken.size() + 2 + random() % 7;
    for (auto [line, column] : taken) {
        rows[line][column] = '.';
    }
    while (taken.size() < squares) {
        const auto [line, column] = taken[random() % taken.size()];
        const int32_t nextLine = line + static_cast<int32_t>(random() % 3) - 1;
        const int32_t nextColumn = column + static_cast<int32_t>(random() % 3) - 1;
        if (nextLine >= 0 && nextLine < 5 && nextColumn >= 0 && nextColumn < 7 &&
            (!neck || nextColumn != 3) && rows[nextLine][nextColumn] == 'x') {
            rows[nextLine][nextColumn] = '.';
            taken.emplace_back(nextLine, nextColumn);
        }
    }
    for (auto amazons = 1 + random() % 3; amazons > 0; --amazons) {
        const auto [line, column] = taken[random() % taken.size()];
        rows[line][column] = 'r';
    }
    return drawnBoard(rows);
}

TEST(RegionCount, AgreesWithEveryMoveSequenceOnRandomSmallRegionsAndBoundsItWithinTinyBudgets) {
    std::mt19937 random(38);
    for (int trial = 0; trial < 300; ++trial) {
        auto board = randomRegion(random, trial % 2 == 1);
        const int32_t moves = bruteForceMoves(*board, Side::kRed);
        const std::vector<RegionCount> counts = countRegions(*board, SolverBudget{});
        ASSERT_EQ(counts.size(), 1u);
        ASSERT_TRUE(counts[0].solved) << "trial " << trial;
        EXPECT_EQ(counts[0].moves, moves) << "trial " << trial;
        expectPlayableOrder(*board, Side::kRed, counts[0]);

        const RegionCount bounded =
            countRegions(*board, SolverBudget{trial % 4, std::nullopt}).front();
        EXPECT_LE(bounded.lowerBound, moves) << "trial " << trial;
        EXPECT_GE(bounded.upperBound, moves) << "trial " << trial;
        expectPlayableOrder(*board, Side::kRed, bounded);
    }
}

TEST(RegionCount, DefectiveRegionsYieldFewerMovesThanSquares) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        int32_t moves;
    };
    const Case cases[] = {
        // The amazon (D2) looks along the corridor E2; behind it the neck C3 leads to a room.
        {"room behind a neck", {".xxxx", "...xx", ".xxr.", "xxxxx"}, 5},
        // The arms of the L leave its corner on the two diagonals: one of them is lost.
        {"amazon in the corner of an L", {".x.", "xrx"}, 1},
        // A room of three on each diagonal below the amazon, with no line through it from one
        // to the other: it fills one, and of the other only what an arrow reaches first.
        {"two rooms on either side", {"x.x.x", "x.x.x", ".xrx."}, 4},
    };
    for (const Case& test : cases) {
        auto board = drawnBoard(test.rows);
        const RegionCount count = countRegions(*board, SolverBudget{}).front();
        EXPECT_TRUE(count.solved) << test.name;
        EXPECT_EQ(count.moves, test.moves) << test.name;
        EXPECT_EQ(count.moves, bruteForceMoves(*board, Side::kRed)) << test.name;
        EXPECT_TRUE(count.defective()) << test.name;
        expectPlayableOrder(*board, Side::kRed, count);
    }
}

TEST(RegionCount, ListsRegionsByFirstSquareWithTheirOwners) {
    auto board = drawnBoard({
        "brxrr",
        "xxx..",
        ".rxxx",
        ".xx.b",
    });
    const std::vector<RegionCount> counts = countRegions(*board, SolverBudget{});
    ASSERT_EQ(counts.size(), 4u);
    EXPECT_EQ(counts[0].owner, RegionOwner::kRed);
    EXPECT_EQ(counts[0].squares, (std::vector<Square>{{1, 1}, {2, 1}, {2, 2}}));
    EXPECT_EQ(counts[0].emptySquares, 2);
    EXPECT_EQ(counts[1].owner, RegionOwner::kBlue);
    EXPECT_EQ(counts[1].squares, (std::vector<Square>{{1, 4}, {1, 5}}));
    EXPECT_TRUE(counts[1].solved);
    EXPECT_EQ(counts[1].moves, 1);
    EXPECT_EQ(counts[2].owner, RegionOwner::kRed);
    EXPECT_EQ(counts[2].moves, 2);
    EXPECT_EQ(counts[3].owner, RegionOwner::kBoth);
    EXPECT_EQ(counts[3].squares, (std::vector<Square>{{4, 1}, {4, 2}}));
    EXPECT_FALSE(counts[3].defective());
}

}  // namespace
}  // namespace taravin
