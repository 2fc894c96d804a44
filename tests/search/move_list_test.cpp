#include <gtest/gtest.h>

#include <set>

#include "model/board_setup.h"
#include "search/depth_counts.h"
#include "search/move_generators.h"
#include "search/order_and_prune.h"
#include "search/search_state.h"

namespace taravin {
namespace {

int32_t constantScore(Board&, Side, int32_t) {
    return 0;
}
AmazonSnapshot amazonsOn(std::initializer_list<Square> squares) {
    AmazonSnapshot amazons;
    for (const Square& square : squares) {
        amazons.squares[static_cast<std::size_t>(amazons.count++)] = square;
    }
    return amazons;
}

// Rewards exactly the positions in which the amazon of A4 has moved.
int32_t prefersA4Moved(Board& board, Side, int32_t) {
    return board.content(4, 1) == Content::kEmpty ? 1 : 0;
}

struct MoveListFixture : ::testing::Test {
    MoveListFixture() : board(buildBoard(BoardSetup{})) {
        context.flags = &flags;
        context.evaluation = prefersA4Moved;
    }
    std::unique_ptr<Board> board;
    SearchFlags flags;
    SearchContext context;
};

TEST(DepthCounts, DecreaseToTheMinimumFloor) {
    DepthMoveCounts counts{};
    fillDepthCounts(counts, 8, DepthCountSettings{});
    EXPECT_EQ(std::vector<int32_t>(counts.begin(), counts.begin() + 9),
              (std::vector<int32_t>{10, 10, 10, 10, 15, 20, 25, 30, 35}));
    fillDepthCounts(counts, 2, DepthCountSettings{});
    EXPECT_EQ(counts[2], 35);
    EXPECT_EQ(counts[1], 30);
    EXPECT_EQ(counts[0], 25);
    fillDepthCounts(counts, 40, DepthCountSettings{1, 2, -3, 4});
    EXPECT_EQ(counts[19], 1) << "iteration depths beyond the table are clamped";
}

TEST_F(MoveListFixture, SelectiveGeneratorKeepsHalfTheDestinations) {
    SearchState state(context, *board);
    BoardSetup setup;
    auto countDestinations = [&](const char* red, const char* arrows) {
        setup.redLocations = red;
        setup.blueLocations = "J10";
        setup.arrowLocations = arrows;
        auto small = buildBoard(setup);
        SearchState smallState(context, *small);
        MoveList list = smallState.moveListAt(0);
        generateSelectedMoves(smallState, list, amazonsOn({{1, 1}}), Side::kRed, constantScore,
                              true);
        std::set<std::pair<int, int>> destinations;
        for (const SearchMove& move : list) {
            destinations.insert({move.to.row, move.to.column});
        }
        return destinations.size();
    };
    // A1 with only B1..E1 open: 4 destinations, all kept.
    EXPECT_EQ(countDestinations("A1", "A2, B2, F1"), 4u);
    EXPECT_EQ(countDestinations("A1", "A2, B2, G1"), 2u);
    EXPECT_EQ(countDestinations("A1", "A2, B2, K1"), 4u);  // 9 destinations keep 4
}

TEST_F(MoveListFixture, OrderAndPruneKeepsEachAmazonsMinimumAndPutsTheFirstMoveFirst) {
    SearchState state(context, *board);
    MoveList list = state.moveListAt(0);
    generateAllMoves(state, list, amazonsOn({{4, 1}}), Side::kRed, constantScore);
    const int32_t a4Moves = list.count;
    list.count = 0;
    generateAllMoves(state, list, amazonsOn({{4, 1}, {1, 4}}), Side::kRed, constantScore);
    const SearchMove first{{1, 4}, {7, 4}, {7, 7}};
    orderAndPrune(state, Side::kRed, 5, list, true, &first, 2, false);
    ASSERT_EQ(list.count, 1 + 5 + 3);
    EXPECT_EQ(list.moves[0].to, first.to);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(list.moves[i].amazonIndex, 0);
        EXPECT_EQ(list.moves[i].score, 1);
    }
    for (int i = 6; i <= 8; ++i) {
        EXPECT_EQ(list.moves[i].amazonIndex, 1);
        EXPECT_EQ(list.moves[i].score, 0) << "appended moves are re-scored, not re-sorted";
    }
    EXPECT_GT(a4Moves, 20);
}

TEST_F(MoveListFixture, OrderAndPruneWithMoreRoomThanMovesKeepsThemAll) {
    SearchState state(context, *board);
    MoveList list = state.moveListAt(0);
    generateAllMoves(state, list, amazonsOn({{4, 1}}), Side::kRed, constantScore);
    const int32_t generated = list.count;
    orderAndPrune(state, Side::kRed, 100000, list, false, nullptr, 1, false);
    EXPECT_EQ(list.count, generated);
    EXPECT_EQ(list.moves[0].score, 0) << "minimising puts the lowest first";
}

TEST_F(MoveListFixture, OrderAndPruneAfterAStopEmptiesTheList) {
    SearchState state(context, *board);
    MoveList list = state.moveListAt(0);
    generateAllMoves(state, list, amazonsOn({{4, 1}}), Side::kRed, constantScore);
    flags.abortSearch = true;
    const SearchMove first{{1, 4}, {7, 4}, {7, 7}};
    orderAndPrune(state, Side::kRed, 5, list, true, &first, 1, false);
    EXPECT_EQ(list.count, 0);
    MoveList olympiad = state.moveListAt(1);
    flags.abortSearch = false;
    generateAllMoves(state, olympiad, amazonsOn({{4, 1}}), Side::kRed, constantScore);
    const int32_t generated = olympiad.count;
    flags.abortSearch = true;
    orderAndPrune(state, Side::kRed, 5, olympiad, true, nullptr, 1, false, kOlympiadOrdering);
    EXPECT_EQ(olympiad.count, generated) << "the Olympiad ordering leaves the list as it is";
}

TEST_F(MoveListFixture, GenerationLeavesTheBoardAsItWas) {
    Mt19937 generator;
    auto keys = std::make_shared<ZobristKeys>(ZobristKeys::build(generator, 144, 1u << 20));
    board = buildBoard(BoardSetup{}, keys);
    SearchState state(context, *board);
    const HashPair hash = board->hash();
    const std::vector<Content> cells(board->contents(), board->contents() + board->cellCount());
    MoveList list = state.moveListAt(0);
    generateSelectedMoves(state, list, amazonsOn({{1, 7}, {4, 10}}), Side::kRed, constantScore,
                          true);
    generateAllMoves(state, list, amazonsOn({{4, 10}, {1, 4}}), Side::kRed, constantScore);
    EXPECT_EQ(board->hash(), hash);
    EXPECT_EQ(std::vector<Content>(board->contents(), board->contents() + board->cellCount()),
              cells);
}

}  // namespace
}  // namespace taravin
