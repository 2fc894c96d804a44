#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "formats/sgf_reader.h"
#include "formats/sgf_writer.h"
#include "model/mt19937.h"

namespace taravin {
namespace {

SgfGame read(const std::string& text) {
    std::string error;
    const std::optional<SgfGame> game = readSgf(text, error);
    EXPECT_TRUE(game) << error;
    return game.value_or(SgfGame{});
}

std::string refusal(const std::string& text) {
    std::string error;
    EXPECT_FALSE(readSgf(text, error)) << text;
    return error;
}

const std::vector<Square> kStandardRed{{4, 1}, {1, 4}, {1, 7}, {4, 10}};
const std::vector<Square> kStandardBlue{{7, 1}, {10, 4}, {10, 7}, {7, 10}};

TEST(Sgf, ExampleGameReadsOnTheStandardStart) {
    const SgfGame game = read("(;FF[4]GM[18]SZ[10];B[djddgd];W[addgad];B[gjehea])");
    EXPECT_EQ(game.rows, 10);
    EXPECT_EQ(game.columns, 10);
    EXPECT_EQ(game.redAmazons, kStandardRed) << "the standard lists, in the standard order";
    EXPECT_EQ(game.blueAmazons, kStandardBlue);
    EXPECT_TRUE(game.arrows.empty());
    ASSERT_EQ(game.moves.size(), 3u);
    EXPECT_EQ(game.moves[0].side, Side::kRed);
    EXPECT_EQ(game.moves[0].squares, (ScannedMove{{1, 4}, {7, 4}, {7, 7}})) << "D1-D7 (G7)";
    EXPECT_EQ(game.moves[1].side, Side::kBlue);
    EXPECT_EQ(game.moves[1].squares, (ScannedMove{{7, 1}, {4, 4}, {7, 1}})) << "A7-D4 (A7)";
    EXPECT_EQ(game.moves[2].squares, (ScannedMove{{1, 7}, {3, 5}, {10, 5}})) << "G1-E3 (E10)";
    EXPECT_EQ(game.moves[2].property, "B[gjehea]");
}

TEST(Sgf, SetupOnARectangleInFileOrder) {
    // Six columns, four rows: "a" is the top row, row 4.
    const SgfGame game = read(
        "(;GM[18]SZ[6:4]AB[ad][fa]AW[aa][fd]AA[cb:dc]AE[dc]AB[cc]AW[ad]"
        ";B[fadaca])");
    EXPECT_EQ(game.columns, 6);
    EXPECT_EQ(game.rows, 4);
    EXPECT_EQ(game.redAmazons, (std::vector<Square>{{4, 6}, {2, 3}}))
        << "A1 went to Blue; C2 replaced an arrow";
    EXPECT_EQ(game.blueAmazons, (std::vector<Square>{{4, 1}, {1, 6}, {1, 1}}));
    EXPECT_EQ(game.arrows, (std::vector<Square>{{3, 3}, {3, 4}}))
        << "the rectangle C3:D2 less D2 (emptied) and C2 (taken)";
    EXPECT_EQ(game.moves[0].squares, (ScannedMove{{4, 6}, {4, 4}, {4, 3}}));
}

TEST(Sgf, MainLineOnlyWithCommentsAndUnknownProperties) {
    const SgfGame game = read(
        "(;GM[18]PB[Ann]XY[odd \\] value (;B[aaaaaa\\])]C[a comment; with (parentheses)]\n"
        ";B[djddgd]C[first]\n"
        "(;W[addgad];B[gjehea](;W[jdjejd])(;W[gagbga]))\n"
        "(;W[gagbga]))\n"
        "(;GM[18];B[agahag])");
    EXPECT_EQ(game.redName, "Ann");
    ASSERT_EQ(game.moves.size(), 4u) << "the first variation at each branch";
    EXPECT_EQ(game.moves[3].property, "W[jdjejd]");
}

TEST(Sgf, ValuesThatAreNoMoveAreKeptForTheReplayToReport) {
    const SgfGame game = read("(;GM[18];B[];W[djdd];B[djddzz];W[ DJDDGD ])");
    ASSERT_EQ(game.moves.size(), 4u);
    for (const SgfMove& move : game.moves) {
        EXPECT_FALSE(move.squares) << move.property;
    }
    EXPECT_EQ(game.moves[2].property, "B[djddzz]");
}

TEST(Sgf, GamesTheBoardCannotHoldAreRefused) {
    EXPECT_NE(refusal("(;GM[18]SZ[21])").find("1 to 20"), std::string::npos);
    EXPECT_NE(refusal("(;GM[18]SZ[0:5])").find("SZ[0:5]"), std::string::npos);
    refusal("(;GM[18]SZ[ten])");
    refusal("(;GM[18]SZ[99999999999999999999])");
    EXPECT_NE(refusal("(;AB[aa][ba][ca][da][ea]AW[jj])").find("Red has 5 amazons"),
              std::string::npos);
    refusal("(;AB[aa:ee]AW[jj])");
    EXPECT_NE(refusal("(;AW[jj])").find("Red has 0"), std::string::npos);
    EXPECT_NE(refusal("(;SZ[5]AB[aa]AW[kk])").find("AW[kk]"), std::string::npos);
    EXPECT_NE(refusal("(;SZ[8];B[aaabac])").find("10 x 10"), std::string::npos);
    EXPECT_NE(refusal("(;GM[1]SZ[19])").find("GM[1]"), std::string::npos);
    EXPECT_NE(refusal("<GAME-INFO-START>").find("(;"), std::string::npos);
    EXPECT_NE(refusal("(;GM[18]PB[unterminated").find("ends inside"), std::string::npos);
}

TEST(Sgf, TextsAreDecodedToOneLineOfUtf8) {
    EXPECT_EQ(read("(;CA[ISO-8859-1]PB[Ren\xE9]PW[\xC3\xA9])").redName, "Ren\xC3\xA9");
    EXPECT_EQ(read("(;CA[ISO-8859-1]PW[\xC3\xA9])").blueName, "\xC3\x83\xC2\xA9")
        << "Latin-1 as declared";
    EXPECT_EQ(read("(;CA[UTF-8]PB[Ren\xC3\xA9])").redName, "Ren\xC3\xA9");
    EXPECT_EQ(read("(;PB[Ren\xC3\xA9]PW[Ren\xE9])").blueName, "Ren\xC3\xA9")
        << "without CA, bytes that are no UTF-8 are Latin-1";
    EXPECT_EQ(read("(;CA[utf-8]PB[a\xE9z\xED\xA0\x80])").redName,
              "a\xEF\xBF\xBDz\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD")
        << "invalid UTF-8 and encoded surrogates become replacement characters";
    EXPECT_EQ(read("(;PB[ two\r\nlines\\\nhere\x01 ]RE[B+12]DT[2024-05-31])").redName,
              "two  lineshere");
    EXPECT_EQ(read("(;PB[" + std::string(500, 'x') + "])").redName, std::string(64, 'x'));
    const SgfGame game = read("(;RE[W+3]DT[2024-05-31])");
    EXPECT_EQ(game.result, "W+3");
    EXPECT_EQ(game.date, "2024-05-31");
}

TEST(Sgf, HostileBytesNeverBreakTheReader) {
    Mt19937 random;
    std::string error;
    for (int round = 0; round < 2000; ++round) {
        std::string text = "(;";
        const uint32_t length = random.next() % 200;
        for (uint32_t i = 0; i < length; ++i) {
            const char alphabet[] = "()[];\\:ABWEGMSZ18abcdefghijkt \n\xff";
            text += alphabet[random.next() % (sizeof alphabet - 1)];
        }
        if (const auto game = readSgf(text, error)) {
            EXPECT_LE(game->redAmazons.size(), 4u);
            EXPECT_GE(game->rows, 1);
            EXPECT_LE(game->rows, 20);
        }
    }
    read("(;" + std::string(100000, '(') + ";B[djddgd]" + std::string(100000, ')'));
    EXPECT_EQ(read("(;GM[18];B[djddgd](;W[addgad])(;W[gagddd]C[unterminated").moves.size(), 2u)
        << "a broken variation beside the main line leaves it whole";
    std::string manyRectangles = "(;AB[aa]AW[jj]AA";
    for (int i = 0; i < 20000; ++i) {
        manyRectangles += "[ab:ji]";
    }
    EXPECT_EQ(read(manyRectangles + ")").arrows.size(), 80u);
}

TEST(Sgf, WrittenTextAndItsRoundTrip) {
    SgfGame game;
    game.rows = 4;
    game.columns = 6;
    game.redAmazons = {{4, 6}, {2, 3}};
    game.blueAmazons = {{1, 1}};
    game.arrows = {{3, 3}};
    game.redName = "A]nn\\e";
    game.blueName = "two\nlines";
    game.result = "B+5";
    game.moves = {{Side::kRed, ScannedMove{{4, 6}, {4, 4}, {4, 3}}, {}},
                  {Side::kBlue, ScannedMove{{1, 1}, {1, 2}, {1, 1}}, {}}};
    const std::string text = writeSgf(game);
    EXPECT_EQ(text, "(;FF[4]GM[18]AP[Taravin:" TARAVIN_VERSION_TEXT
                    "]CA[UTF-8]SZ[6:4]\n"
                    "AB[fa][cc]AW[ad]AA[cb]\n"
                    "PB[A\\]nn\\\\e]PW[two lines]RE[B+5]\n"
                    ";B[fadaca];W[adbdad])\n");
    const SgfGame back = read(text);
    EXPECT_EQ(back.redAmazons, game.redAmazons);
    EXPECT_EQ(back.blueAmazons, game.blueAmazons);
    EXPECT_EQ(back.arrows, game.arrows);
    EXPECT_EQ(back.redName, game.redName);
    EXPECT_EQ(back.result, "B+5");
    ASSERT_EQ(back.moves.size(), 2u);
    EXPECT_EQ(back.moves[1].squares, game.moves[1].squares);
    EXPECT_EQ(back.moves[1].side, Side::kBlue);
    game.redName = "Ren\xE9";
    EXPECT_EQ(read(writeSgf(game)).redName, "Ren\xC3\xA9") << "an 8-bit name is written as UTF-8";
    EXPECT_EQ(sgfPoint({1, 4}, 10), "dj");
    EXPECT_EQ(sgfPoint({20, 20}, 20), "ta");
}

BoardMove boardMove(const ScannedMove& move) {
    return {move.from, move.to, move.arrow};
}

TEST(Sgf, ReviewedGameRoundTrip) {
    const ScannedMove moves[] = {{{1, 4}, {7, 4}, {7, 7}},
                                 {{7, 1}, {4, 4}, {7, 1}},
                                 {{1, 7}, {3, 5}, {10, 5}},
                                 {{10, 4}, {6, 4}, {5, 3}},
                                 {{4, 1}, {2, 1}, {2, 2}}};
    const BoardMove betterForBlue{{10, 7}, {7, 7}, {7, 4}};
    const BoardMove betterForRed{{4, 10}, {4, 9}, {4, 8}};
    SgfGame game;
    game.redAmazons = kStandardRed;
    game.blueAmazons = kStandardBlue;
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        game.moves.push_back({i % 2 == 0 ? Side::kRed : Side::kBlue, moves[i], {}});
    }
    game.moves[0].review = {Side::kRed, boardMove(moves[0]), boardMove(moves[0]), 0.5149,
                            0.5251,     MoveClass::kBest};
    game.moves[1].review = {Side::kBlue, boardMove(moves[1]), std::nullopt, 0.47,
                            0.46,        MoveClass::kGood};
    game.moves[3].review = {Side::kBlue, boardMove(moves[3]), betterForBlue, 0.4351,
                            0.3149,      MoveClass::kMistake};
    game.moves[4].review = {Side::kRed, boardMove(moves[4]), betterForRed, 0.9,
                            0.2,        MoveClass::kBlunder};
    const std::string text = writeSgf(game);
    for (const char* expected :
         {"\n;B[djddgd]TE[1]V[2.5]C[Red: D1-D7 (G7) 51% -> 53% best]\n",
          "\n;W[addgad]V[4.0]C[Blue: A7-D4 (A7) 47% -> 46% good]\n;B[gjehea]",
          "\n(;W[dadecf]BM[1]V[18.5]C[Blue: D10-D6 (C5) 44% -> 31% mistake, best G10-G7 (D7) "
          "44%]\n(;B[agaibi]BM[2]V[-30.0]C[",
          ")\n(;B[jgighg]C[Better: J4-I4 (H4) 90%]))\n(;W[gagddd]C[Better: G10-G7 (D7) 44%]))\n"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    }

    const SgfGame back = read(text);
    ASSERT_EQ(back.moves.size(), game.moves.size()) << "the better moves leave the main line";
    for (std::size_t i = 0; i < game.moves.size(); ++i) {
        EXPECT_EQ(back.moves[i].squares, game.moves[i].squares) << i;
        std::optional<MoveReview> expected = game.moves[i].review;
        if (expected) {
            expected->chanceBefore = std::round(expected->chanceBefore * 100) / 100;
            expected->chanceAfter = std::round(expected->chanceAfter * 100) / 100;
        }
        EXPECT_EQ(back.moves[i].review, expected) << i;
    }
}

TEST(Sgf, ReviewsOnlyFromCommentsOfTheirMove) {
    const SgfGame game = read(
        "(;GM[18]"
        ";B[djddgd]C[Nice move!]"
        ";W[addgad]C[Blue: A7-D4 (A7) 47% -> 46% good, well played]"
        "(;B[gjehea]C[Red: G1-E3 (E10) 60% -> 40% blunder];W[dadeci]"
        "C[Red: D10-D6 (C5) 44% -> 31% good])"
        "(;W[jdjejd])(;B[gjehea])(;B[agaibi]C[Better: A4-A2 (B2) 60%]))");
    ASSERT_EQ(game.moves.size(), 4u);
    EXPECT_FALSE(game.moves[0].review) << "a foreign comment";
    ASSERT_TRUE(game.moves[1].review);
    EXPECT_FALSE(game.moves[1].review->best);
    ASSERT_TRUE(game.moves[2].review);
    EXPECT_EQ(game.moves[2].review->best, (BoardMove{{4, 1}, {2, 1}, {2, 2}}))
        << "the first other move of the mover beside it, when the comment names none";
    EXPECT_FALSE(game.moves[3].review) << "a comment for another side";
}

TEST(Sgf, RecognisedByItsFirstCharacters) {
    EXPECT_TRUE(looksLikeSgf("(;GM[18])"));
    EXPECT_TRUE(looksLikeSgf("\xEF\xBB\xBF \r\n( ;"));
    EXPECT_FALSE(looksLikeSgf("1. D1-D7 (G7)"));
    EXPECT_FALSE(looksLikeSgf("("));
    EXPECT_FALSE(looksLikeSgf(""));
}

}  // namespace
}  // namespace taravin
