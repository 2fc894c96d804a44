#include <gtest/gtest.h>

#include "formats/review_text.h"

namespace taravin {
namespace {

const BoardMove kPlayed{{10, 4}, {6, 4}, {5, 3}};
const BoardMove kBetter{{10, 7}, {7, 7}, {7, 4}};

MoveReview mistake() {
    return {Side::kBlue, kPlayed, kBetter, 0.4351, 0.3149, MoveClass::kMistake};
}

TEST(ReviewText, LinesInWholePercent) {
    EXPECT_EQ(reviewLine(12, mistake()),
              "12. Blue: D10-D6 (C5) 44% -> 31% mistake, best G10-G7 (D7) 44%");
    EXPECT_EQ(betterMoveText(mistake()), "Better: G10-G7 (D7) 44%");
    EXPECT_EQ(reviewText({Side::kRed, kPlayed, kPlayed, 0.44, 0.44, MoveClass::kBest}),
              "Red: D10-D6 (C5) 44% -> 44% best");
    EXPECT_EQ(reviewText({Side::kRed, kPlayed, std::nullopt, 1.0, 0.0, MoveClass::kBlunder}),
              "Red: D10-D6 (C5) 100% -> 0% blunder")
        << "no better move part without a best move";

    SideReviewSummary summary;
    summary.counts = {10, 12, 3, 2, 1};
    summary.moves = 28;
    summary.meanLoss = 0.04249;
    EXPECT_EQ(sideSummaryLine(Side::kRed, summary),
              "Red: best 10, good 12, inaccuracy 3, mistake 2, blunder 1, mean loss 4.2%");
    EXPECT_EQ(percentTenthsText(-0.1251), "-12.5");
    EXPECT_EQ(percentTenthsText(-0.0004), "0.0");
}

TEST(ReviewText, ReadBackOnlyFromItsOwnForm) {
    const auto read = [](std::string_view text, Side mover = Side::kBlue) {
        return reviewFromText(text, mover, kPlayed, 10, 10);
    };
    MoveReview rounded = mistake();
    rounded.chanceBefore = 0.44;
    rounded.chanceAfter = 0.31;
    EXPECT_EQ(read(reviewText(mistake())), rounded);

    const std::optional<MoveReview> best = read("Blue: D10-D6 (C5) 0% -> 100% best");
    ASSERT_TRUE(best);
    EXPECT_EQ(best->best, kPlayed) << "the best move is its own better move";

    const std::optional<MoveReview> odd =
        read("Blue: D10-D6 (C5) 44% -> 31% mistake, best G10-G7 (D7) 44% - a pity");
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->moveClass, MoveClass::kMistake);
    EXPECT_FALSE(odd->best) << "an edited better move is not trusted";
    EXPECT_FALSE(read("Blue: D10-D6 (C5) 44% -> 31% good, best D10-D6 (C5) 44%")->best);

    EXPECT_FALSE(read("Blue: D10-D6 (C5) 44% -> 31% mistake", Side::kRed)) << "another mover";
    for (const std::string_view foreign :
         {"Nice move!", "", "Blue: D10-D6 (C5) 44% -> 31%", "Blue: D10-D6 (C5) 101% -> 31% good",
          "Blue: D10-D6 (C5) 044% -> 31% good", "Blue: D10-D6 (C6) 44% -> 31% good",
          "Blue: D10-D6 (C5) 44% -> 31% goodness", "Blue: D10-D6 (C5) 44% -> 31% good "}) {
        EXPECT_FALSE(read(foreign)) << foreign;
    }
    EXPECT_FALSE(reviewFromText("Blue: D10-D6 (C5) 44% -> 31% good", Side::kBlue, kPlayed, 9, 10))
        << "a square off the board";
}

}  // namespace
}  // namespace taravin
