#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "model/move_generation.h"
#include "model/move_record.h"
#include "search_fixture.h"

namespace taravin {
namespace {

using testing::SearchFixture;

constexpr int32_t kDeepeningAlgorithms[] = {kAlgorithmMiniMax, kAlgorithmAlphaBeta,
                                            kAlgorithmQScout, kAlgorithmMtd,
                                            kAlgorithmQScoutOlympiadBase};
constexpr int32_t kAlgorithms[] = {
    kAlgorithmMiniMax, kAlgorithmAlphaBeta,          kAlgorithmQScout,
    kAlgorithmMtd,     kAlgorithmQScoutOlympiadBase, kAlgorithmMonteCarlo};

bool legalFor(Board& board, Side side, const SearchResult& result) {
    MoveRecord tester(side, &board);
    return tester.isLegalMove(result.from, result.to, result.arrow);
}

BoardSetup trappableBlue() {
    // Blue's last amazon on A1 can only step to A2; Red on A5 can shoot A2 shut.
    BoardSetup setup;
    setup.redLocations = "A5";
    setup.blueLocations = "A1";
    setup.arrowLocations = "B1, B2";
    return setup;
}

TEST(Search, EveryAlgorithmPlaysALegalMoveFromTheStart) {
    for (int32_t algorithm : kDeepeningAlgorithms) {
        SearchFixture fixture;
        const SearchResult result = fixture.search(fixture.request(algorithm, 2));
        ASSERT_EQ(result.outcome, SearchOutcome::kMoveFound) << algorithm;
        EXPECT_TRUE(legalFor(fixture.board(), Side::kRed, result)) << algorithm;
        EXPECT_EQ(result.depthReached, 1) << algorithm;
        EXPECT_GT(result.nodeCount, 0) << algorithm;
        EXPECT_EQ(fixture.log.front(), "");
        EXPECT_EQ(fixture.log[1], "Current Player: Red");
        EXPECT_EQ(fixture.log.back().rfind("Total Nodes: ", 0), 0u) << fixture.log.back();
    }
}

TEST(Search, SameSearchGivesTheSameMoveScoreAndNodes) {
    for (int32_t algorithm : {kAlgorithmAlphaBeta, kAlgorithmQScout}) {
        SearchFixture first;
        SearchFixture second;
        const SearchResult a = first.search(first.request(algorithm, 3));
        const SearchResult b = second.search(second.request(algorithm, 3));
        testing::expectSameResult(a, b);
        EXPECT_EQ(first.log, second.log);
    }
}

TEST(Search, SideWithoutAMoveGetsNoMove) {
    BoardSetup setup;
    setup.redLocations = "A1";
    setup.blueLocations = "J10";
    setup.arrowLocations = "A2, B1, B2, J9";
    for (int32_t algorithm : kAlgorithms) {
        SearchFixture fixture(setup);
        const SearchResult result = fixture.search(fixture.request(algorithm, 19));
        EXPECT_EQ(result.outcome, SearchOutcome::kNoMove) << algorithm;
    }
}

TEST(Search, WinningMoveIsFoundFromIterationTwoAndEndsTheSearch) {
    for (int32_t algorithm : kAlgorithms) {
        SearchFixture fixture(trappableBlue());
        const SearchResult result = fixture.search(fixture.request(algorithm, 19));
        ASSERT_EQ(result.outcome, SearchOutcome::kMoveFound) << algorithm;
        EXPECT_EQ(result.score, kWinScore) << algorithm;
        EXPECT_EQ(result.depthReached, 1) << "the win stops the search at once";
        makeMove(fixture.board(), result.from, result.to, result.arrow, Side::kRed);
        EXPECT_TRUE(fixture.board().noMoveLeft(Side::kBlue)) << algorithm;
    }
}

TEST(Search, SeparatedSidesAreSearchedAmazonByAmazon) {
    BoardSetup setup;
    setup.rows = 6;
    setup.columns = 6;
    setup.redLocations = "A1, B1";
    setup.blueLocations = "F6, E6";
    setup.arrowLocations = "A3, B3, C3, D3, E3, F3";
    SearchFixture fixture(setup);
    const SearchResult result = fixture.search(fixture.request(kAlgorithmQScout, 3));
    ASSERT_EQ(result.outcome, SearchOutcome::kMoveFound);
    EXPECT_TRUE(legalFor(fixture.board(), Side::kRed, result));
    EXPECT_EQ(result.depthReached, 3) << "passes end after the last iteration allowed";
    const std::string& complete = fixture.log[fixture.log.size() - 2];
    EXPECT_EQ(complete.rfind("Depth 3 complete: Best Move: ", 0), 0u) << complete;
    for (const std::string& status : fixture.host().statusTexts()) {
        EXPECT_EQ(status.find("Depth"), std::string::npos) << status;
    }
}

TEST(Search, HostileSettingsNeverHangOrCrash) {
    BoardSetup small;
    small.rows = 6;
    small.columns = 6;
    small.redLocations = "A1, F1";
    small.blueLocations = "A6, F6";
    for (const DepthCountSettings& counts :
         {DepthCountSettings{0, 0, 0, 0}, DepthCountSettings{-5, -5, -5, -5},
          DepthCountSettings{1000000, 1000000, -1000000, 1000000}}) {
        for (int32_t algorithm : {0, 1, 2, 3, 5, 99}) {
            SearchFixture fixture(small);
            SearchRequest request = fixture.request(algorithm, 2, 99);
            request.depthCounts = counts;
            const SearchResult result = fixture.search(request);
            ASSERT_EQ(result.outcome, SearchOutcome::kMoveFound) << algorithm;
            EXPECT_TRUE(legalFor(fixture.board(), Side::kRed, result)) << algorithm;
        }
    }
    BoardSetup single;
    single.rows = 1;
    single.columns = 1;
    single.redLocations = "A1";
    single.blueLocations = "";
    SearchFixture tiny(single);
    EXPECT_EQ(tiny.search(tiny.request(kAlgorithmQScout, 19)).outcome, SearchOutcome::kNoMove);
}

TEST(Search, ZeroTimeOutStillPlaysTheSeedMove) {
    SearchFixture fixture;
    SearchRequest request = fixture.request(kAlgorithmAlphaBeta, kDeepestIteration);
    request.useTimeout = true;
    request.timeout = 0;
    const SearchResult result = fixture.search(request);
    ASSERT_EQ(result.outcome, SearchOutcome::kMoveFound);
    EXPECT_TRUE(legalFor(fixture.board(), Side::kRed, result));
    EXPECT_FALSE(fixture.host().timerRunning());
}

TEST(Search, RequestIsRefusedWhileAbortIsSet) {
    SearchFixture fixture;
    fixture.player().flags().abortSearch = true;
    EXPECT_FALSE(fixture.player().requestSearch(fixture.request(kAlgorithmQScout, 2)));
    EXPECT_FALSE(fixture.player().thinking());
}

TEST(Search, StopsAtRandomMomentsAlwaysEndCleanly) {
    std::mt19937 random(2024);
    SearchFixture fixture;
    for (int round = 0; round < 30; ++round) {
        SearchFlags& flags = fixture.player().flags();
        flags.abortSearch = false;
        const int32_t algorithm = kAlgorithms[round % std::size(kAlgorithms)];
        ASSERT_TRUE(fixture.player().requestSearch(fixture.request(algorithm, kDeepestIteration)));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        const bool abort = random() % 2 == 0;
        (abort ? flags.abortSearch : flags.moveNow) = true;
        const SearchResult result = fixture.host().waitForResult();
        fixture.player().searchEnded();
        if (!abort) {
            ASSERT_EQ(result.outcome, SearchOutcome::kMoveFound)
                << "move now keeps the move so far";
            EXPECT_TRUE(legalFor(fixture.board(), Side::kRed, result));
        }
        EXPECT_FALSE(fixture.player().thinking());
    }
}

TEST(Search, DestroyingThePlayerEndsARunningSearch) {
    auto fixture = std::make_unique<SearchFixture>();
    ASSERT_TRUE(
        fixture->player().requestSearch(fixture->request(kAlgorithmQScout, kDeepestIteration)));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    fixture.reset();
    SUCCEED();
}

TEST(Search, DestroyingThePlayerStopsItsTimeOutTimer) {
    SearchFixture fixture;
    auto player = std::make_unique<ComputerPlayer>(fixture.host());
    SearchRequest request = fixture.request(kAlgorithmQScout, kDeepestIteration);
    request.useTimeout = true;
    ASSERT_TRUE(player->requestSearch(request));
    ASSERT_TRUE(fixture.host().timerRunning());
    player.reset();
    EXPECT_FALSE(fixture.host().timerRunning());
}

}  // namespace
}  // namespace taravin
