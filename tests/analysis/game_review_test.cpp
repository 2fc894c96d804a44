#include <gtest/gtest.h>

#include "analysis/analysis_search.h"
#include "analysis/game_review.h"
#include "model/move_generation.h"
#include "search/search_fixture.h"

namespace taravin {
namespace {

// One row of five squares, Red on A1 and Blue on E1: B1 with the arrow on D1 shuts Blue in at
// once; B1 with the arrow back on A1 lets Blue shut Red in with D1 (C1).
BoardSetup corridor() {
    BoardSetup setup;
    setup.rows = 1;
    setup.columns = 5;
    setup.redLocations = "A1";
    setup.blueLocations = "E1";
    setup.arrowLocations = "";
    return setup;
}

const BoardMove kWinningMove{{1, 1}, {1, 2}, {1, 4}};
const BoardMove kLosingMove{{1, 1}, {1, 2}, {1, 1}};

PositionAnalysis analyseAfter(testing::SearchFixture& fixture, const BoardMove& move) {
    Board after(fixture.board());
    makeMove(after, move.from, move.to, move.arrow, Side::kRed);
    return analysePosition(after, Side::kBlue, 2, {.playouts = 500, .threads = 1}, &fixture.table());
}

TEST(GameReview, AMoveThatThrowsAwayAWonEndgameIsABlunder) {
    testing::SearchFixture fixture(corridor());
    const PositionAnalysis start =
        analysePosition(fixture.board(), Side::kRed, 1, {.playouts = 500, .threads = 1},
                        &fixture.table());
    ASSERT_TRUE(start.decided);
    EXPECT_EQ(start.chance, 1.0);
    ASSERT_NE(start.bestMove(), nullptr);
    EXPECT_EQ(*start.bestMove(), kWinningMove);

    const ReviewThresholds thresholds;
    const MoveReview blunder =
        reviewMove(kLosingMove, start, analyseAfter(fixture, kLosingMove), thresholds);
    EXPECT_EQ(blunder.moveClass, MoveClass::kBlunder);
    EXPECT_EQ(blunder.chanceAfter, 0.0);
    EXPECT_EQ(blunder.best, kWinningMove);
    EXPECT_EQ(blunder.loss(), 1.0);

    const MoveReview best =
        reviewMove(kWinningMove, start, analyseAfter(fixture, kWinningMove), thresholds);
    EXPECT_EQ(best.moveClass, MoveClass::kBest);
    EXPECT_EQ(best.chanceAfter, 1.0);
    EXPECT_EQ(best.loss(), 0.0);
}

TEST(GameReview, ClassesFollowTheThresholdsAndSidesAreCountedApart) {
    const auto position = [](Side side, double chance, BoardMove best) {
        PositionAnalysis analysis;
        analysis.side = side;
        analysis.chance = chance;
        analysis.candidates.push_back({best, 100, chance});
        return analysis;
    };
    const BoardMove a{{1, 1}, {2, 2}, {3, 3}};
    const BoardMove b{{4, 4}, {5, 5}, {6, 6}};
    // Red: 60 % -> 55 % (5 lost), Blue: 45 % -> 35.5 % (9.5 lost, shown as 10), Red: 64.5 % ->
    // 45 % (19.5 lost, shown as 20), Blue plays the best move.
    const std::vector<PositionAnalysis> positions{
        position(Side::kRed, 0.60, b), position(Side::kBlue, 0.45, b),
        position(Side::kRed, 0.645, b), position(Side::kBlue, 0.55, a),
        position(Side::kRed, 0.40, b)};
    const std::vector<MoveReview> reviews = reviewMoves({a, a, a, a}, positions, {});
    ASSERT_EQ(reviews.size(), 4u);
    EXPECT_EQ(reviews[0].moveClass, MoveClass::kInaccuracy);
    EXPECT_EQ(reviews[1].moveClass, MoveClass::kMistake);
    EXPECT_EQ(reviews[2].moveClass, MoveClass::kBlunder);
    EXPECT_EQ(reviews[3].moveClass, MoveClass::kBest);
    EXPECT_EQ(reviewMoves({a}, positions, {.inaccuracyPercent = 6}).front().moveClass,
              MoveClass::kGood);

    const SideReviewSummary red = summarizeSide(reviews, Side::kRed);
    EXPECT_EQ(red.moves, 2);
    EXPECT_EQ(red.counts[static_cast<std::size_t>(MoveClass::kBlunder)], 1);
    EXPECT_NEAR(red.meanLoss, (0.05 + 0.195) / 2, 1e-9);
    const SideReviewSummary blue = summarizeSide(reviews, Side::kBlue);
    EXPECT_EQ(blue.counts[static_cast<std::size_t>(MoveClass::kBest)], 1);
    EXPECT_NEAR(blue.meanLoss, 0.095 / 2, 1e-9);
}

}  // namespace
}  // namespace taravin
