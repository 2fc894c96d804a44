#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli_runner.h"
#include "formats/sgf_reader.h"

namespace taravin {
namespace {

using namespace std::chrono_literals;
using testing::quoted;
using testing::runCli;
using testing::TemporaryFolder;

std::vector<std::string> linesStartingWith(const std::string& text, const std::string& prefix) {
    std::istringstream input(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(input, line);) {
        if (line.rfind(prefix, 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The test engine copied into the folder, so that its path names only this test's processes.
std::string engineCopy(const TemporaryFolder& folder, const std::string& name) {
    std::ifstream script(std::string(TARAVIN_TEST_ENGINES) + "/" + name);
    return folder.write(name, std::string(std::istreambuf_iterator<char>(script), {}));
}

// Processes whose command line holds the text (zombies have none, but every zombie of the
// match went with it).
int processesMentioning(const std::string& text) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream file(entry.path() / "cmdline");
        const std::string commandLine(std::istreambuf_iterator<char>(file), {});
        count += commandLine.find(text) != std::string::npos ? 1 : 0;
    }
    return count;
}

std::vector<SgfMove> savedMoves(const std::string& path) {
    std::ifstream file(path);
    std::string error;
    const std::optional<SgfGame> game =
        readSgf(std::string(std::istreambuf_iterator<char>(file), {}), error);
    return game ? game->moves : std::vector<SgfMove>{};
}

bool sameOpening(const std::vector<SgfMove>& a, const std::vector<SgfMove>& b) {
    return a.size() >= 2 && b.size() >= 2 && a[0].squares == b[0].squares &&
           a[1].squares == b[1].squares;
}

TEST(CliMatch, BuiltInPlayerAgainstTheUciEngineThroughPipes) {
    TemporaryFolder folder;
    const testing::CliRun run =
        runCli("match 2:1 " + quoted(std::string("uci:") + TARAVIN_CLI_PATH + " uci") +
               " --games 4 --depth 1 --opening-plies 2 --out " + quoted(folder.path("games")));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::vector<std::string> games = linesStartingWith(run.output, "Game ");
    ASSERT_EQ(games.size(), 4u) << run.output;
    EXPECT_NE(games[0].find(" of 4: 2:1 - uci:"), std::string::npos) << games[0];
    for (const std::string& game : games) {
        EXPECT_NE(game.find(" wins by "), std::string::npos) << "played to the end: " << game;
    }
    EXPECT_NE(run.output.find("Rank  Player"), std::string::npos);
    EXPECT_NE(run.output.find("Elo difference of 2:1 against uci:"), std::string::npos)
        << run.output;

    // Each colour pair starts with its own random opening, which the engine is told too.
    const auto game = [&](int number) {
        return savedMoves(folder.path("games/game-" + std::to_string(number) + ".sgf"));
    };
    EXPECT_TRUE(sameOpening(game(1), game(2)));
    EXPECT_TRUE(sameOpening(game(3), game(4)));
    EXPECT_FALSE(sameOpening(game(1), game(3)));

    // A match played in parts: games 3 and 4 again, with their colours and opening.
    const testing::CliRun part =
        runCli("match 2:1 " + quoted(std::string("uci:") + TARAVIN_CLI_PATH + " uci") +
               " --games 2 --first-game 3 --depth 1 --opening-plies 2 --out " +
               quoted(folder.path("part")));
    ASSERT_EQ(part.exitCode, 0) << part.output;
    const std::vector<std::string> partGames = linesStartingWith(part.output, "Game ");
    ASSERT_EQ(partGames.size(), 2u) << part.output;
    EXPECT_NE(partGames[0].find(" of 2: 2:1 - uci:"), std::string::npos) << partGames[0];
    EXPECT_TRUE(sameOpening(savedMoves(folder.path("part/game-1.sgf")), game(3)));
}

TEST(CliMatch, EnginesThatBreakTheRulesOrNeverAnswerLoseWithoutHangingTheMatch) {
    TemporaryFolder folder;
    const std::string illegal = engineCopy(folder, "illegal_engine.sh");
    const std::string silent = engineCopy(folder, "silent_engine.sh");
    const std::string crashing = engineCopy(folder, "crashing_engine.sh");
    const auto started = std::chrono::steady_clock::now();
    const testing::CliRun run =
        runCli("match 1:1 " + quoted("uci:sh " + illegal) + " " + quoted("uci:sh " + silent) + " " +
                   quoted("uci:sh " + crashing) +
                   " --games 2 --movetime 50 --concurrency 2 --rows 6 --columns 6 --red 'A1, F3'"
                   " --blue 'F6, A4' --out " +
                   quoted(folder.path("games")),
               {}, 60s);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_LT(std::chrono::steady_clock::now() - started, 40s);
    const std::vector<std::string> games = linesStartingWith(run.output, "Game ");
    ASSERT_EQ(games.size(), 12u) << run.output;
    int illegalLosses = 0;
    int silentLosses = 0;
    int crashLosses = 0;
    for (const std::string& game : games) {
        illegalLosses += game.find("loses: illegal move a1a1,a1a1") != std::string::npos;
        silentLosses += game.find("within 1100 ms; the engine was killed") != std::string::npos;
        crashLosses += game.find("loses: the engine ended with exit code 3") != std::string::npos;
    }
    EXPECT_EQ(illegalLosses, 4) << "against the built-in player and against the two scripts";
    EXPECT_EQ(silentLosses, 4) << run.output;
    EXPECT_EQ(crashLosses, 4) << run.output;
    EXPECT_NE(run.output.find("1     1:1 "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("6.0/6"), std::string::npos);
    EXPECT_EQ(processesMentioning(folder.path("")), 0) << "no engine outlives the match";

    int saved = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path("games"))) {
        std::ifstream file(entry.path());
        const std::string text(std::istreambuf_iterator<char>(file), {});
        std::string error;
        const std::optional<SgfGame> game = readSgf(text, error);
        ASSERT_TRUE(game) << entry.path() << ": " << error;
        EXPECT_EQ(game->columns, 6);
        EXPECT_TRUE(game->result.ends_with("+F") || game->result.ends_with("+T")) << text;
        ++saved;
    }
    EXPECT_EQ(saved, 12);
}

TEST(CliMatch, RoundRobinAndBadCommands) {
    const testing::CliRun run = runCli(
        "match 1:0 2:1 4:5 --games 2 --depth 1 --rows 5 --columns 5 --red 'A1, E2' "
        "--blue 'E5, A4'");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(linesStartingWith(run.output, "Game ").size(), 6u);
    EXPECT_EQ(linesStartingWith(run.output, "Rank  Player  Score  Red W-L  Blue W-L  Elo").size(),
              1u)
        << run.output;
    EXPECT_EQ(run.output.find("Elo difference of"), std::string::npos) << "a cross table only";

    for (const char* bad :
         {"match 2:1", "match 2:1 9:9", "match 2:1 2:1 --depth 1 --movetime 5",
          "match 2:1 uci: --depth 1", "match 2:1 1:1 --games 0", "match 2:1 1:1 --speed 3"}) {
        const testing::CliRun refused = runCli(bad);
        EXPECT_EQ(refused.exitCode, 2) << bad;
        EXPECT_NE(refused.output.find("taravin-cli match: "), std::string::npos) << bad;
    }
}

}  // namespace
}  // namespace taravin
