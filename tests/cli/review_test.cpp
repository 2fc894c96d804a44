#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <vector>

#include "cli_runner.h"
#include "formats/review_text.h"
#include "formats/sgf_reader.h"

namespace taravin {
namespace {

using testing::quoted;
using testing::runCli;
using testing::TemporaryFolder;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream input(text);
    for (std::string line; std::getline(input, line);) {
        all.push_back(line);
    }
    return all;
}

TEST(CliReview, EveryMoveOfAPlayedGameGetsItsLineAndTheAnnotatedSgfReadsBack) {
    TemporaryFolder folder;
    const testing::CliRun played = runCli("play --depth 1 --out " + quoted(folder.path("g.txt")));
    ASSERT_EQ(played.exitCode, 0) << played.output;
    const testing::CliRun review = runCli("review " + quoted(folder.path("g.txt")) +
                                          " --movetime 20 --out " + quoted(folder.path("r.sgf")));
    ASSERT_EQ(review.exitCode, 0) << review.output;

    const std::vector<std::string> moves = lines(played.output);
    const std::vector<std::string> reviewed = lines(review.output);
    ASSERT_GE(moves.size(), 3u);
    const std::size_t moveCount = moves.size() - 1;  // the winner's line ends the game
    ASSERT_EQ(reviewed.size(), moveCount + 2) << review.output;
    const std::regex move(
        R"((\d+\. (Red|Blue): \w+)-(\w+ \(\w+\)) )"
        R"(\d+% -> \d+% (best|good|inaccuracy|mistake|blunder)(, best .+ \d+%)?)");
    int classCounts[2] = {};
    for (std::size_t i = 0; i < moveCount; ++i) {
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(reviewed[i], parts, move)) << reviewed[i];
        EXPECT_EQ(parts[1].str() + " - " + parts[3].str(), moves[i]) << "the game's own move";
        ++classCounts[parts[2] == "Red" ? 0 : 1];
    }
    const std::regex summary(
        R"((Red|Blue): best (\d+), good (\d+), inaccuracy (\d+), mistake (\d+), blunder (\d+), )"
        R"(mean loss \d+\.\d%)");
    for (int side = 0; side < 2; ++side) {
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(reviewed[moveCount + side], parts, summary))
            << reviewed[moveCount + side];
        EXPECT_EQ(parts[1], side == 0 ? "Red" : "Blue");
        int total = 0;
        for (int count = 2; count <= 6; ++count) {
            total += std::stoi(parts[count]);
        }
        EXPECT_EQ(total, classCounts[side]);
    }

    std::string error;
    const std::optional<SgfGame> back = readSgf(folder.read("r.sgf"), error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->moves.size(), moveCount);
    for (std::size_t i = 0; i < moveCount; ++i) {
        ASSERT_TRUE(back->moves[i].review) << i;
        EXPECT_EQ(reviewLine(static_cast<int32_t>(i + 1), *back->moves[i].review), reviewed[i]);
    }
}

TEST(CliReview, BadArgumentsAreUsageErrors) {
    TemporaryFolder folder;
    const std::string game = quoted(folder.write("g.sgf", "(;GM[18];B[djddgd])"));
    for (const std::string& arguments :
         {std::string(), game + " --playouts 10 --movetime 10", game + " --playouts 0",
          game + " --movetime x", game + " --out " + quoted(folder.path("r.txt")),
          game + " " + game, game + " --depth 1", quoted(folder.path("missing.txt"))}) {
        const testing::CliRun run = runCli("review " + arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments << "\n" << run.output;
        EXPECT_EQ(run.output.rfind("taravin-cli review: ", 0), 0u) << run.output;
    }
}

}  // namespace
}  // namespace taravin
