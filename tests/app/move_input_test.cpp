#include <gtest/gtest.h>

#include "app/move_input.h"
#include "document_fixture.h"

namespace taravin {
namespace {

using testing::DocumentFixture;

// The mouse entry without a window: the squares a view would hand over are enough to play,
// cancel and forget a move, and only the document layer writes the board.
TEST(MoveInput, SquaresAloneEnterCancelAndForgetAMove) {
    DocumentFixture fixture;
    fixture.newGame();
    CAmazonDoc& doc = fixture.document;
    MoveInput input(doc, fixture.host);
    const Board& board = *doc.board();
    ASSERT_TRUE(input.acceptsInput());

    // Blue's amazon is not Red's to pick up; Red's D1 is.
    EXPECT_FALSE(input.press({7, 1}));
    ASSERT_TRUE(input.press({1, 4}));
    EXPECT_NE(board.marks(1, 4) & kSelectedMark, 0);
    // Put down on D5, then throw back onto D5's own queen: cancelled, D1 holds it again.
    input.release({5, 4});
    EXPECT_EQ(doc.moveInProgress().inputState(), kThrowArrow);
    input.release({5, 4});
    EXPECT_EQ(doc.moveInProgress().message(), MoveInput::kMoveCancelled);
    EXPECT_EQ(board.content(1, 4), Content::kRed);
    EXPECT_EQ(board.content(5, 4), Content::kEmpty);
    EXPECT_EQ(board.marks(1, 4) & kSelectedMark, 0);

    // D1-D5 (D7) is recorded with its last-move frames and hands the turn to Blue.
    ASSERT_TRUE(input.press({1, 4}));
    input.release({5, 4});
    input.release({7, 4});
    fixture.host.processEvents(doc);
    EXPECT_EQ(doc.sideToMove(), Side::kBlue);
    EXPECT_EQ(board.content(7, 4), Content::kArrow);
    EXPECT_NE(board.marks(7, 4) & kLastMoveMark, 0);
    doc.markLastMove(false);
    EXPECT_EQ(board.marks(1, 4) | board.marks(5, 4) | board.marks(7, 4), 0);

    // A drag that Stop ends leaves no selection frame behind.
    ASSERT_TRUE(input.press({7, 1}));
    doc.stopGame();
    input.clearSelection({7, 1});
    EXPECT_EQ(board.marks(7, 1) & kSelectedMark, 0);
    EXPECT_FALSE(input.acceptsInput());
    input.explainRefusedPress();
    EXPECT_EQ(doc.moveInProgress().message(), kNewGameHint);
}

}  // namespace
}  // namespace taravin
