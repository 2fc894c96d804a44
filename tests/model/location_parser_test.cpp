#include <gtest/gtest.h>

#include "model/board_setup.h"
#include "model/location_parser.h"

namespace taravin {
namespace {

std::string redSquares(const Board& board) {
    std::string text;
    for (const PositionNode* node = board.amazons(Side::kRed).head(); node; node = node->next) {
        text += node->text() + " ";
    }
    return text;
}

TEST(LenientParser, AcceptsLooseSeparatorsAndCase) {
    for (const char* text :
         {"A4, D1, G1, J4", "a4,d1 g1 ,j4", ",, A4 ,D1,,G1 J4,  ", "A4;, D1x, G1, J4"}) {
        Board board(10, 10);
        placeLocations(board, text, Content::kRed);
        EXPECT_EQ(redSquares(board), "A4 D1 G1 J4 ") << text;
    }
}

TEST(LenientParser, SkipsInvalidNames) {
    Board board(10, 10);
    placeLocations(board,
                   "K1, A0, A11, 4A, A, \xC1"
                   "1, A-1, B99999999999999, C3",
                   Content::kRed);
    EXPECT_EQ(redSquares(board), "C3 ");
    Board wide(10, 20);
    placeLocations(wide, "T1, U1", Content::kRed);
    EXPECT_EQ(redSquares(wide), "T1 ");
    Board empty(10, 10);
    placeLocations(empty, "", Content::kRed);
    EXPECT_TRUE(empty.amazons(Side::kRed).empty());
}

TEST(LenientParser, RepeatsReplaceAndAmazonsStopAtFour) {
    Board board(10, 10);
    placeLocations(board, "A4, A4", Content::kRed);
    EXPECT_EQ(board.amazonCount(Side::kRed), 1);
    placeLocations(board, "B1, C1, D1, E1, F1", Content::kRed);
    EXPECT_EQ(redSquares(board), "A4 B1 C1 D1 ");
    EXPECT_EQ(board.content(1, 5), Content::kEmpty);
    placeLocations(board, "A4", Content::kArrow);
    EXPECT_EQ(redSquares(board), "B1 C1 D1 ");
    EXPECT_EQ(board.content(4, 1), Content::kArrow);
}

TEST(LenientParser, TextEndsAtNul) {
    Board board(10, 10);
    placeLocations(board, std::string_view("A1, B2\0C3", 9), Content::kRed);
    EXPECT_EQ(redSquares(board), "A1 B2 ");
}

TEST(LeadingInteger, ReadsLikeAStandardConversion) {
    EXPECT_EQ(leadingInteger("12abc"), 12);
    EXPECT_EQ(leadingInteger("  -7"), -7);
    EXPECT_EQ(leadingInteger("x1"), 0);
    EXPECT_EQ(leadingInteger("99999999999999999999"), 2147483648LL);
}

TEST(BoardSetup, BuildsBlueThenRedThenArrows) {
    BoardSetup setup;
    setup.arrowLocations = "A4, E5";
    setup.blueLocations = "A4, D10, G10, J7";
    const auto board = buildBoard(setup);
    EXPECT_EQ(board->content(4, 1), Content::kArrow)
        << "the arrow replaces the amazons placed before it";
    EXPECT_EQ(board->amazonCount(Side::kRed), 3);
    EXPECT_EQ(board->amazonCount(Side::kBlue), 3);
    EXPECT_EQ(board->content(5, 5), Content::kArrow);
    EXPECT_EQ(board->moveCapacity(), 40 * 40 * 3);
}

}  // namespace
}  // namespace taravin
