#include <gtest/gtest.h>

#include <numeric>
#include <regex>

#include "model/move_record.h"
#include "model/random_playout.h"
#include "search_fixture.h"

namespace taravin {
namespace {

using testing::SearchFixture;

SearchRequest budgetRequest(SearchFixture& fixture, int64_t playouts, int32_t threads) {
    SearchRequest request = fixture.request(kAlgorithmMonteCarlo, kDeepestIteration);
    request.playoutBudget = playouts;
    request.threads = threads;
    return request;
}

TEST(MonteCarlo, AFixedBudgetGivesTheSameMoveOnEveryRun) {
    // One thread: threads sharing a tree meet in an order that timing decides.
    SearchFixture first;
    SearchFixture second;
    const SearchResult a = first.search(budgetRequest(first, 3000, 1));
    const SearchResult b = second.search(budgetRequest(second, 3000, 1));
    ASSERT_EQ(a.outcome, SearchOutcome::kMoveFound);
    testing::expectSameResult(a, b);
}

TEST(MonteCarlo, ReportsItsPlayoutsRootMovesAndLine) {
    SearchFixture one;
    const SearchResult a = one.search(budgetRequest(one, 3000, 2));
    ASSERT_EQ(a.outcome, SearchOutcome::kMoveFound);

    // The last report: the playouts, the root moves by visits (the played one first), the line.
    const auto summary = std::find_if(one.log.rbegin(), one.log.rend(), [](const std::string& l) {
        return l.rfind("Playouts: 3000 (", 0) == 0;
    });
    ASSERT_NE(summary, one.log.rend());
    const std::string played =
        squareName(a.from) + "-" + squareName(a.to) + " (" + squareName(a.arrow) + ")";
    const std::string& first = *(summary - 1);
    EXPECT_EQ(first.rfind("  " + played + " Visits: ", 0), 0u) << first;
    EXPECT_TRUE(std::regex_match(first, std::regex(R"(  \S+ \(\S+\) Visits: \d+ Win: \d+\.\d%)")))
        << first;
    const std::string& line = one.log[one.log.size() - 2];
    EXPECT_EQ(line.rfind("Line: " + played, 0), 0u) << line;
    EXPECT_EQ(one.host().statusTexts().back(), played + " - Eval: " + std::to_string(a.score) +
                                                   " Depth: " + std::to_string(a.depthReached) +
                                                   " Nodes: " + std::to_string(a.nodeCount));
}

TEST(MonteCarlo, PlaysALegalMoveInEveryPositionOfRandomGames) {
    BoardSetup small;
    small.rows = 6;
    small.columns = 7;
    small.redLocations = "A2, G5";
    small.blueLocations = "B6, F1";
    for (const BoardSetup& setup : {BoardSetup{}, small}) {
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            for (int plies : {0, 9, 30, 55, 80}) {
                SearchFixture fixture(setup);
                const std::unique_ptr<Board> board = playRandomMoves(setup, plies, seed);
                const Side side = plies % 2 == 0 ? Side::kRed : Side::kBlue;
                SearchRequest request = budgetRequest(fixture, 400, 2);
                request.board = board.get();
                request.side = side;
                request.moveNumber = plies + 1;
                const SearchResult result = fixture.search(request);
                if (board->noMoveLeft(side)) {
                    EXPECT_EQ(result.outcome, SearchOutcome::kNoMove);
                    continue;
                }
                ASSERT_EQ(result.outcome, SearchOutcome::kMoveFound) << seed << " " << plies;
                MoveRecord tester(side, board.get());
                EXPECT_TRUE(tester.isLegalMove(result.from, result.to, result.arrow))
                    << seed << " " << plies;
            }
        }
    }
}

}  // namespace
}  // namespace taravin
