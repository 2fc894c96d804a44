#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "formats/sgf_reader.h"
#include "formats/sgf_writer.h"
#include "match/builtin_match_player.h"
#include "match/match_game.h"
#include "match/match_standings.h"
#include "match/random_opening.h"
#include "model/move_generation.h"

namespace taravin {
namespace {

using namespace std::chrono_literals;

// A player whose answers a test writes.
class ScriptedPlayer final : public MatchPlayer {
  public:
    explicit ScriptedPlayer(std::function<MatchAnswer(const MatchTurn&)> answer)
        : answer_(std::move(answer)) {}
    bool startGame(std::string& failure) override {
        failure = startFailure;
        return startFailure.empty();
    }
    MatchAnswer chooseMove(const MatchTurn& turn) override { return answer_(turn); }

    std::string startFailure;

  private:
    std::function<MatchAnswer(const MatchTurn&)> answer_;
};

// The first legal move of the side to move.
MatchAnswer firstMove(const MatchTurn& turn) {
    MatchAnswer answer{MatchAnswer::Kind::kNoMove, {}, {}};
    forEachLegalMove(turn.board, turn.side,
                     [&](const Square& from, const Square& to, const Square& arrow) {
                         if (answer.kind == MatchAnswer::Kind::kNoMove) {
                             answer = {MatchAnswer::Kind::kMove, {from, to, arrow}, {}};
                         }
                     });
    return answer;
}

BoardSetup smallBoard() {
    BoardSetup setup;
    setup.rows = 5;
    setup.columns = 6;
    setup.redLocations = "A1, F3";
    setup.blueLocations = "F1, A5";
    return setup;
}

TEST(MatchGame, EveryWayOfLosingIsRecorded) {
    ScriptedPlayer legal(firstMove);
    ScriptedPlayer illegal([](const MatchTurn& turn) {
        return turn.moves.size() < 3
                   ? firstMove(turn)
                   : MatchAnswer{MatchAnswer::Kind::kMove, {{1, 1}, {1, 1}, {1, 2}}, {}};
    });
    MatchGameResult result = playMatchGame(legal, "L", illegal, "I", smallBoard(), 1s);
    EXPECT_EQ(result.winner, Side::kRed);
    EXPECT_EQ(result.reason, "Blue loses: illegal move a1a1,a1b1");
    EXPECT_EQ(result.record.result, "B+F");
    EXPECT_EQ(result.record.moves.size(), 3u) << "the moves before the illegal one";
    EXPECT_EQ(result.record.blueName, "I");

    ScriptedPlayer failing([](const MatchTurn&) {
        return MatchAnswer{MatchAnswer::Kind::kFailure, {}, "the engine ended"};
    });
    result = playMatchGame(failing, "F", legal, "L", smallBoard(), 1s);
    EXPECT_EQ(result.winner, Side::kBlue);
    EXPECT_EQ(result.reason, "Red loses: the engine ended");
    EXPECT_EQ(result.record.result, "W+F");

    ScriptedPlayer claiming([](const MatchTurn&) {
        return MatchAnswer{MatchAnswer::Kind::kNoMove, {}, {}};
    });
    EXPECT_EQ(playMatchGame(legal, "L", claiming, "C", smallBoard(), 1s).reason,
              "Blue loses: claimed to have no move");

    ScriptedPlayer slow([](const MatchTurn& turn) {
        std::this_thread::sleep_for(turn.limit + 30ms);
        return firstMove(turn);
    });
    result = playMatchGame(slow, "S", legal, "L", smallBoard(), 20ms);
    EXPECT_EQ(result.winner, Side::kBlue);
    EXPECT_EQ(result.record.result, "W+T");
    EXPECT_NE(result.reason.find("the limit is 20 ms"), std::string::npos) << result.reason;

    BuiltinMatchPlayer deep(kAlgorithmAlphaBeta, 1, {.depth = 2}, 1u << 22);
    BuiltinMatchPlayer timed(kAlgorithmAlphaBeta, 1, {.moveMilliseconds = 50}, 1u << 22);
    EXPECT_FALSE(deep.heldToLimit()) << "a fixed depth always ends";
    EXPECT_TRUE(timed.heldToLimit());
    EXPECT_NE(
        playMatchGame(deep, "D", slow, "S", smallBoard(), 1ms).reason.find("Blue loses: took"),
        std::string::npos)
        << "only the slow script loses on time";

    ScriptedPlayer unready(firstMove);
    unready.startFailure = "did not answer uci";
    result = playMatchGame(legal, "L", unready, "U", smallBoard(), 1s);
    EXPECT_EQ(result.reason, "Blue loses: did not answer uci");
    EXPECT_TRUE(result.record.moves.empty());
}

TEST(MatchGame, BuiltInPlayersFinishTheGameThroughTheDocument) {
    BuiltinMatchPlayer red(kAlgorithmAlphaBeta, 1, {.depth = 2}, 1u << 22);
    BuiltinMatchPlayer blue(kAlgorithmQScout, 0, {.moveMilliseconds = 10}, 1u << 22);
    const MatchGameResult result = playMatchGame(red, "Ann", blue, "Ben", smallBoard(), 10s);
    EXPECT_NE(result.reason.find(" wins by "), std::string::npos) << result.reason;
    EXPECT_EQ(result.record.result.substr(0, 2), result.winner == Side::kRed ? "B+" : "W+");
    EXPECT_EQ(result.record.columns, 6);

    std::string error;
    const std::optional<SgfGame> back = readSgf(writeSgf(result.record), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->moves.size(), result.record.moves.size());
    EXPECT_EQ(back->redName, "Ann");
    EXPECT_EQ(back->result, result.record.result);
}

TEST(MatchGame, RandomOpeningsAreLegalRepeatableAndPlayedFirst) {
    const std::vector<ScannedMove> opening = randomOpening(smallBoard(), 4, 7);
    ASSERT_EQ(opening.size(), 4u);
    EXPECT_EQ(randomOpening(smallBoard(), 4, 7), opening);
    EXPECT_NE(randomOpening(smallBoard(), 4, 8), opening);

    std::size_t movesSeenFirst = 0;
    ScriptedPlayer red([&](const MatchTurn& turn) {
        if (movesSeenFirst == 0) {
            movesSeenFirst = turn.moves.size();
        }
        return firstMove(turn);
    });
    ScriptedPlayer blue(firstMove);
    const MatchGameResult result = playMatchGame(red, "R", blue, "B", smallBoard(), 1s, opening);
    EXPECT_EQ(movesSeenFirst, 4u);
    ASSERT_GE(result.record.moves.size(), 4u);
    for (std::size_t i = 0; i < opening.size(); ++i) {
        EXPECT_EQ(result.record.moves[i].squares, opening[i]) << "move " << i;
    }

    // A move that is not legal there ends the opening instead of reaching the board.
    std::vector<ScannedMove> broken = opening;
    broken[1] = broken[0];
    const MatchGameResult cut = playMatchGame(red, "R", blue, "B", smallBoard(), 1s, broken);
    ASSERT_GE(cut.record.moves.size(), 2u);
    EXPECT_EQ(cut.record.moves[0].squares, opening[0]);
    EXPECT_NE(cut.record.moves[1].squares, broken[1]);
}

TEST(MatchStandings, EloDifferencesAndTheirMargins) {
    const EloEstimate even = eloEstimate(50, 50);
    EXPECT_NEAR(even.difference, 0.0, 1e-9);
    EXPECT_NEAR(even.margin, 68.99, 0.01);
    const EloEstimate better = eloEstimate(30, 10);
    EXPECT_NEAR(better.difference, 190.85, 0.01);
    EXPECT_NEAR(better.margin, 135.58, 0.01);
    EXPECT_EQ(eloText(better), "+190.8 +/- 135.6");
    EXPECT_EQ(eloText(eloEstimate(3, 1)), "+190.8 +/- inf") << "too few games for a bound";
    EXPECT_EQ(eloText(eloEstimate(4, 0)), "+inf");
    EXPECT_EQ(eloText(eloEstimate(0, 2)), "-inf");
    EXPECT_FALSE(eloEstimate(0, 0).finiteMargin);
}

TEST(MatchStandings, CrossTableSortedByScore) {
    MatchStandings standings({"A", "B", "C"});
    standings.record(0, 1, false);  // B beats A as Blue
    standings.record(1, 0, true);   // B beats A as Red
    standings.record(2, 0, false);  // A beats C as Blue
    standings.record(0, 2, false);  // C beats A as Blue
    standings.record(1, 2, true);   // B beats C
    standings.record(2, 1, true);   // C beats B
    EXPECT_EQ(standings.ranking(), (std::vector<std::size_t>{1, 2, 0}));
    EXPECT_EQ(standings.scoreText(1), "3.0/4");
    EXPECT_EQ(standings.table(),
              "Rank  Player  Score  Red W-L  Blue W-L  Elo             1    2    3\n"
              "1     B       3.0/4  2-0      1-1       +190.8 +/- inf  -    1-1  2-0\n"
              "2     C       2.0/4  1-1      1-1       +0.0 +/- 798.1  1-1  -    1-1\n"
              "3     A       1.0/4  0-2      1-1       -190.8 +/- inf  0-2  1-1  -\n");

    MatchStandings match({"X", "Y"});
    match.record(0, 1, true);
    match.record(1, 0, true);
    EXPECT_NE(match.table().find("Elo difference of X against Y: +0.0 +/- inf\n"),
              std::string::npos)
        << match.table();
}

}  // namespace
}  // namespace taravin
