#include <gtest/gtest.h>

#include <numeric>
#include <regex>

#include "model/board_setup.h"
#include "model/move_record.h"
#include "model/random_playout.h"
#include "search/monte_carlo_memory.h"
#include "search/monte_carlo_playout.h"
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

SearchMove randomMoveOn(Board& board, Side side, Mt19937& random) {
    PlayoutMove made;
    EXPECT_TRUE(makeRandomMove(board, side, random, made));
    SearchMove move;
    move.from = made.from;
    move.to = made.to;
    move.arrow = made.arrow;
    return move;
}

// Gives the claimed node the moves as children, all of even chances; returns the first child.
int32_t expandWith(MonteCarloTree& tree, int32_t index, const std::vector<SearchMove>& moves) {
    EXPECT_TRUE(tree.claim(index));
    const std::vector<double> values(moves.size(), 0.5);
    EXPECT_TRUE(
        tree.expand(index, moves.data(), values.data(), static_cast<int32_t>(moves.size())));
    return tree.node(index).firstChild;
}

TEST(MonteCarlo, TheNextSearchStartsWithTheTalliesOfTheLineThatWasPlayed) {
    const std::unique_ptr<Board> start = buildBoard(BoardSetup{});
    Board board(*start);
    Mt19937 random;
    // Red's two moves; after the first, Blue's reply and Red's answer to it.
    const SearchMove red = randomMoveOn(board, Side::kRed, random);
    const SearchMove blue = randomMoveOn(board, Side::kBlue, random);
    const SearchMove answer = randomMoveOn(board, Side::kRed, random);
    Board afterReply(*start);
    makeListedMove(afterReply, red, Side::kRed);
    makeListedMove(afterReply, blue, Side::kBlue);
    Board other(*start);
    const SearchMove otherRed = randomMoveOn(other, Side::kRed, random);

    const auto grownTree = [&] {
        auto growth = std::make_unique<SharedGrowth>(100, 0);
        MonteCarloTree& tree = growth->tree;
        const int32_t redNode = expandWith(tree, MonteCarloTree::kRoot, {red, otherRed});
        const int32_t blueNode = expandWith(tree, redNode, {blue});
        const int32_t answerNode = expandWith(tree, blueNode, {answer});
        const std::vector<int32_t> path{MonteCarloTree::kRoot, redNode, blueNode, answerNode};
        for (const double searchingWin : {0.75, 0.25, 1.0}) {
            for (const int32_t index : path) {
                tree.enter(index);
            }
            tree.update(path, searchingWin);
        }
        return growth;
    };
    MonteCarloMemory memory;
    const auto carried = [&](const Board& position, Side side, const SearchMove& move,
                             int32_t evaluationCode) {
        MonteCarloTree fresh(100);
        const int32_t first = expandWith(fresh, MonteCarloTree::kRoot, {otherRed, move});
        const int64_t visits =
            memory.carryOver(fresh, {otherRed, move}, position, side, evaluationCode);
        if (visits > 0) {
            // The move's tallies, with its kept answer below it; the root counts them as its own.
            EXPECT_EQ(fresh.node(MonteCarloTree::kRoot).visits.load(), visits);
            EXPECT_EQ(fresh.node(first).visits.load(), 0);
            EXPECT_EQ(fresh.node(first + 1).visits.load(), visits);
            const bool twoPliesOn = side == Side::kRed;
            EXPECT_DOUBLE_EQ(fresh.node(first + 1).valueSum.load(), twoPliesOn ? 2.0 : 1.0);
            EXPECT_EQ(fresh.node(first + 1).childCount, twoPliesOn ? 0 : 1);
        }
        return visits;
    };

    // Two plies on (Red again), then one ply on (Blue); a kept tree serves one search only.
    memory.keep(grownTree(), *start, Side::kRed, 1);
    EXPECT_EQ(carried(afterReply, Side::kRed, answer, 1), 3);
    EXPECT_EQ(carried(afterReply, Side::kRed, answer, 1), 0);
    Board afterRed(*start);
    makeListedMove(afterRed, red, Side::kRed);
    memory.keep(grownTree(), *start, Side::kRed, 1);
    EXPECT_EQ(carried(afterRed, Side::kBlue, blue, 1), 3);
    // Another position, another evaluation: nothing carried.
    memory.keep(grownTree(), *start, Side::kRed, 1);
    EXPECT_EQ(carried(other, Side::kBlue, blue, 1), 0);
    memory.keep(grownTree(), *start, Side::kRed, 1);
    EXPECT_EQ(carried(afterReply, Side::kRed, answer, 2), 0);
}

}  // namespace
}  // namespace taravin
