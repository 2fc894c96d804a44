#include <gtest/gtest.h>

#include "document_fixture.h"
#include "model/move_generation.h"

namespace taravin {
namespace {

using testing::DocumentFixture;

// Blue on A1 can only step to A2; Red on A5 can shoot it shut.
void writeTrapSetup(MemoryProfile& profile) {
    profile.writeString("Settings", "RedLocations", "A5");
    profile.writeString("Settings", "BlueLocations", "A1");
    profile.writeString("Settings", "ArrowLocations", "B1, B2");
}

TEST(Document, StartsStoppedAndNewGameGivesRedTheFirstMove) {
    DocumentFixture fixture;
    CAmazonDoc& doc = fixture.document;
    EXPECT_EQ(doc.stateText(), "Game State - Stop");
    EXPECT_EQ(doc.board(), nullptr);
    fixture.newGame();
    EXPECT_EQ(doc.stateText(), "Game State - Play");
    EXPECT_EQ(doc.sideToMove(), Side::kRed);
    EXPECT_EQ(doc.moveNumber(), 1);
    EXPECT_EQ(doc.movesAvailable(), 2176);
    EXPECT_EQ(fixture.host.runningClock(), sideCode(Side::kRed));
    EXPECT_EQ(doc.moveInProgress().prompt(), "Red - select a queen to move");
    EXPECT_EQ(positionNodePool().size(), 720u - 8u) << "refilled with 720, less the amazons placed";
}

TEST(Document, ZeroRowsMakeATenByTenBoard) {
    DocumentFixture fixture;
    fixture.profile.writeInt("Settings", "Rows", 0);
    fixture.profile.writeInt("Settings", "Columns", 12);
    fixture.newGame();
    EXPECT_EQ(fixture.document.board()->rows(), 10);
    EXPECT_EQ(fixture.document.board()->columns(), 10);
}

TEST(Document, MoveCompletionRecordsTheMoveAndHandsOverTheTurn) {
    DocumentFixture fixture;
    CAmazonDoc& doc = fixture.document;
    fixture.newGame();
    fixture.play({1, 4}, {7, 4}, {7, 7});
    EXPECT_EQ(doc.moveNumber(), 2);
    EXPECT_EQ(doc.recordLength(), 2);
    EXPECT_EQ(doc.sideToMove(), Side::kBlue);
    EXPECT_EQ(fixture.host.runningClock(), sideCode(Side::kBlue));
    EXPECT_EQ(doc.player(Side::kRed).lastMoveText(), "D1 - D7 (G7)");
    ASSERT_EQ(doc.gameRecord()->size(), 1u);
    EXPECT_TRUE(doc.gameRecord()->head()->ownsBoard());
    EXPECT_EQ(doc.lastMove(), doc.gameRecord()->head());
    EXPECT_EQ(doc.board()->marks(7, 4) & kLastMoveMark, kLastMoveMark);
    EXPECT_EQ(doc.evaluationText().rfind("Evaluation: ", 0), 0u);
    EXPECT_NE(doc.evaluationText().find(" Moves: 2176"), std::string::npos);
    EXPECT_EQ(doc.evaluationText().find("Nodes"), std::string::npos) << "a human's line is short";
    EXPECT_EQ(fixture.host.soundCount(), 1);
    fixture.play({10, 4}, {4, 4}, {4, 7});
    EXPECT_EQ(doc.board()->marks(7, 4) & kLastMoveMark, 0) << "the older move's marks are cleared";
}

TEST(Document, GameOverNamesTheWinnerAndItsMargin) {
    DocumentFixture fixture;
    writeTrapSetup(fixture.profile);
    CAmazonDoc& doc = fixture.document;
    fixture.newGame();
    fixture.play({5, 1}, {4, 1}, {2, 1});  // A5-A4 (A2) leaves Blue without a move
    EXPECT_EQ(doc.state(), GameState::kOver);
    EXPECT_EQ(doc.stateText(), "Game State - Over.  Red has won.");
    ASSERT_EQ(fixture.host.congratulations().size(), 1u);
    const auto& shown = fixture.host.congratulations().front();
    EXPECT_EQ(shown.winner, Side::kRed);
    const int32_t points = 100 - 2 - 3;  // every empty square is open to Red
    EXPECT_EQ(shown.text, "Red wins by " + std::to_string(points) + " points.");
    EXPECT_EQ(fixture.host.runningClock(), 0);
}

TEST(Document, BlueWinsWhenRedIsShutIn) {
    DocumentFixture fixture;
    fixture.profile.writeInt("Settings", "Rows", 1);
    fixture.profile.writeInt("Settings", "Columns", 4);
    fixture.profile.writeString("Settings", "RedLocations", "A1");
    fixture.profile.writeString("Settings", "BlueLocations", "D1");
    CAmazonDoc& doc = fixture.document;
    fixture.newGame();
    fixture.play({1, 1}, {1, 2}, {1, 1});  // A1-B1 (A1)
    EXPECT_EQ(fixture.host.runningClock(), sideCode(Side::kBlue));
    fixture.play({1, 4}, {1, 3}, {1, 4});  // D1-C1 (D1) shuts Red in
    EXPECT_EQ(doc.stateText(), "Game State - Over.  Blue has won.");
    ASSERT_EQ(fixture.host.congratulations().size(), 1u);
    EXPECT_EQ(fixture.host.congratulations().front().winner, Side::kBlue);
    EXPECT_EQ(fixture.host.congratulations().front().text, "Blue wins by 0 points.");
}

TEST(Document, MarginTextHasSingularAndZero) {
    // On a one-row board Red closes Blue in; what Red can still reach is the margin.
    for (auto [columns, expected] :
         {std::pair{3, "Red wins by 0 points."}, {4, "Red wins by 1 point."}}) {
        DocumentFixture fixture;
        fixture.profile.writeInt("Settings", "Rows", 1);
        fixture.profile.writeInt("Settings", "Columns", columns);
        fixture.profile.writeString("Settings", "RedLocations", "A1");
        fixture.profile.writeString("Settings", "BlueLocations", columns == 3 ? "C1" : "D1");
        fixture.newGame();
        const Square arrow = columns == 3 ? Square{1, 1} : Square{1, 3};
        fixture.play({1, 1}, {1, 2}, arrow);
        ASSERT_EQ(fixture.host.congratulations().size(), 1u);
        EXPECT_EQ(fixture.host.congratulations().front().text, expected);
    }
}

TEST(Document, SteppingThroughTheRecord) {
    DocumentFixture fixture;
    CAmazonDoc& doc = fixture.document;
    fixture.newGame();
    fixture.play({1, 4}, {7, 4}, {7, 7});   // 1. D1-D7 (G7)
    fixture.play({10, 4}, {9, 4}, {9, 5});  // 2. D10-D9 (E9)
    fixture.play({1, 7}, {2, 7}, {3, 7});   // 3. G1-G2 (G3)
    fixture.play({10, 7}, {9, 7}, {9, 8});  // 4. G10-G9 (H9)
    EXPECT_FALSE(doc.canStepForward());
    doc.stepBack(StepKind::kOne);
    EXPECT_EQ(doc.moveNumber(), 4);
    EXPECT_EQ(doc.sideToMove(), Side::kBlue);
    EXPECT_EQ(doc.board()->content(10, 7), Content::kBlue);
    EXPECT_EQ(doc.player(Side::kRed).lastMoveText(), "G1 - G2 (G3)");
    EXPECT_EQ(doc.player(Side::kBlue).lastMoveText(), "D10 - D9 (E9)");
    EXPECT_TRUE(doc.canStepForward());
    doc.stepBack(StepKind::kFive);
    EXPECT_EQ(doc.moveNumber(), 1) << "back five from move 4 goes to the start";
    EXPECT_EQ(doc.lastMove(), nullptr);
    EXPECT_EQ(doc.board()->content(1, 4), Content::kRed);
    EXPECT_FALSE(doc.canStepBack());
    doc.stepForward(StepKind::kOne);
    EXPECT_EQ(doc.moveNumber(), 2);
    doc.stepForward(StepKind::kFive);
    EXPECT_EQ(doc.moveNumber(), 5) << "forward five with three later moves goes to the last";
    EXPECT_EQ(doc.lastMove(), doc.gameRecord()->tail());
    doc.stepBack(StepKind::kToEnd);
    doc.stepForward(StepKind::kToEnd);
    EXPECT_EQ(doc.moveNumber(), 5);
    EXPECT_EQ(doc.gameRecord()->size(), 4u) << "stepping never changes the record";
}

TEST(Document, MoveAfterSteppingBackDiscardsTheFuture) {
    DocumentFixture fixture;
    CAmazonDoc& doc = fixture.document;
    fixture.newGame();
    fixture.play({1, 4}, {7, 4}, {7, 7});
    fixture.play({10, 4}, {9, 4}, {9, 5});
    fixture.play({1, 7}, {2, 7}, {3, 7});
    doc.stepBack(StepKind::kOne);
    doc.stepBack(StepKind::kOne);
    fixture.play({10, 7}, {9, 7}, {9, 8});
    EXPECT_EQ(doc.gameRecord()->size(), 2u);
    EXPECT_EQ(doc.moveNumber(), 3);
    EXPECT_FALSE(doc.canStepForward());
}

TEST(Document, SteppingToTheStartShowsAChangedSetup) {
    DocumentFixture fixture;
    CAmazonDoc& doc = fixture.document;
    fixture.newGame();
    fixture.play({1, 4}, {7, 4}, {7, 7});
    fixture.profile.writeString("Settings", "ArrowLocations", "E5");
    doc.stepBack(StepKind::kToEnd);
    EXPECT_EQ(doc.board()->content(5, 5), Content::kArrow);
}

TEST(Document, BackwardAfterTheEndPlaysOnAndForwardDoesNotEndAgain) {
    DocumentFixture fixture;
    writeTrapSetup(fixture.profile);
    CAmazonDoc& doc = fixture.document;
    fixture.newGame();
    fixture.play({5, 1}, {4, 1}, {2, 1});
    ASSERT_EQ(doc.state(), GameState::kOver);
    doc.stepBack(StepKind::kOne);
    EXPECT_EQ(doc.state(), GameState::kPlay);
    doc.stepForward(StepKind::kToEnd);
    EXPECT_EQ(doc.state(), GameState::kPlay);
}

TEST(Document, ComputerAnswersAndPauseDiscardsItsMove) {
    DocumentFixture fixture;
    fixture.makeComputer(Side::kBlue);
    CAmazonDoc& doc = fixture.document;
    doc.setSearchLimits(2, false);
    fixture.newGame();
    fixture.play({1, 4}, {7, 4}, {7, 7});
    EXPECT_EQ(doc.moveNumber(), 3) << "Blue's computer player answered";
    EXPECT_EQ(doc.sideToMove(), Side::kRed);
    EXPECT_NE(doc.evaluationText().find("  Depth: 1"), std::string::npos) << doc.evaluationText();

    doc.setSearchLimits(kDeepestIteration, false);
    doc.applyMove({1, 7}, {3, 7}, {3, 8});
    ASSERT_TRUE(doc.thinking());
    doc.togglePause();
    EXPECT_TRUE(doc.pauseDiscard());
    EXPECT_EQ(doc.state(), GameState::kPause);
    fixture.host.processEvents(doc);
    EXPECT_FALSE(doc.pauseDiscard());
    EXPECT_EQ(doc.moveNumber(), 4) << "the move found after the pause is discarded";
    doc.togglePause();
    EXPECT_EQ(doc.state(), GameState::kPlay);
    EXPECT_FALSE(doc.thinking()) << "resuming starts no search";
}

TEST(Document, StopWaitsForTheSearchToEnd) {
    DocumentFixture fixture;
    fixture.makeComputer(Side::kRed, 2);
    CAmazonDoc& doc = fixture.document;
    doc.setSearchLimits(kDeepestIteration, false);
    fixture.newGame();
    ASSERT_TRUE(doc.thinking());
    doc.requestStop();
    EXPECT_EQ(doc.state(), GameState::kPlay) << "the stop waits for the search";
    fixture.host.processEvents(doc);
    EXPECT_EQ(doc.state(), GameState::kStop);
    EXPECT_EQ(doc.moveNumber(), 1) << "the aborted search's move is not played";
    EXPECT_EQ(doc.moveInProgress().prompt(), "None");
}

TEST(Document, SuggestionIsPlayedOnlyWhenAccepted) {
    for (const bool accept : {false, true}) {
        DocumentFixture fixture;
        CAmazonDoc& doc = fixture.document;
        doc.setSearchLimits(2, false);
        fixture.newGame();
        fixture.host.setAnswer(accept);
        doc.suggestMove();
        fixture.host.processEvents(doc);
        EXPECT_EQ(doc.moveNumber(), accept ? 2 : 1);
    }
}

TEST(Document, SwitchSidesSwapsThePlayersAndMakeAMoveStartsTheComputer) {
    DocumentFixture fixture;
    fixture.makeComputer(Side::kBlue);
    CAmazonDoc& doc = fixture.document;
    doc.setSearchLimits(2, false);
    fixture.newGame();
    doc.switchSides();
    EXPECT_TRUE(doc.player(Side::kRed).isComputer());
    EXPECT_FALSE(doc.player(Side::kBlue).isComputer());
    EXPECT_EQ(doc.player(Side::kRed).description().rfind("Red ", 0), 0u);
    EXPECT_FALSE(doc.thinking()) << "switching starts no search";
    doc.makeMove();
    fixture.host.processEvents(doc);
    EXPECT_EQ(doc.moveNumber(), 2);
}

TEST(Document, NewGameAfterAFinishedGameStartsAfresh) {
    DocumentFixture fixture;
    writeTrapSetup(fixture.profile);
    CAmazonDoc& doc = fixture.document;
    fixture.newGame();
    fixture.play({5, 1}, {4, 1}, {2, 1});
    ASSERT_EQ(doc.state(), GameState::kOver);
    fixture.newGame();
    EXPECT_EQ(doc.state(), GameState::kPlay);
    EXPECT_TRUE(doc.gameRecord()->empty());
    EXPECT_EQ(doc.moveNumber(), 1);
    EXPECT_EQ(doc.sideToMove(), Side::kRed);
    EXPECT_EQ(doc.player(Side::kRed).clock(), 0);
}

}  // namespace
}  // namespace taravin
