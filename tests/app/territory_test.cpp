#include <gtest/gtest.h>

#include "app/territory.h"
#include "model/queen_reach.h"

namespace taravin {

namespace {
Content ownerOf(const Board& board, const std::vector<Content>& owners, int32_t row,
                int32_t column) {
    return owners[static_cast<std::size_t>(board.indexOf(row, column))];
}
}  // namespace

// Red on A1, Blue on C3, an arrow on A3 and a walled-in corner at C1 (B1 and B2 are open).
TEST(Territory, NearerSideOwnsEqualAndUnreachedAreNeutral) {
    Board board(3, 3);
    board.setContent(1, 1, Content::kRed, true);
    board.setContent(3, 3, Content::kBlue, true);
    board.setContent(3, 1, Content::kArrow, true);
    const std::vector<Content> owners = territoryOwners(board);
    EXPECT_EQ(ownerOf(board, owners, 1, 2), Content::kRed);    // B1: Red 1, Blue 2
    EXPECT_EQ(ownerOf(board, owners, 2, 3), Content::kBlue);   // C2: Blue 1, Red 2
    EXPECT_EQ(ownerOf(board, owners, 2, 2), Content::kEmpty);  // B2: one move for both
    EXPECT_EQ(ownerOf(board, owners, 1, 1), Content::kEmpty);  // occupied
    EXPECT_EQ(ownerOf(board, owners, 3, 1), Content::kEmpty);

    // Walled in, Blue reaches nothing: what Red reaches is Red's, the rest nobody's.
    board.setContent(2, 3, Content::kArrow, true);
    board.setContent(3, 2, Content::kArrow, true);
    board.setContent(2, 2, Content::kArrow, true);
    const std::vector<Content> walled = territoryOwners(board);
    EXPECT_EQ(ownerOf(board, walled, 1, 3), Content::kRed);
    EXPECT_EQ(queenReach(board, {3, 3}).size(), 0u);
    EXPECT_EQ(queenReach(board, {1, 1}).size(), 3u);  // A2, B1, C1
    EXPECT_EQ(queenReach(board, {2, 2}).size(), 3u);  // from an occupied square: B1, A2, C1
}

}  // namespace taravin
