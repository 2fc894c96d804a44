#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cli/line_output.h"
#include "cli/uci_search_host.h"
#include "headless/thread_timer.h"
#include "model/board.h"
#include "search/computer_player.h"
#include "search/search_tables.h"

namespace taravin::cli {

// The engine's settings as UCI options.
struct UciOptions {
    int64_t algorithm = kAlgorithmQScout;
    int64_t evaluation = kEvaluationMinimumDistanceArrays;
    // The available memory, in MiB, that the transposition table is sized from.
    int64_t hashMegabytes = 256;
    int64_t depthTopCount = 35;
    int64_t depth2Count = 30;
    int64_t depthDecreaseCount = 5;
    int64_t depthMinCount = 10;
    // Threads that score candidates; the result is the same for any count.
    int64_t threads = machineThreadCount();
};

// The UCI protocol for Amazons, one input line at a time. The search runs on the computer
// player's worker, so every command is answered at once; "info" and "bestmove" lines come from
// the worker as the search goes. Bad input gets one "info string" line and changes nothing
// else (a list of moves stops before the first illegal one).
class UciEngine {
  public:
    explicit UciEngine(LineOutput& output);
    ~UciEngine();
    UciEngine(const UciEngine&) = delete;
    UciEngine& operator=(const UciEngine&) = delete;

    // Handles one line; false once it was "quit".
    bool handle(const std::string& line);

  private:
    using Words = std::vector<std::string>;

    void identify();
    void setOption(const Words& words);
    void setPosition(const Words& words);
    void go(const Words& words);
    void startPosition();
    // Ends a running search (asking it to move when `stop`) and joins its worker.
    void endSearch(bool stop);
    void tell(const std::string& text);

    LineOutput& output_;
    UciSearchHost host_;
    ComputerPlayer computer_;
    ThreadTimer moveTimer_;
    bool searching_ = false;
    UciOptions options_;
    std::unique_ptr<Board> board_;
    Side sideToMove_ = Side::kRed;
    int32_t moveNumber_ = 1;
    std::unique_ptr<SearchTables> tables_;
    int64_t tablesMegabytes_ = 0;
};

}  // namespace taravin::cli
