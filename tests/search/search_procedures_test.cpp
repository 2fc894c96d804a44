#include <gtest/gtest.h>

#include <algorithm>

#include "eval/min_distance.h"
#include "search/alpha_beta.h"
#include "search/mtd.h"
#include "search/qscout.h"
#include "search/search_state.h"
#include "search_fixture.h"

namespace taravin {
namespace {

using testing::SearchFixture;

struct ProcedureFixture : ::testing::Test {
    ProcedureFixture() {
        context.flags = &flags;
        context.evaluation = evaluateMinDistanceArrays;
        context.host = &fixture.host();
        context.logOpen = true;
        context.table = &fixture.table();
        fillDepthCounts(context.depthMoveCounts, 2, DepthCountSettings{});
    }
    int probes() const {
        return static_cast<int>(std::count_if(
            fixture.log.begin(), fixture.log.end(),
            [](const std::string& line) { return line.find("Temp Eval") != std::string::npos; }));
    }
    SearchFixture fixture;
    SearchFlags flags;
    SearchContext context;
};

TEST_F(ProcedureFixture, MtdNeedsTwoProbesWhenTheGuessIsExact) {
    SearchState state(context, fixture.board());
    SearchMove pv[SearchState::kPvLength]{};
    const int32_t exact =
        searchAlphaBeta(state, 2, true, kLossScore, kWinScore, Side::kRed, pv, nullptr, false);
    fixture.table().clear();
    const SearchMove first{{1, 4}, {7, 4}, {7, 7}};
    EXPECT_EQ(searchMtd(state, 2, exact, pv, &first), exact);
    EXPECT_EQ(probes(), 2);

    fixture.log.clear();
    fixture.table().clear();
    EXPECT_EQ(searchMtd(state, 2, exact - 40, pv, &first), exact)
        << "a wrong guess converges on the same value";
    EXPECT_GE(probes(), 2) << "every probe is logged";
}

TEST_F(ProcedureFixture, QuietNodesReturnTheirStaticScoreUncounted) {
    SearchState state(context, fixture.board());
    SearchMove pv[SearchState::kPvLength]{};
    context.moveNumber = 10;
    // At a maximising node the swing is P - S; 310 is still quiet at move 10.
    EXPECT_EQ(searchQScout(state, kQScoutVariant, 0, true, kLossScore, kWinScore, Side::kRed, pv,
                           400, 90, 1),
              90);
    EXPECT_EQ(context.nodeCount, 0);
    EXPECT_EQ(searchQScout(state, kQScoutVariant, -4, true, kLossScore, kWinScore, Side::kRed, pv,
                           9000, 5, 1),
              5)
        << "the horizon returns S whatever the swing";
    EXPECT_EQ(context.nodeCount, 0);
    context.moveNumber = 11;  // the threshold drops to 300
    searchQScout(state, kQScoutVariant, 0, true, kLossScore, kWinScore, Side::kRed, pv, 400, 90, 1);
    EXPECT_GT(context.nodeCount, 0) << "a swing of 310 is not quiet from move 11 on";
    context.nodeCount = 0;
    // At a minimising node the swing is S - P.
    EXPECT_EQ(searchQScout(state, kQScoutVariant, -2, false, kLossScore, kWinScore, Side::kBlue, pv,
                           90, 390, 1),
              390);
    EXPECT_EQ(context.nodeCount, 0);
    searchQScout(state, kQScoutVariant, -1, false, kLossScore, kWinScore, Side::kBlue, pv, 0, 0, 1);
    EXPECT_GT(context.nodeCount, 0) << "odd quiescence depths are always searched";
}

}  // namespace
}  // namespace taravin
