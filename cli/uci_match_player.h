#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "cli/child_process.h"
#include "match/builtin_match_player.h"
#include "match/match_game.h"

namespace taravin::cli {

// An engine spoken to over UCI as a match player. It is started for its first game and kept
// for the next ones; one that hangs is killed, one that ends or is killed is started again
// for its next game.
class UciMatchPlayer final : public MatchPlayer {
  public:
    UciMatchPlayer(std::string command, ThinkingLimit limit);
    ~UciMatchPlayer() override;
    UciMatchPlayer(const UciMatchPlayer&) = delete;
    UciMatchPlayer& operator=(const UciMatchPlayer&) = delete;

    bool startGame(std::string& failure) override;
    MatchAnswer chooseMove(const MatchTurn& turn) override;

  private:
    // Reads up to the first line that starts with `prefix`; on a time-out the engine is
    // killed. Nothing, with the reason in `failure`, when no such line came.
    std::optional<std::string> awaitLine(const std::string& prefix, std::chrono::milliseconds limit,
                                         std::string& failure);
    bool send(const std::string& line, std::string& failure);
    // Forgets an engine that is no longer fit to play, after killing it.
    void drop();

    std::string command_;
    ThinkingLimit limit_;
    std::unique_ptr<ChildProcess> engine_;
    bool offersVariant_ = false;
};

}  // namespace taravin::cli
