#include <gtest/gtest.h>

#include <string>

#include "document_fixture.h"
#include "model/board_setup.h"

namespace taravin {
namespace {

using testing::DocumentFixture;

void playOpening(DocumentFixture& fixture) {
    fixture.newGame();
    fixture.play({1, 4}, {7, 4}, {7, 7});
    fixture.play({10, 4}, {9, 4}, {9, 5});
    fixture.play({1, 7}, {2, 7}, {3, 7});
    fixture.play({10, 7}, {9, 7}, {9, 8});
}

std::vector<Content> contents(const Board& board) {
    return {board.contents(), board.contents() + board.cellCount()};
}

TEST(GameFile, SavedGameReadsBackPaused) {
    DocumentFixture saved;
    saved.profile.writeString("Settings", "BlueName", "Alice");
    playOpening(saved);
    saved.document.tickClock(Side::kRed);
    saved.document.tickClock(Side::kBlue);
    saved.document.tickClock(Side::kBlue);
    const std::string text = saved.document.gameText();

    DocumentFixture opened;
    opened.document.readGame(text, true, "game.txt");
    const CAmazonDoc& doc = opened.document;
    EXPECT_EQ(doc.state(), GameState::kPause);
    EXPECT_EQ(doc.title(), "game.txt");
    EXPECT_EQ(doc.moveNumber(), 5);
    EXPECT_EQ(doc.gameRecord()->size(), 4u);
    EXPECT_EQ(contents(*doc.board()), contents(*saved.document.board()));
    EXPECT_EQ(doc.player(Side::kBlue).name(), "Alice");
    EXPECT_EQ(doc.player(Side::kRed).clock(), 1);
    EXPECT_EQ(doc.player(Side::kBlue).clock(), 2);
    EXPECT_EQ(opened.host.soundCount(), 0) << "no sound while loading";
    EXPECT_EQ(opened.host.runningClock(), 0) << "no clock while loading";
    EXPECT_EQ(doc.gameText(), text);
}

TEST(GameFile, FreeTextsHoldingTheFilesKeysReadBackUnchanged) {
    struct FreeTexts {
        std::string redName;
        std::string redLocations;
    };
    for (const FreeTexts& texts : {FreeTexts{"<MOVE-HISTORY-START>", kDefaultRedLocations},
                                   FreeTexts{"RED-TYPE=1:2:1:3:Computer", kDefaultRedLocations},
                                   FreeTexts{"RED-TIME=5", kDefaultRedLocations},
                                   FreeTexts{"Ann", "A4, D1, G1, J4, BLUE-AMAZONS=J7"}}) {
        DocumentFixture saved;
        saved.profile.writeString("Settings", "RedName", texts.redName);
        saved.profile.writeString("Settings", "RedLocations", texts.redLocations);
        playOpening(saved);
        saved.document.tickClock(Side::kBlue);
        const std::string text = saved.document.gameText();

        DocumentFixture opened;
        ASSERT_TRUE(opened.document.readGame(text, true, "keys.txt")) << texts.redName;
        const CAmazonDoc& doc = opened.document;
        EXPECT_EQ(doc.player(Side::kRed).name(), texts.redName);
        EXPECT_FALSE(doc.player(Side::kRed).isComputer()) << texts.redName;
        EXPECT_EQ(doc.player(Side::kRed).clock(), 0) << texts.redName;
        EXPECT_EQ(doc.player(Side::kBlue).clock(), 1) << texts.redName;
        EXPECT_EQ(opened.profile.readString("Settings", "RedLocations", ""), texts.redLocations);
        EXPECT_EQ(opened.profile.readString("Settings", "BlueLocations", ""), kDefaultBlueLocations)
            << texts.redLocations;
        EXPECT_EQ(doc.moveNumber(), 5) << texts.redName;
        EXPECT_EQ(contents(*doc.board()), contents(*saved.document.board())) << texts.redName;
        EXPECT_EQ(doc.gameText(), text);
    }
}

TEST(GameFile, WithoutThePlayerBoxTheStoredPlayersStay) {
    DocumentFixture saved;
    saved.profile.writeString("Settings", "RedName", "Bob");
    playOpening(saved);
    DocumentFixture opened;
    opened.document.readGame(saved.document.gameText(), false, "g.txt");
    EXPECT_EQ(opened.document.player(Side::kRed).name(), "Human Player");
    EXPECT_EQ(opened.document.moveNumber(), 5);
}

TEST(GameFile, BareMoveHistoryReplaysOnTheStoredSetup) {
    DocumentFixture opened;
    opened.document.readGame("1. d1 - d7 (g7)\t2. D10-D9/E9 3. g1 g2 g3 4. G10", true, "h.txt");
    EXPECT_EQ(opened.document.moveNumber(), 4) << "the incomplete fourth move is dropped";
    EXPECT_EQ(opened.document.board()->content(3, 7), Content::kArrow);
}

TEST(GameFile, IllegalMovesAreSkipped) {
    DocumentFixture opened;
    opened.document.readGame("A4-A5 (A4) D1-D1 (D2) A7-A6 (B6)", true, "i.txt");
    EXPECT_EQ(opened.document.moveNumber(), 3) << "D1-D1 (D2) is dropped, Blue's A7-A6 (B6) plays";
    EXPECT_EQ(opened.document.board()->content(6, 1), Content::kBlue);
}

TEST(GameFile, SavingAfterSteppingBackWritesOnlyTheMovesOnTheBoard) {
    DocumentFixture saved;
    playOpening(saved);
    saved.document.stepBack(StepKind::kOne);
    saved.document.stepBack(StepKind::kOne);
    saved.document.stepBack(StepKind::kOne);
    DocumentFixture opened;
    opened.document.readGame(saved.document.gameText(), true, "s.txt");
    EXPECT_EQ(opened.document.gameRecord()->size(), 1u);
    EXPECT_EQ(opened.document.moveNumber(), 2);
}

TEST(GameFile, UnsupportedSetupIsRefusedAndChangesNothing) {
    for (const char* setup :
         {"RED-AMAZONS=A1,B1,C1,D1,E1\r\nBLUE-AMAZONS=J10\r\nARROWS=\r\n",
          "RED-AMAZONS=A1\r\nBLUE-AMAZONS=J10\r\nARROWS=\r\nCOLUMNS=21\r\n",
          "RED-AMAZONS=A1\r\nBLUE-AMAZONS=B1\r\nARROWS=\r\nCOLUMNS=5\r\nROWS=-4\r\n"}) {
        DocumentFixture fixture;
        fixture.newGame();
        fixture.play({1, 4}, {7, 4}, {7, 7});
        fixture.profile.clearWrites();
        EXPECT_FALSE(
            fixture.document.readGame(std::string("<BOARD-SETUP-START>\r\n") + setup, true, "x"));
        EXPECT_TRUE(fixture.profile.writes().empty()) << setup;
        EXPECT_EQ(fixture.document.moveNumber(), 2) << "the game on the board stays";
        ASSERT_EQ(fixture.host.stopMessages().size(), 1u);
        EXPECT_EQ(fixture.host.stopMessages().front(), CAmazonDoc::kUnsupportedSetupMessage);
    }
}

TEST(GameFile, HostileValuesAreReadSafely) {
    DocumentFixture opened;
    ASSERT_TRUE(opened.document.readGame(
        "<BOARD-SETUP-START>\r\nRED-AMAZONS=A1,A1,B1\r\nBLUE-AMAZONS=\xff\xfe,J10\r\n"
        "ARROWS=\r\nCOLUMNS=0\r\nROWS=10\r\n<BOARD-SETUP-END>\r\n"
        "<GAME-INFO-START>\r\nRED-TYPE=7:99:-3:-5:\x01name\r\nRED-TIME=-50\r\n",
        true, "odd.txt"));
    const CAmazonDoc& doc = opened.document;
    EXPECT_EQ(doc.board()->columns(), 10) << "a stored 0 makes the board 10 x 10";
    EXPECT_EQ(doc.board()->amazonCount(Side::kRed), 2);
    EXPECT_EQ(doc.board()->amazonCount(Side::kBlue), 1);
    EXPECT_EQ(doc.player(Side::kRed).timeout(), 30) << "a file's time-out gets the profile's guard";
    EXPECT_EQ(doc.player(Side::kRed).clock(), 0);
    EXPECT_EQ(doc.state(), GameState::kPause);
}

}  // namespace
}  // namespace taravin
