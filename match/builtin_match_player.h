#pragma once

#include <cstdint>
#include <memory>

#include "match/match_game.h"
#include "search/search_tables.h"

namespace taravin {

// How long a computer player thinks: to a fixed depth, or for a time given in milliseconds
// (with the depth-one seed always finished first).
struct ThinkingLimit {
    int32_t depth = 0;
    int64_t moveMilliseconds = 0;
};

// The program's own computer player in a match: one algorithm and evaluation, its searches
// run on the computer player's worker with a transposition table of its own, sized from
// `tableMemoryBytes` as if that much memory were available.
class BuiltinMatchPlayer final : public MatchPlayer {
  public:
    BuiltinMatchPlayer(int32_t algorithm, int32_t evaluation, ThinkingLimit limit,
                       uint64_t tableMemoryBytes);

    bool startGame(std::string&) override { return true; }
    MatchAnswer chooseMove(const MatchTurn& turn) override;
    // Timed only when it thinks for a given time; to a fixed depth it always finishes.
    bool heldToLimit() const override { return limit_.depth == 0; }

  private:
    int32_t algorithm_;
    int32_t evaluation_;
    ThinkingLimit limit_;
    uint64_t tableMemoryBytes_;
    std::unique_ptr<SearchTables> tables_;
};

}  // namespace taravin
