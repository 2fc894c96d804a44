#include <gtest/gtest.h>

#include <thread>

#include "cli_runner.h"
#include "formats/uci_notation.h"
#include "model/board_setup.h"
#include "model/move_record.h"

namespace taravin {
namespace {

using namespace std::chrono_literals;
using cli::ChildProcess;

// A conversation with `taravin-cli uci`.
class UciSession {
  public:
    UciSession() : child_(testing::startCli("uci")) {}

    void send(const std::string& line) { ASSERT_TRUE(child_->writeLine(line)) << line; }

    // Every line up to and including the first that starts with `prefix`.
    std::vector<std::string> until(const std::string& prefix,
                                   std::chrono::milliseconds limit = 20s) {
        std::vector<std::string> lines;
        std::string line;
        while (child_->readLine(line, limit) == ChildProcess::ReadStatus::kLine) {
            lines.push_back(line);
            if (line.rfind(prefix, 0) == 0) {
                return lines;
            }
        }
        ADD_FAILURE() << "no line starting with \"" << prefix << "\"";
        return lines;
    }

    // The lines that a command produces, fenced by an "isready".
    std::vector<std::string> answer(const std::string& command) {
        send(command);
        send("isready");
        std::vector<std::string> lines = until("readyok");
        lines.pop_back();
        return lines;
    }

    std::string bestMove(const std::string& go) {
        send(go);
        return until("bestmove").back().substr(9);
    }

    ChildProcess& child() { return *child_; }

  private:
    std::unique_ptr<ChildProcess> child_;
};

// The board after a "position" command's moves, and its side to move.
struct Played {
    std::unique_ptr<Board> board;
    Side side = Side::kRed;
};

Played afterMoves(std::unique_ptr<Board> board, Side side, const std::vector<std::string>& moves) {
    for (const std::string& text : moves) {
        const auto move = parseUciMove(text, board->rows(), board->columns());
        EXPECT_TRUE(move) << text;
        board->setContent(move->from, Content::kEmpty, true);
        board->setContent(move->to, contentOf(side), true);
        board->setContent(move->arrow, Content::kArrow, true);
        side = otherSide(side);
    }
    return {std::move(board), side};
}

void expectLegal(Played& position, const std::string& bestMove) {
    const auto move = parseUciMove(bestMove, position.board->rows(), position.board->columns());
    ASSERT_TRUE(move) << bestMove;
    MoveRecord check(position.side, position.board.get());
    EXPECT_TRUE(check.isLegalMove(move->from, move->to, move->arrow)) << bestMove;
}

bool startsWith(const std::string& line, const std::string& prefix) {
    return line.rfind(prefix, 0) == 0;
}

TEST(Uci, HandshakeNamesTheEngineAndItsOptions) {
    UciSession uci;
    uci.send("uci");
    const std::vector<std::string> lines = uci.until("uciok");
    EXPECT_TRUE(startsWith(lines.front(), "id name Taravin ")) << lines.front();
    std::string options;
    for (const std::string& line : lines) {
        options += line + "\n";
    }
    for (const char* expected :
         {"option name UCI_Variant type combo default amazons var amazons\n",
          "option name Algorithm type spin default 2 min 0 max 5\n",
          "option name Evaluation type spin default 1 min 0 max 5\n", "option name Hash type spin",
          "option name DepthTopCount type spin default 35", "option name Depth2Count",
          "option name DepthDecreaseCount", "option name DepthMinCount",
          "option name Threads type spin"}) {
        EXPECT_NE(options.find(expected), std::string::npos) << expected;
    }
    EXPECT_TRUE(uci.answer("setoption name UCI_Variant value amazons").empty());
    uci.send("quit");
    EXPECT_EQ(uci.child().waitForExit(10s), 0);
}

TEST(Uci, ScriptedSessionPlaysLegalMoves) {
    UciSession uci;
    uci.send("uci");
    uci.until("uciok");
    EXPECT_TRUE(uci.answer("setoption name Hash value 16").empty());
    EXPECT_TRUE(uci.answer("setoption name algorithm value 1").empty()) << "names in any case";
    EXPECT_TRUE(uci.answer("ucinewgame").empty());

    EXPECT_TRUE(uci.answer("position startpos moves d1d6,d6g9 a7b7,b7b2").empty());
    Played opening = afterMoves(buildBoard(BoardSetup{}), Side::kRed, {"d1d6,d6g9", "a7b7,b7b2"});
    uci.send("go depth 2");
    const std::vector<std::string> search = uci.until("bestmove");
    ASSERT_EQ(search.size(), 3u) << "one info line a depth, then the move";
    EXPECT_TRUE(startsWith(search[0], "info depth 1 score cp ")) << search[0];
    EXPECT_TRUE(startsWith(search[1], "info depth 2 score cp ")) << search[1];
    EXPECT_NE(search[1].find(" nodes "), std::string::npos);
    const std::string best = search[2].substr(9);
    EXPECT_NE(search[1].find(" pv " + best + " "), std::string::npos)
        << "the variation starts with the move played: " << search[1];
    expectLegal(opening, best);

    EXPECT_TRUE(uci.answer("setoption name Algorithm value 2").empty());
    EXPECT_TRUE(uci.answer("position fen 6/6/Q4q/6 b - - 0 5").empty());
    std::string error;
    Played small = afterMoves(buildFenBoard(*parseFen("6/6/Q4q/6", error)), Side::kBlue, {});
    const auto started = std::chrono::steady_clock::now();
    expectLegal(small, uci.bestMove("go movetime 300"));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);

    Played clocks = afterMoves(buildBoard(BoardSetup{}), Side::kRed, {});
    uci.answer("position startpos");
    expectLegal(clocks, uci.bestMove("go wtime 2000 btime 2000 winc 10 binc 10"));

    EXPECT_TRUE(uci.answer("position fen Q*/**/q1 w").empty());
    EXPECT_EQ(uci.bestMove("go depth 1"), "(none)") << "Red is walled in";
}

TEST(Uci, StopAndIsReadyDuringAnInfiniteSearch) {
    UciSession uci;
    uci.answer("setoption name Hash value 16");
    uci.answer("position startpos");
    uci.send("go infinite");
    uci.send("isready");
    const std::vector<std::string> whileSearching = uci.until("readyok", 5s);
    for (const std::string& line : whileSearching) {
        EXPECT_FALSE(startsWith(line, "bestmove")) << "the search ran on while readyok came";
    }
    EXPECT_NE(uci.answer("go depth 1").front().find("info string"), std::string::npos)
        << "one search at a time";
    std::this_thread::sleep_for(200ms);
    uci.send("stop");
    const auto stopped = std::chrono::steady_clock::now();
    const std::string best = uci.until("bestmove", 10s).back().substr(9);
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, 5s);
    Played start = afterMoves(buildBoard(BoardSetup{}), Side::kRed, {});
    expectLegal(start, best);
    uci.send("quit");
    EXPECT_EQ(uci.child().waitForExit(10s), 0);
}

TEST(Uci, BadInputGetsOneInfoStringAndKeepsTheLastLegalPosition) {
    UciSession uci;
    uci.answer("setoption name Hash value 16");
    for (const char* bad :
         {"position fen 3x6/10 w", "position fen 10/9 w", "position fen QQQQQ5", "position nowhere",
          "frobnicate", "setoption name Nope value 1", "setoption name Algorithm value 9",
          "setoption name Hash value x", "setoption name UCI_Variant value chess"}) {
        const std::vector<std::string> lines = uci.answer(bad);
        ASSERT_EQ(lines.size(), 1u) << bad;
        EXPECT_TRUE(startsWith(lines.front(), "info string ")) << lines.front();
    }
    uci.send("go depth x movetime 50");
    int infoStrings = 0;
    for (const std::string& line : uci.until("bestmove")) {
        infoStrings += startsWith(line, "info string ") ? 1 : 0;
    }
    EXPECT_EQ(infoStrings, 1) << "a go with a bad limit still searches";

    const std::vector<std::string> illegal =
        uci.answer("position startpos moves d1d6,d6g9 a1a2,a2a3 a7b7,b7b2");
    ASSERT_EQ(illegal.size(), 1u);
    EXPECT_NE(illegal.front().find("a1a2,a2a3"), std::string::npos) << illegal.front();
    Played afterFirst = afterMoves(buildBoard(BoardSetup{}), Side::kRed, {"d1d6,d6g9"});
    expectLegal(afterFirst, uci.bestMove("go depth 1"));

    EXPECT_EQ(uci.answer("position fen 10/9 w").size(), 1u);
    expectLegal(afterFirst, uci.bestMove("go depth 1"));
    uci.child().closeInput();
    EXPECT_EQ(uci.child().waitForExit(10s), 0) << "the end of the input ends the engine";
}

}  // namespace
}  // namespace taravin
