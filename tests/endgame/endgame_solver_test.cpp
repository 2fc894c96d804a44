#include <gtest/gtest.h>

#include <random>

#include "brute_force.h"
#include "endgame/endgame_solver.h"
#include "model/board_setup.h"
#include "model/move_generation.h"

namespace taravin {
namespace {

std::vector<BoardMove> legalMoves(const Board& board, Side side) {
    std::vector<BoardMove> moves;
    forEachLegalMove(board, side, [&](const Square& from, const Square& to, const Square& arrow) {
        moves.push_back(BoardMove{from, to, arrow});
    });
    return moves;
}

// A small board with the amazons and arrows on random squares and `empties` squares left.
std::unique_ptr<Board> randomEndgame(std::mt19937& random, int32_t rows, int32_t columns,
                                     int32_t empties, int32_t amazonsEach) {
    auto board = std::make_unique<Board>(rows, columns);
    std::vector<Square> squares;
    for (int32_t row = 1; row <= rows; ++row) {
        for (int32_t column = 1; column <= columns; ++column) {
            squares.push_back(Square{row, column});
        }
    }
    for (std::size_t k = squares.size() - 1; k > 0; --k) {
        std::swap(squares[k], squares[random() % (k + 1)]);
    }
    std::size_t next = 0;
    for (int32_t k = 0; k < 2 * amazonsEach; ++k) {
        board->setContent(squares[next++], k % 2 == 0 ? Content::kRed : Content::kBlue, true);
    }
    while (next < squares.size() - static_cast<std::size_t>(empties)) {
        board->setContent(squares[next++], Content::kArrow, true);
    }
    return board;
}

TEST(EndgameSolver, ResultsSpareMovesAndLinesAgreeWithFullWidthSearchOnSmallBoards) {
    std::mt19937 random(6);
    for (int trial = 0; trial < 48; ++trial) {
        const bool square = trial % 2 == 0;
        const int32_t amazons = 1 + static_cast<int32_t>(random() % 2);
        auto board = randomEndgame(random, square ? 5 : 4, square ? 5 : 6,
                                   9 - amazons + static_cast<int32_t>(random() % 2), amazons);
        const Side mover = trial % 3 == 0 ? Side::kBlue : Side::kRed;
        const EndgameSolution solution = solveEndgame(*board, mover, SolverBudget{});
        Board copy(*board);
        const int32_t margin = testing::fullWidthMargin(copy, mover);
        const bool wins = margin > 0;
        ASSERT_EQ(solution.result, wins ? EndgameResult::kWin : EndgameResult::kLoss)
            << "trial " << trial;
        EXPECT_TRUE(solution.spareMovesKnown) << "trial " << trial;
        EXPECT_EQ(solution.spareMoves, wins ? margin - 1 : -margin) << "trial " << trial;

        // The line is legal and ends the game as it says, the winner keeping its spare moves.
        Side side = mover;
        for (const BoardMove& move : solution.line) {
            const std::vector<BoardMove> moves = legalMoves(copy, side);
            ASSERT_NE(std::find(moves.begin(), moves.end(), move), moves.end())
                << "trial " << trial;
            makeMove(copy, move.from, move.to, move.arrow, side);
            side = otherSide(side);
        }
        EXPECT_TRUE(copy.noMoveLeft(side)) << "trial " << trial;
        EXPECT_EQ(side == mover, !wins) << "trial " << trial;
        EXPECT_EQ(testing::bruteForceMoves(copy, otherSide(side)), solution.spareMoves)
            << "trial " << trial;
    }
}

TEST(EndgameSolver, GamesPlayedOutFromSolvedPositionsEndAsProven) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 4; ++trial) {
        auto board = randomEndgame(random, 6, 6, 13, 2);
        Side side = Side::kRed;
        const EndgameSolution first = solveEndgame(*board, side, SolverBudget{});
        ASSERT_NE(first.result, EndgameResult::kUnknown) << "trial " << trial;
        const Side winner = first.result == EndgameResult::kWin ? side : otherSide(side);
        // The winner plays the first move of each new proof, the loser moves at random.
        while (!board->noMoveLeft(side)) {
            BoardMove move;
            if (side == winner) {
                const EndgameSolution solution = solveEndgame(*board, side, SolverBudget{});
                ASSERT_EQ(solution.result, EndgameResult::kWin) << "trial " << trial;
                ASSERT_FALSE(solution.line.empty());
                move = solution.line.front();
            } else {
                const std::vector<BoardMove> moves = legalMoves(*board, side);
                move = moves[random() % moves.size()];
            }
            makeMove(*board, move.from, move.to, move.arrow, side);
            side = otherSide(side);
        }
        EXPECT_EQ(side, otherSide(winner)) << "trial " << trial;
    }
}

TEST(EndgameSolver, OpenMiddleGameIsUnknownWithinTheBudget) {
    const auto board = buildBoard(BoardSetup{});
    const EndgameSolution solution =
        solveEndgame(*board, Side::kRed, SolverBudget{20000, std::nullopt});
    EXPECT_EQ(solution.result, EndgameResult::kUnknown);
    EXPECT_TRUE(solution.line.empty());
    EXPECT_FALSE(solution.spareMovesKnown);
}

}  // namespace
}  // namespace taravin
