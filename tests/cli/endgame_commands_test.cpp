#include <gtest/gtest.h>

#include <regex>

#include "cli_runner.h"

namespace taravin {
namespace {

using testing::runCli;

// A room behind a neck (defective: 5 moves in 6 squares) on an otherwise full board.
const char* const kClosedRoom =
    "--rows 4 --columns 5 --red D2 --blue '' --arrows 'B4,C4,D4,E4,D3,E3,B2,C2,A1,B1,C1,D1,E1'";
// A region with both sides, one without amazons and a closed one of Red's.
const char* const kShared =
    "--rows 3 --columns 6 --red 'A1, F3' --blue C1 --arrows 'D1, D2, D3, E2, F2'";

TEST(CliEndgame, RegionsListsEachRegionTheTotalsAndTheWinnerOfClosedPositions) {
    const testing::CliRun closed = runCli(std::string("regions ") + kClosedRoom);
    EXPECT_EQ(closed.exitCode, 0);
    EXPECT_EQ(closed.output,
              "region 1: red, squares 6, moves 5\n"
              "red 5 blue 0\n"
              "every region is closed, red to move: red wins\n");
    const testing::CliRun shared = runCli(std::string("regions ") + kShared);
    EXPECT_EQ(shared.output,
              "region 1: both, squares 7\n"
              "region 2: none, squares 2\n"
              "region 3: red, squares 1, moves 1\n"
              "red 1 blue 0\n"
              "not every region is closed\n");
}

TEST(CliEndgame, SolveGivesTheResultTheLineAndTheSpareMovesOrUnknown) {
    const testing::CliRun solved = runCli(std::string("solve ") + kShared);
    EXPECT_EQ(solved.exitCode, 0);
    // Red wins with one move to spare: the line has Red's four moves and Blue's three,
    // whichever of the equal lines the search takes.
    const std::regex expected(
        "result red wins\n"
        "line [A-F][1-3]-[A-F][1-3] \\([A-F][1-3]\\)(, [A-F][1-3]-[A-F][1-3] \\([A-F][1-3]\\)){6}\n"
        "spare moves 1\n");
    EXPECT_TRUE(std::regex_match(solved.output, expected)) << solved.output;
    EXPECT_EQ(runCli("solve --timeout 0").output, "result unknown\n");
    EXPECT_EQ(runCli("solve --timeout soon").exitCode, 2);
}

}  // namespace
}  // namespace taravin
