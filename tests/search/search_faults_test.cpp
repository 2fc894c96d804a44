#include <gtest/gtest.h>

#include <algorithm>

#include "model/square.h"
#include "search_fixture.h"

namespace taravin {
namespace {

using testing::SearchFixture;

std::string moveText(const SearchResult& result) {
    return squareName(result.from) + "-" + squareName(result.to) + " (" + squareName(result.arrow) +
           ")";
}

BoardSetup setupOf(int32_t rows, int32_t columns, const char* red, const char* blue,
                   const char* arrows) {
    BoardSetup setup;
    setup.rows = rows;
    setup.columns = columns;
    setup.redLocations = red;
    setup.blueLocations = blue;
    setup.arrowLocations = arrows;
    return setup;
}

// Red's A1 sits in a pocket of three squares and runs out of moves in pass 4; B5 has room.
BoardSetup pocketEndgame() {
    return setupOf(6, 6, "A1, B5", "F2, E5", "D1, D2, D3, D4, D5, D6, B2, A3, C1, B3, C3");
}

TEST(SearchFaults, SeparatedPassesPublishTheirOwnBestAndAFailureKeepsThePreviousDepth) {
    SearchFixture fixture(pocketEndgame());
    SearchResult result = fixture.search(fixture.request(kAlgorithmQScout, 2));
    EXPECT_EQ(moveText(result), "A1-B1 (C2)") << "pass 2 publishes although its scores fell";
    EXPECT_EQ(result.score, -18);
    EXPECT_EQ(result.depthReached, 2);
    EXPECT_EQ(fixture.host().statusTexts().back(), "A1-B1 (C2) - Eval: -18");

    // Pass 4: A1 fails while its pass-3 move held the best score, which ends the search with
    // that move before pass 4 counts as reached.
    result = fixture.search(fixture.request(kAlgorithmQScout, 4));
    EXPECT_EQ(moveText(result), "A1-B1 (C2)");
    EXPECT_EQ(result.score, -36);
    EXPECT_EQ(result.depthReached, 3);
    EXPECT_EQ(fixture.log[fixture.log.size() - 2],
              "Depth 3 complete: Best Move: A1-B1 (C2), Eval: -36 Nodes: 233");
}

TEST(SearchFaults, OlympiadRootReSearchesAMoveWithoutMakingItAgain) {
    SearchFixture fixture(setupOf(7, 5, "A1, C4, E7", "B7, D1", "C3, B4, D5"));
    const SearchResult result = fixture.search(fixture.request(kAlgorithmQScoutOlympiadBase, 3, 2));
    EXPECT_EQ(moveText(result), "A1-A2 (B3)");
    EXPECT_EQ(result.score, 582);
    EXPECT_EQ(result.depthReached, 2);
    EXPECT_NE(std::find(fixture.log.begin(), fixture.log.end(),
                        "Depth 3 complete: Best Move: A1-A2 (B3), Eval: 582 Nodes: 966"),
              fixture.log.end());
}

TEST(SearchFaults, ALineWithoutContinuationShowsEmptyEntriesNotAnotherNodesMoves) {
    SearchFixture fixture(setupOf(6, 6, "A2, F5", "B6, E1", "C3, D4"));
    fixture.search(fixture.request(kAlgorithmMtd, 3, 0));
    // The probe's root move leads to a table hit, which records no continuation.
    EXPECT_NE(std::find(fixture.log.begin(), fixture.log.end(),
                        "F5-E5 (B5) <0> @0-@0 (@0) <0> @0-@0 (@0) <0> Temp Eval: 6 Depth: 3 "
                        "Nodes: 221"),
              fixture.log.end());
}

}  // namespace
}  // namespace taravin
