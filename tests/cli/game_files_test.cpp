#include <gtest/gtest.h>

#include "cli_runner.h"

namespace taravin {
namespace {

using testing::quoted;
using testing::runCli;
using testing::TemporaryFolder;

std::string moveHistory(const std::string& nativeText) {
    return nativeText.substr(nativeText.find("<MOVE-HISTORY-START>"));
}

TEST(CliGameFiles, SgfFilesAreGamesForEveryCommandAndConvertBothWays) {
    TemporaryFolder folder;
    const std::string sgf =
        folder.write("example.sgf", "(;FF[4]GM[18]SZ[10];B[djddgd];W[addgad];B[gjehea])");
    const std::string native =
        folder.write("example.txt", "1. D1 - D7 (G7)\t2. A7 - D4 (A7)\n3. G1 - E3 (E10)\n");
    const testing::CliRun fromSgf = runCli("moves " + quoted(sgf));
    EXPECT_EQ(fromSgf.exitCode, 0) << fromSgf.output;
    EXPECT_EQ(fromSgf.output, runCli("moves " + quoted(native)).output);
    EXPECT_EQ(runCli("perft 1 " + quoted(sgf)).output, runCli("perft 1 " + quoted(native)).output);

    ASSERT_EQ(runCli("convert " + quoted(sgf) + " " + quoted(folder.path("back.txt"))).exitCode, 0);
    ASSERT_EQ(runCli("convert " + quoted(folder.path("back.txt")) + " " +
                     quoted(folder.path("again.SGF")))
                  .exitCode,
              0);
    EXPECT_NE(folder.read("again.SGF").find(";B[djddgd];W[addgad];B[gjehea])"), std::string::npos)
        << folder.read("again.SGF");
    ASSERT_EQ(runCli("convert " + quoted(native) + " " + quoted(folder.path("n.txt"))).exitCode, 0);
    EXPECT_EQ(moveHistory(folder.read("back.txt")), moveHistory(folder.read("n.txt")));
}

TEST(CliGameFiles, PlayedSgfGameReadsBackToTheSameRecord) {
    TemporaryFolder folder;
    const std::string players = "--red 1:1:3 --blue 2:5:3 --depth 1 --out ";
    const testing::CliRun sgfGame = runCli("play " + players + quoted(folder.path("g.sgf")));
    ASSERT_EQ(sgfGame.exitCode, 0) << sgfGame.output;
    ASSERT_EQ(runCli("play " + players + quoted(folder.path("g.txt"))).output, sgfGame.output);
    const std::string sgf = folder.read("g.sgf");
    EXPECT_EQ(sgf.rfind("(;FF[4]GM[18]AP[Taravin:", 0), 0u) << sgf;
    EXPECT_NE(sgf.find("RE["), std::string::npos) << "the finished game has its result";
    EXPECT_NE(sgf.find("DT["), std::string::npos);

    ASSERT_EQ(
        runCli("convert " + quoted(folder.path("g.sgf")) + " " + quoted(folder.path("back.txt")))
            .exitCode,
        0);
    EXPECT_EQ(moveHistory(folder.read("back.txt")), moveHistory(folder.read("g.txt")));
}

TEST(CliGameFiles, FilesTheBoardCannotHoldAreErrorsAndStoppedReplaysAreWarnings) {
    TemporaryFolder folder;
    const std::string big = folder.write(
        "big.txt", "<BOARD-SETUP-START>\nRED-AMAZONS=A1\nBLUE-AMAZONS=B2\nARROWS=\nCOLUMNS=30\n");
    const testing::CliRun refused = runCli("moves " + quoted(big));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find("not supported"), std::string::npos) << refused.output;
    EXPECT_EQ(runCli("convert " + quoted(folder.write("big.sgf", "(;SZ[26])")) + " " +
                     quoted(folder.path("out.txt")))
                  .exitCode,
              2);

    const std::string stopped =
        folder.write("stopped.sgf", "(;GM[18];B[djddgd];W[djddgd];B[gjehea])");
    const testing::CliRun warned = runCli("perft 1 " + quoted(stopped));
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_NE(warned.output.find("SGF move 2 (W[djddgd]) is not a legal move"), std::string::npos)
        << warned.output;
    const std::string afterFirstMove =
        runCli("perft 1 " + quoted(folder.write("one.sgf", "(;GM[18];B[djddgd])"))).output;
    EXPECT_TRUE(warned.output.ends_with(afterFirstMove)) << "the position after the first move";
    EXPECT_EQ(runCli("convert " + quoted(stopped)).exitCode, 2) << "convert needs IN and OUT";
}

}  // namespace
}  // namespace taravin
