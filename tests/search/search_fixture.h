#pragma once

#include <memory>
#include <string>
#include <vector>

#include "headless/waiting_search_host.h"
#include "model/board_setup.h"
#include "model/mt19937.h"
#include "search/computer_player.h"
#include "search/memory_status.h"
#include "search/search_tables.h"

namespace taravin::testing {

// A board with hash values and a small transposition table, and a computer player that the
// test waits for.
class SearchFixture {
  public:
    explicit SearchFixture(const BoardSetup& setup = BoardSetup{})
        : tables_(FixedMemoryStatus(1u << 22), generator_, setup.rows, setup.columns),
          board_(buildBoard(setup, tables_.hashKeys())),
          host_(
              [this](const SearchReport& report) {
                  for (const std::string& line : informationLines(report)) {
                      log.push_back(line);
                  }
              },
              [this] { player_.flags().moveNow = true; }),
          player_(host_) {}

    Board& board() { return *board_; }
    ComputerPlayer& player() { return player_; }
    WaitingSearchHost& host() { return host_; }
    TranspositionTable& table() { return tables_.table(); }

    SearchRequest request(int32_t algorithm, int32_t lastIteration, int32_t evaluation = 1) {
        SearchRequest request;
        request.board = board_.get();
        request.algorithm = algorithm;
        request.evaluationCode = evaluation;
        request.lastIteration = lastIteration;
        request.useTimeout = false;
        request.logOpen = true;
        request.table = &tables_.table();
        return request;
    }

    SearchResult search(const SearchRequest& request) {
        log.clear();
        EXPECT_TRUE(player_.requestSearch(request));
        const SearchResult result = host_.waitForResult();
        player_.searchEnded();
        return result;
    }

    std::vector<std::string> log;

  private:
    Mt19937 generator_;
    SearchTables tables_;
    std::unique_ptr<Board> board_;
    WaitingSearchHost host_;
    ComputerPlayer player_;
};

// Two runs of a reproducible search: the same move, score, nodes and depth.
inline void expectSameResult(const SearchResult& a, const SearchResult& b) {
    EXPECT_EQ(a.from, b.from);
    EXPECT_EQ(a.to, b.to);
    EXPECT_EQ(a.arrow, b.arrow);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.nodeCount, b.nodeCount);
    EXPECT_EQ(a.depthReached, b.depthReached);
}

}  // namespace taravin::testing
