#include <gtest/gtest.h>

#include <memory>

#include "model/board_setup.h"
#include "model/move_generation.h"
#include "model/mt19937.h"
#include "model/perft.h"
#include "model/zobrist_keys.h"

namespace taravin {
namespace {

struct PerftRow {
    BoardSetup setup;
    Side side;
    int64_t counts[3];
};

// Counts of move sequences of one to three plies, checked against a separate brute-force
// enumeration.
TEST(KnownAnswers, PerftRows) {
    const PerftRow rows[] = {
        {BoardSetup{}, Side::kRed, {2176, 4307152, -1}},
        {{5, 5, "A1, E5", "A5, E1", "C3"}, Side::kRed, {142, 15664, 1712304}},
        {{6, 4, "B1, C6, A3", "D2", "B3, C3, A6"}, Side::kRed, {151, 7196, 732080}},
        {{6, 4, "B1, C6, A3", "D2", "B3, C3, A6"}, Side::kBlue, {60, 7727, 227648}},
        {{7, 7, "A1", "G7, D4", "B2, F6, D1, D7"}, Side::kBlue, {424, 38962, 12995712}},
    };
    for (const PerftRow& row : rows) {
        const auto board = buildBoard(row.setup);
        for (int depth = 1; depth <= 3; ++depth) {
            if (row.counts[depth - 1] >= 0) {
                EXPECT_EQ(perft(*board, row.side, depth), row.counts[depth - 1])
                    << row.setup.rows << " x " << row.setup.columns << " depth " << depth;
            }
        }
    }
}

TEST(KnownAnswers, StartHashAndTranspositions) {
    Mt19937 generator;
    auto keys = std::make_shared<const ZobristKeys>(ZobristKeys::build(generator, 144, 1u << 20));
    const auto board = buildBoard(BoardSetup{}, keys);
    EXPECT_EQ(board->hash().index, 114307u);
    EXPECT_EQ(board->hash().lock, 75102u);

    // Two Red moves and two Blue moves in either order reach the same position.
    const auto other = buildBoard(BoardSetup{}, keys);
    const Square a1{1, 4}, a2{4, 4}, a3{4, 5}, b1{4, 1}, b2{3, 2}, b3{3, 3};
    const Square c1{7, 1}, c2{6, 2}, c3{6, 3}, d1{10, 4}, d2{8, 6}, d3{8, 7};
    makeMove(*board, a1, a2, a3, Side::kRed);
    makeMove(*board, c1, c2, c3, Side::kBlue);
    makeMove(*board, b1, b2, b3, Side::kRed);
    makeMove(*board, d1, d2, d3, Side::kBlue);
    makeMove(*other, b1, b2, b3, Side::kRed);
    makeMove(*other, d1, d2, d3, Side::kBlue);
    makeMove(*other, a1, a2, a3, Side::kRed);
    makeMove(*other, c1, c2, c3, Side::kBlue);
    EXPECT_EQ(board->hash(), other->hash());
    EXPECT_NE(board->hash(), buildBoard(BoardSetup{}, keys)->hash());
}

}  // namespace
}  // namespace taravin
