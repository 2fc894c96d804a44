#include <gtest/gtest.h>

#include "formats/uci_notation.h"
#include "model/board_setup.h"

namespace taravin {
namespace {

std::vector<Square> amazonList(const Board& board, Side side) {
    std::vector<Square> squares;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        squares.push_back({node->row, node->column});
    }
    return squares;
}

FenPosition fen(const std::string& text) {
    std::string error;
    const std::optional<FenPosition> position = parseFen(text, error);
    EXPECT_TRUE(position) << text << ": " << error;
    return position.value_or(FenPosition{});
}

std::string fenError(const std::string& text) {
    std::string error;
    EXPECT_FALSE(parseFen(text, error)) << text;
    return error;
}

TEST(UciNotation, StartFenIsTheStandardSetupWithItsListOrder) {
    const FenPosition start = fen(kStartFen);
    EXPECT_EQ(start.rows, 10);
    EXPECT_EQ(start.columns, 10);
    EXPECT_EQ(start.sideToMove, Side::kRed);
    EXPECT_EQ(start.moveNumber, 1);
    const std::unique_ptr<Board> fromFen = buildFenBoard(start);
    const std::unique_ptr<Board> standard = buildBoard(BoardSetup{});
    for (const Side side : {Side::kRed, Side::kBlue}) {
        EXPECT_EQ(amazonList(*fromFen, side), amazonList(*standard, side));
    }
    EXPECT_EQ(
        std::vector<Content>(fromFen->contents(), fromFen->contents() + fromFen->cellCount()),
        std::vector<Content>(standard->contents(), standard->contents() + standard->cellCount()));
    EXPECT_EQ(writeFen(*standard, Side::kRed, 1), kStartFen);
}

TEST(UciNotation, FenVariantsAndTheirRoundTrip) {
    const FenPosition holdings =
        fen("3q2q3/10/10/q8q/10/4P5/Q3p4Q/10/10/3Q2Q3[PPPPpppp] b - - 3 7");
    EXPECT_EQ(holdings.arrows, (std::vector<Square>{{5, 5}, {4, 5}}));
    EXPECT_EQ(holdings.sideToMove, Side::kBlue);
    EXPECT_EQ(holdings.moveNumber, 14) << "black's move of the seventh full move";

    const FenPosition wide = fen("20/Q18q/20/*19 w");
    EXPECT_EQ(wide.rows, 4);
    EXPECT_EQ(wide.columns, 20);
    EXPECT_EQ(wide.blueAmazons, (std::vector<Square>{{3, 20}}));
    const std::unique_ptr<Board> board = buildFenBoard(wide);
    EXPECT_EQ(writeFen(*board, Side::kBlue, 4), "20/Q18q/20/*19 b - - 0 2");

    const FenPosition minimal = fen("Qq");
    EXPECT_EQ(minimal.rows, 1);
    EXPECT_EQ(minimal.columns, 2);
}

TEST(UciNotation, FensTheBoardCannotHoldAreRefused) {
    EXPECT_NE(fenError("").find("empty"), std::string::npos);
    EXPECT_NE(fenError("10/9").find("rank 1 has 9"), std::string::npos);
    EXPECT_NE(fenError("21").find("20"), std::string::npos);
    fenError("Q19q");
    fenError("1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1/1");
    EXPECT_NE(fenError("QQQQQ5/10").find("more than 4"), std::string::npos);
    EXPECT_NE(fenError("3x6").find("'x'"), std::string::npos);
    fenError("0Q9");
    fenError("10 x");
    fenError("10 w - - 0 0");
    fenError("10 w - - 0 99999999999");
    fenError("10[PP");
    fenError("10[PP]/10");
    fenError("/");
}

TEST(UciNotation, MovesInBothDirections) {
    EXPECT_EQ(uciMoveText({1, 4}, {6, 4}, {9, 7}), "d1d6,d6g9");
    EXPECT_EQ(parseUciMove("d1d6,d6g9", 10, 10), (ScannedMove{{1, 4}, {6, 4}, {9, 7}}));
    EXPECT_EQ(parseUciMove("A10T20,t20a1", 20, 20), (ScannedMove{{10, 1}, {20, 20}, {1, 1}}));
    for (const char* bad : {"d1d6,d7g9", "d1d6", "d1d6,", "d1d6,d6g9x", "k1a1,a1a2", "a0a1,a1a2",
                            "a01a1,a1a2", "a11a1,a1a2", "d1-d6,d6g9", ""}) {
        EXPECT_FALSE(parseUciMove(bad, 10, 10)) << bad;
    }
}

}  // namespace
}  // namespace taravin
