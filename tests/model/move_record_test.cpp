#include <gtest/gtest.h>

#include <vector>

#include "model/board_setup.h"
#include "model/move_generation.h"
#include "model/move_record.h"
#include "model/random_playout.h"

namespace taravin {
namespace {

struct BoardState {
    std::vector<Content> contents;
    std::vector<std::pair<int32_t, int32_t>> red, blue;
    HashPair hash;
    friend bool operator==(const BoardState&, const BoardState&) = default;
};

BoardState snapshot(const Board& board) {
    BoardState state;
    state.contents.assign(board.contents(), board.contents() + board.cellCount());
    for (Side side : {Side::kRed, Side::kBlue}) {
        auto& list = side == Side::kRed ? state.red : state.blue;
        for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
            list.emplace_back(node->row, node->column);
        }
    }
    state.hash = board.hash();
    return state;
}

std::unique_ptr<Board> startBoard() {
    Mt19937 generator;
    auto keys = std::make_shared<ZobristKeys>(ZobristKeys::build(generator, 144, 1u << 16));
    return buildBoard(BoardSetup{}, keys);
}

TEST(MoveRecord, TextsAndPrompts) {
    Board board(10, 10);
    MoveRecord move(Side::kRed, &board);
    EXPECT_EQ(move.inputState(), kSelectQueen);
    EXPECT_EQ(move.text(), "");
    EXPECT_EQ(move.prompt(), "Red - select a queen to move");
    move.setFrom(1, 4);
    EXPECT_EQ(move.text(), "");
    EXPECT_EQ(move.prompt(), "Red - select a new location for the queen");
    move.setTo(7, 4);
    EXPECT_EQ(move.text(), "");
    EXPECT_EQ(move.prompt(), "Red - throw an arrow");
    move.setArrow(7, 7);
    EXPECT_EQ(move.text(), "D1 - D7 (G7)");
    EXPECT_EQ(move.text(true), "Red: D1 - D7 (G7)");
    EXPECT_EQ(move.prompt(), "Red - none");
    move.reset();
    EXPECT_EQ(move.inputState(), kSelectQueen);

    MoveRecord blue(Side::kBlue, &board);
    EXPECT_EQ(blue.prompt(), "Blue - select a queen to move");
    MoveRecord stopped(Side::kNone, nullptr);
    EXPECT_EQ(stopped.prompt(), "None");
}

TEST(MoveRecord, LineTestWalksFromTheReferenceSquare) {
    auto board = startBoard();
    MoveRecord move(Side::kRed, board.get());
    move.setFrom(1, 4);                 // D1
    EXPECT_TRUE(move.isOnLine(9, 4));   // D9, open column
    EXPECT_TRUE(move.isOnLine(10, 4));  // D10 holds Blue: the target's content is not examined
    EXPECT_TRUE(move.isOnLine(1, 5));   // E1
    EXPECT_FALSE(move.isOnLine(1, 8));  // H1 lies beyond G1
    EXPECT_TRUE(move.isOnLine(4, 7));   // G4 on the diagonal
    EXPECT_FALSE(move.isOnLine(2, 6));  // not on a line
    EXPECT_FALSE(move.isOnLine(1, 4));  // the reference itself
    move.setTo(7, 4);
    EXPECT_TRUE(move.isOnLine(7, 9));  // now measured from D7
}

TEST(MoveRecord, LegalityTest) {
    auto board = startBoard();
    const BoardState before = snapshot(*board);
    MoveRecord move(Side::kRed, board.get());
    move.setFrom(2, 2);
    const auto check = [&](Square from, Square to, Square arrow) {
        const bool legal = move.isLegalMove(from, to, arrow);
        EXPECT_EQ(snapshot(*board), before);
        EXPECT_EQ(move.inputState(), kSelectNewLocation);
        EXPECT_EQ(move.from(), (Square{2, 2}));
        return legal;
    };
    EXPECT_TRUE(check({1, 4}, {7, 4}, {7, 7}));      // D1-D7 (G7)
    EXPECT_TRUE(check({1, 4}, {7, 4}, {1, 4}));      // arrow back on the vacated square
    EXPECT_TRUE(check({4, 4 - 3}, {4, 4}, {4, 1}));  // A4-D4 (A4)
    EXPECT_FALSE(check({1, 4}, {1, 4}, {2, 4}));     // from = to
    EXPECT_FALSE(check({1, 4}, {7, 4}, {7, 4}));     // arrow = to
    EXPECT_FALSE(check({10, 4}, {9, 4}, {8, 4}));    // Blue amazon for Red
    EXPECT_FALSE(check({1, 4}, {2, 5}, {9, 9}));     // arrow not on a line
    EXPECT_FALSE(check({1, 4}, {3, 5}, {4, 5}));     // knight jump
    EXPECT_FALSE(check({1, 4}, {1, 8}, {2, 8}));     // over G1
    EXPECT_FALSE(check({0, 4}, {7, 4}, {7, 7}));     // off the board
}

TEST(MoveRecord, ArrowMayFlyOverTheVacatedSquare) {
    BoardSetup setup;
    setup.redLocations = "D4";
    setup.blueLocations = "J10";
    auto board = buildBoard(setup);
    MoveRecord move(Side::kRed, board.get());
    for (int32_t row = 1; row <= 4; ++row) {
        EXPECT_TRUE(move.isLegalMove({4, 4}, {7, 4}, {row, 4})) << row;
    }
    std::vector<Square> arrowsDownward;
    forEachLegalMove(*board, Side::kRed, [&](const Square&, const Square& to, const Square& arrow) {
        if (to == Square{7, 4} && arrow.column == 4 && arrow.row < 7) {
            arrowsDownward.push_back(arrow);
        }
    });
    EXPECT_EQ(arrowsDownward,
              (std::vector<Square>{{6, 4}, {5, 4}, {4, 4}, {3, 4}, {2, 4}, {1, 4}}));
}

TEST(MoveGeneration, StartPositionEnumerationOrderAndCount) {
    auto board = startBoard();
    std::vector<std::string> first;
    int count = 0;
    forEachLegalMove(*board, Side::kRed,
                     [&](const Square& from, const Square& to, const Square& arrow) {
                         if (first.size() < 3) {
                             first.push_back(squareName(from) + "-" + squareName(to) + " (" +
                                             squareName(arrow) + ")");
                         }
                         ++count;
                     });
    EXPECT_EQ(count, 2176);
    EXPECT_EQ(board->countLegalMoves(Side::kRed), 2176);
    EXPECT_EQ(board->countLegalMoves(Side::kBlue), 2176);
    EXPECT_EQ(first, (std::vector<std::string>{"A4-A5 (A6)", "A4-A5 (B6)", "A4-A5 (C7)"}));
}

TEST(MoveGeneration, EveryEnumeratedMoveIsLegalAndUnmakeRestores) {
    auto board = startBoard();
    // Play a few moves so the position is not symmetric.
    makeMove(*board, {1, 4}, {7, 4}, {7, 7}, Side::kRed);
    makeMove(*board, {7, 1}, {4, 4}, {7, 1}, Side::kBlue);
    board->recomputeHash();
    const BoardState before = snapshot(*board);
    MoveRecord tester(Side::kRed, board.get());
    int count = 0;
    std::vector<std::tuple<Square, Square, Square>> moves;
    forEachLegalMove(*board, Side::kRed, [&](const Square& f, const Square& t, const Square& a) {
        moves.emplace_back(f, t, a);
    });
    for (const auto& [from, to, arrow] : moves) {
        ASSERT_TRUE(tester.isLegalMove(from, to, arrow));
        const UndoRecord undo = makeMove(*board, from, to, arrow, Side::kRed);
        const HashPair running = board->hash();
        board->recomputeHash();
        ASSERT_EQ(board->hash(), running);
        unmakeMove(*board, from, to, arrow, undo);
        BoardState after = snapshot(*board);
        EXPECT_EQ(after.contents, before.contents);
        EXPECT_EQ(after.hash, before.hash);
        EXPECT_EQ(std::set(after.red.begin(), after.red.end()),
                  std::set(before.red.begin(), before.red.end()));
        ++count;
    }
    EXPECT_EQ(count, board->countLegalMoves(Side::kRed));
}

TEST(MoveGeneration, CountMatchesTheEnumerationOnRandomPositions) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        BoardSetup setup;
        setup.rows = static_cast<int32_t>(4 + seed % 17);
        setup.columns = static_cast<int32_t>(3 + (seed * 7) % 18);
        setup.redLocations = "A1, C2, B3";
        setup.blueLocations = "C1, A2, D4";
        const auto board = playRandomMoves(setup, static_cast<int>(seed % 25), seed);
        for (Side side : {Side::kRed, Side::kBlue}) {
            int32_t enumerated = 0;
            forEachLegalMove(*board, side,
                             [&](const Square&, const Square&, const Square&) { ++enumerated; });
            ASSERT_EQ(board->countLegalMoves(side), enumerated) << "seed " << seed;
        }
    }
}

TEST(MoveRecord, TakeBoardCopyOwnsAnIndependentBoard) {
    auto board = startBoard();
    MoveRecord move(Side::kRed, board.get());
    move.takeBoardCopy();
    EXPECT_TRUE(move.ownsBoard());
    ASSERT_NE(move.board(), board.get());
    board->setContent(5, 5, Content::kArrow, true);
    EXPECT_EQ(move.board()->content(5, 5), Content::kEmpty);
}

}  // namespace
}  // namespace taravin
