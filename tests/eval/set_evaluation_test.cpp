#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "eval/field_evaluations.h"
#include "eval/min_distance.h"
#include "eval/mobility.h"
#include "eval/quick_distance.h"
#include "eval/square_ownership.h"
#include "eval/square_set_layout.h"
#include "model/mt19937.h"

namespace taravin {
namespace {

class RandomPositions {
  public:
    int32_t between(int32_t low, int32_t high) {
        return low +
               static_cast<int32_t>(generator_.next() % static_cast<uint32_t>(high - low + 1));
    }

    // Any size up to 20 x 20, most of them small enough for square sets. Some have walls that
    // leave one winding corridor, where distances pass 14.
    std::unique_ptr<Board> next() {
        const int32_t largest = between(0, 3) == 0 ? kMaxBoardSize : kSetSide;
        const int32_t rows = between(1, largest);
        const int32_t columns = between(1, largest);
        auto board = std::make_unique<Board>(rows, columns);
        const bool walls = between(0, 3) == 0;
        if (walls) {
            buildWalls(*board, between(2, 3));
        }
        std::vector<std::pair<int32_t, int32_t>> free;
        for (int32_t row = 1; row <= rows; ++row) {
            for (int32_t column = 1; column <= columns; ++column) {
                if (board->content(row, column) == Content::kEmpty) {
                    free.emplace_back(row, column);
                }
            }
        }
        // Amazons in random order, so that list order differs from board order; the sides
        // may have different counts.
        std::vector<Content> pieces(static_cast<std::size_t>(between(1, 4)), Content::kRed);
        pieces.resize(pieces.size() + static_cast<std::size_t>(between(1, 4)), Content::kBlue);
        const int32_t arrowPercent = walls ? between(0, 5) : between(0, 60);
        for (std::size_t k = 0; k < free.size(); ++k) {
            std::swap(free[k], free[k + generator_.next() % (free.size() - k)]);
        }
        for (std::size_t k = 0; k < free.size(); ++k) {
            const auto [row, column] = free[k];
            if (k < pieces.size()) {
                board->setContent(row, column, pieces[k], true);
            } else if (between(1, 100) <= arrowPercent) {
                board->setContent(row, column, Content::kArrow, true);
            }
        }
        return board;
    }

    // Walls across the board every `spacing` rows, each open at one end, the ends
    // alternating: corridors along both edges.
    static void buildWalls(Board& board, int32_t spacing) {
        for (int32_t row = spacing; row <= board.rows(); row += spacing) {
            const int32_t gap = row % (2 * spacing) == spacing ? board.columns() : 1;
            for (int32_t column = 1; column <= board.columns(); ++column) {
                if (column != gap) {
                    board.setContent(row, column, Content::kArrow, true);
                }
            }
        }
    }

  private:
    Mt19937 generator_{20240615};
};

int32_t largestDistance(const Board& board) {
    int32_t largest = 0;
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            largest = std::max({largest, board.distance(Side::kRed, row, column),
                                board.distance(Side::kBlue, row, column)});
        }
    }
    return largest;
}

// Every evaluation on the board as the program runs it against its counterpart over the
// per-cell fields, from both sides and an out-of-range side (which judges for Blue).
void expectSameAsOnFields(Board& board, const std::vector<int32_t>& moveNumbers) {
    using Evaluation = int32_t (*)(Board&, Side, int32_t);
    const std::pair<Evaluation, Evaluation> pairs[] = {
        {evaluateMinDistanceArrays, minDistanceArraysOnFields},
        {evaluateMinDistanceSeparate, minDistanceSeparateOnFields},
        {evaluateMinDistanceBase, minDistanceBaseOnFields},
        {evaluateMinDistanceSteps, minDistanceStepsOnFields},
        {evaluateQuickDistance, quickDistanceOnFields},
    };
    for (const Side side : {Side::kRed, Side::kBlue, static_cast<Side>(0)}) {
        for (const int32_t moveNumber : moveNumbers) {
            SCOPED_TRACE(testing::Message() << board.rows() << " x " << board.columns() << ", side "
                                            << sideCode(side) << ", move " << moveNumber);
            const int32_t ownership = evaluateSquareOwnership(board, side, moveNumber);
            const std::pair<int32_t, int32_t> owned{board.redOwnedCount, board.blueOwnedCount};
            EXPECT_EQ(ownership, squareOwnershipOnFields(board, side, moveNumber));
            EXPECT_EQ(owned, std::make_pair(board.redOwnedCount, board.blueOwnedCount));
            for (const auto& [evaluate, onFields] : pairs) {
                const int32_t value = evaluate(board, side, moveNumber);
                EXPECT_EQ(board.evaluationTotal, value);
                EXPECT_EQ(value, onFields(board, side, moveNumber));
            }
            const int32_t mobility = evaluateMobility(board, side, moveNumber);
            const int32_t distanceScore = minDistanceArraysOnFields(board, side, moveNumber);
            EXPECT_EQ(mobility, mobilityScore(board, side, moveNumber, distanceScore));
        }
    }
}

// Random positions of every size, at move numbers around each table switch; then one amazon
// a side on every pair of squares of two walled boards, whose long corridors run along the
// edges, where distances of 10 and more meet the border's 10.
TEST(SetEvaluations, MatchTheFieldEvaluations) {
    RandomPositions positions;
    int32_t boardsOnSets = 0;
    int32_t distancesAboveFourteen = 0;
    for (int32_t trial = 0; trial < 3000; ++trial) {
        // A copy, as the search evaluates, which must carry everything the evaluations read.
        Board board(*positions.next());
        const bool onSets = fitsSquareSet(board);
        boardsOnSets += onSets ? 1 : 0;
        expectSameAsOnFields(board, {1, 12, 13, 25, 26, positions.between(2, 150)});
        minDistanceStepsOnFields(board, Side::kRed, 1);
        distancesAboveFourteen += onSets && largestDistance(board) > 14 ? 1 : 0;
    }
    EXPECT_GT(boardsOnSets, 2000);
    EXPECT_GT(distancesAboveFourteen, 20);

    for (const auto& [columns, spacing] : {std::pair{10, 2}, std::pair{7, 3}}) {
        const int32_t rows = kSetSide;
        Board walled(rows, columns);
        positions.buildWalls(walled, spacing);
        ASSERT_TRUE(fitsSquareSet(walled));
        std::vector<Square> corridor;
        for (int32_t row = 1; row <= rows; ++row) {
            for (int32_t column = 1; column <= columns; ++column) {
                if (walled.content(row, column) == Content::kEmpty) {
                    corridor.push_back({row, column});
                }
            }
        }
        for (const Square& red : corridor) {
            for (const Square& blue : corridor) {
                if (red == blue) {
                    continue;
                }
                walled.setContent(red, Content::kRed, true);
                walled.setContent(blue, Content::kBlue, true);
                expectSameAsOnFields(walled, {12, 13});
                walled.setContent(red, Content::kEmpty, true);
                walled.setContent(blue, Content::kEmpty, true);
            }
        }
    }
}

}  // namespace
}  // namespace taravin
