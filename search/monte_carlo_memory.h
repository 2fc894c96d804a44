#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/board.h"
#include "search/monte_carlo_grower.h"

namespace taravin {

// The tree of the last timed Monte Carlo search. When the next search starts one or two plies
// later, on the line the tree has grown, its root moves begin with the tallies the tree
// already holds for them instead of from nothing.
class MonteCarloMemory {
  public:
    // Keeps the finished search's tree, grown from `board` with `side` to move.
    void keep(std::unique_ptr<SharedGrowth> growth, const Board& board, Side side,
              int32_t evaluationCode);
    // Grafts the kept tallies of each root move of `tree` (its root children, in the order of
    // `rootMoves`) when the kept tree holds the position of `board`; the kept tree is dropped
    // either way. Returns the visits carried over.
    int64_t carryOver(MonteCarloTree& tree, const std::vector<SearchMove>& rootMoves,
                      const Board& board, Side side, int32_t evaluationCode);

  private:
    // The kept node whose position is `board` with `side` to move, or -1.
    int32_t nodeOf(const Board& board, Side side);

    std::unique_ptr<SharedGrowth> growth_;
    std::unique_ptr<Board> board_;
    Side side_ = Side::kRed;
    int32_t evaluationCode_ = 0;
};

}  // namespace taravin
