#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document_fixture.h"
#include "formats/sgf_reader.h"
#include "model/settings.h"

namespace taravin {
namespace {

using testing::DocumentFixture;

std::vector<Content> contents(const Board& board) {
    return {board.contents(), board.contents() + board.cellCount()};
}

std::vector<std::string> recordTexts(const CAmazonDoc& document) {
    std::vector<std::string> texts;
    for (const MoveRecord* move = document.gameRecord()->head(); move; move = move->next) {
        texts.push_back(move->text(true));
    }
    return texts;
}

std::vector<Square> amazonList(const Board& board, Side side) {
    std::vector<Square> squares;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        squares.push_back({node->row, node->column});
    }
    return squares;
}

constexpr const char* kExampleSgf = "(;FF[4]GM[18]SZ[10];B[djddgd];W[addgad];B[gjehea])";

TEST(SgfGame, ExampleOpensAsTheNativeFileOfTheSameMoves) {
    DocumentFixture sgf;
    ASSERT_TRUE(sgf.document.openGame(kExampleSgf, true, "example.sgf"));
    DocumentFixture native;
    ASSERT_TRUE(native.document.openGame("1. D1 - D7 (G7)\t2. A7 - D4 (A7)\n3. G1 - E3 (E10)\n",
                                         true, "example.txt"));
    EXPECT_TRUE(sgf.host.stopMessages().empty());
    EXPECT_EQ(contents(*sgf.document.board()), contents(*native.document.board()));
    for (const Side side : {Side::kRed, Side::kBlue}) {
        EXPECT_EQ(amazonList(*sgf.document.board(), side),
                  amazonList(*native.document.board(), side))
            << "the same list order, so the searches break ties alike";
    }
    EXPECT_EQ(recordTexts(sgf.document), recordTexts(native.document));
    EXPECT_EQ(sgf.document.moveNumber(), 4);
    EXPECT_EQ(sgf.document.state(), GameState::kPause);
    EXPECT_EQ(sgf.document.title(), "example.sgf");
    EXPECT_EQ(sgf.host.soundCount(), 0);
    EXPECT_EQ(sgf.document.gameText(), native.document.gameText()) << "as a saved game too";
}

TEST(SgfGame, NativeToSgfToNativeGivesTheSameFile) {
    DocumentFixture saved;
    saved.profile.writeString("Settings", "RedName", "Ann");
    saved.profile.writeString("Settings", "BlueName", "Ben");
    saved.profile.writeString("Settings", "ArrowLocations", "E5, F6");
    saved.newGame();
    saved.play({1, 4}, {7, 4}, {7, 7});
    saved.play({10, 7}, {8, 7}, {8, 5});
    saved.play({4, 1}, {4, 3}, {6, 3});
    const std::string native = saved.document.gameText();

    DocumentFixture throughSgf;
    ASSERT_TRUE(throughSgf.document.openGame(native, true, "a.txt"));
    const std::string sgf = throughSgf.document.gameSgfText();
    EXPECT_NE(sgf.find("PB[Ann]PW[Ben]"), std::string::npos) << sgf;
    EXPECT_NE(sgf.find("AA[ef][fe]"), std::string::npos) << sgf;
    EXPECT_EQ(sgf.find("RE["), std::string::npos) << "no result while the game goes on";

    DocumentFixture back;
    ASSERT_TRUE(back.document.openGame(sgf, true, "a.sgf"));
    EXPECT_EQ(back.document.gameText(), native);
}

TEST(SgfGame, AComputerGameReadsBackToTheSameRecordAndResult) {
    DocumentFixture played;
    played.profile.writeInt("Settings", "Rows", 5);
    played.profile.writeInt("Settings", "Columns", 6);
    played.profile.writeString("Settings", "RedLocations", "A1, F3");
    played.profile.writeString("Settings", "BlueLocations", "F1, A5");
    played.makeComputer(Side::kRed, kAlgorithmAlphaBeta);
    played.makeComputer(Side::kBlue, kAlgorithmQScout);
    played.document.setSearchLimits(1, false);
    played.newGame();
    played.host.processEvents(played.document);
    ASSERT_EQ(played.document.state(), GameState::kOver);
    ASSERT_EQ(played.host.congratulations().size(), 1u);
    const std::string sgf = played.document.gameSgfText();
    const std::string& shown = played.host.congratulations().front().text;
    const bool redWon = played.host.congratulations().front().winner == Side::kRed;
    const std::string points = shown.substr(shown.find(" by ") + 4);
    EXPECT_NE(sgf.find(std::string("RE[") + (redWon ? "B+" : "W+") +
                       points.substr(0, points.find(' ')) + "]"),
              std::string::npos)
        << shown << "\n"
        << sgf;
    EXPECT_NE(sgf.find("SZ[6:5]"), std::string::npos);

    DocumentFixture opened;
    ASSERT_TRUE(opened.document.openGame(sgf, true, "g.sgf"));
    EXPECT_TRUE(opened.host.stopMessages().empty());
    EXPECT_EQ(recordTexts(opened.document), recordTexts(played.document));
    EXPECT_EQ(contents(*opened.document.board()), contents(*played.document.board()));
    EXPECT_EQ(opened.host.congratulations().size(), 1u) << "the replay ends the game again";
    EXPECT_EQ(opened.document.gameSgfText(), sgf);
}

TEST(SgfGame, AnIllegalMoveStopsTheReplayAndKeepsTheMovesBeforeIt) {
    for (const char* moves :
         {";B[djddgd];W[addgad];B[djddgd];W[gagbga]", ";B[djddgd];W[addgad];W[gagbga]",
          ";B[djddgd];W[addgad];B[];W[gagbga]", ";B[djddgd];W[addgad];B[djddzz]"}) {
        DocumentFixture fixture;
        ASSERT_TRUE(
            fixture.document.openGame(std::string("(;GM[18]") + moves + ")", true, "i.sgf"));
        EXPECT_EQ(fixture.document.moveNumber(), 3) << moves;
        ASSERT_EQ(fixture.host.stopMessages().size(), 1u);
        const std::string& message = fixture.host.stopMessages().front();
        EXPECT_EQ(message.rfind("SGF move 3 (", 0), 0u) << message;
        EXPECT_NE(message.find("keeps the 2 moves before it"), std::string::npos) << message;
        EXPECT_EQ(fixture.document.state(), GameState::kPause);
    }
}

TEST(SgfGame, AGameTheBoardCannotHoldChangesNothing) {
    for (const char* text : {"(;GM[18]SZ[25])", "(;AB[aa][ba][ca][da][ea]AW[jj])",
                             "(;GM[18]SZ[5]AB[aa]AW[zz])", "(;GM[18]PB[open"}) {
        DocumentFixture fixture;
        fixture.newGame();
        fixture.play({1, 4}, {7, 4}, {7, 7});
        fixture.profile.clearWrites();
        EXPECT_FALSE(fixture.document.openGame(text, true, "bad.sgf"));
        EXPECT_TRUE(fixture.profile.writes().empty()) << text;
        EXPECT_EQ(fixture.document.moveNumber(), 2) << "the game on the board stays";
        EXPECT_EQ(fixture.document.state(), GameState::kPlay);
        EXPECT_EQ(fixture.host.stopMessages().size(), 1u) << text;
    }
}

TEST(SgfGame, SetupAndNamesGoWhereTheNativeFileWouldPutThem) {
    DocumentFixture fixture;
    ASSERT_TRUE(fixture.document.openGame(
        "(;GM[18]SZ[7:5]AB[ae][gc]AW[ga][ac]AA[dc]PB[Ann]PW[Ben];B[aebdcc])", true, "s.sgf"));
    const CAmazonDoc& doc = fixture.document;
    EXPECT_EQ(doc.board()->columns(), 7);
    EXPECT_EQ(doc.board()->rows(), 5);
    EXPECT_EQ(readSetting(fixture.profile, kRedLocationsSetting), "A1, G3");
    EXPECT_EQ(readSetting(fixture.profile, kBlueLocationsSetting), "G5, A3");
    EXPECT_EQ(readSetting(fixture.profile, kArrowLocationsSetting), "D3");
    EXPECT_EQ(doc.player(Side::kRed).name(), "Ann");
    EXPECT_EQ(doc.player(Side::kBlue).name(), "Ben");
    EXPECT_EQ(doc.board()->content(2, 2), Content::kRed);
    EXPECT_EQ(doc.board()->content(3, 3), Content::kArrow);

    DocumentFixture withoutPlayers;
    ASSERT_TRUE(withoutPlayers.document.openGame("(;PB[Ann])", false, "n.sgf"));
    EXPECT_EQ(withoutPlayers.document.player(Side::kRed).name(), kDefaultPlayerName);
}

}  // namespace
}  // namespace taravin
