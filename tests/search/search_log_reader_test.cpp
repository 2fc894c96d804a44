#include <gtest/gtest.h>

#include "search/search_log.h"
#include "search/search_log_reader.h"

namespace taravin {
namespace {

TEST(SearchLogReader, ReadsBackWhatTheLogWrites) {
    const SearchMove pv[] = {{{9, 2}, {9, 3}, {8, 3}, 5, 0}, {{7, 1}, {7, 3}, {1, 3}, 7, 12}};
    const std::string line = principalVariationLine(pv, 2, "Eval", -40, 2, 1234);
    const std::optional<LoggedVariation> variation = readVariationLine(line);
    ASSERT_TRUE(variation) << line;
    ASSERT_EQ(variation->moves.size(), 2u);
    EXPECT_EQ(variation->moves[0], (ScannedMove{{7, 1}, {7, 3}, {1, 3}})) << "the root move first";
    EXPECT_EQ(variation->moves[1], (ScannedMove{{9, 2}, {9, 3}, {8, 3}}));
    EXPECT_EQ(variation->score, -40);
    EXPECT_EQ(variation->depth, 2);
    EXPECT_EQ(variation->nodes, 1234);
    EXPECT_FALSE(readVariationLine(principalVariationLine(pv, 2, "Temp Eval", 1, 2, 3)));

    const std::optional<LoggedVariation> seed =
        readVariationLine(logMoveText({10, 20}, {20, 20}, {20, 1}) +
                          " Eval: 1000000 Depth: 1 "
                          "Nodes: 0");
    ASSERT_TRUE(seed);
    EXPECT_EQ(seed->moves.front(), (ScannedMove{{10, 20}, {20, 20}, {20, 1}}));
    EXPECT_EQ(seed->score, 1000000);

    SearchContext context;
    context.bestFrom = {4, 1};
    context.bestTo = {5, 1};
    context.bestArrow = {6, 1};
    context.nodeCount = 99;
    const std::optional<CompletedDepth> completed =
        readDepthCompleteLine(depthCompleteLine(3, context, -7));
    ASSERT_TRUE(completed);
    EXPECT_EQ(completed->depth, 3);
    EXPECT_EQ(completed->best, (ScannedMove{{4, 1}, {5, 1}, {6, 1}}));
    EXPECT_EQ(completed->score, -7);
    EXPECT_EQ(completed->nodes, 99);
}

TEST(SearchLogReader, OtherLinesAreNothing) {
    for (const char* line :
         {"", "Current Player: Red", "Total Nodes: 5, Hash Hit Count: 0", "A4-A5 (A6) Eval: 17",
          "A4-A5 (A6) Eval: 17 Depth: 1 Nodes: 2 x",
          "Depth 2 complete: Best Move: A4-A5 (A6), Eval: x Nodes: 1",
          "Total Memory: 1 (MB), Available Memory: 1 (MB), Hash Table Size: 0 (MB)"}) {
        EXPECT_FALSE(readVariationLine(line)) << line;
        EXPECT_FALSE(readDepthCompleteLine(line)) << line;
    }
}

}  // namespace
}  // namespace taravin
