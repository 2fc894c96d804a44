#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "model/mt19937.h"
#include "search/monte_carlo_tree.h"
#include "search/search_state.h"

namespace taravin {

// A root move's visits and summed chances to win, in one tree or added up over several.
struct RootTally {
    int64_t visits = 0;
    double valueSum = 0.0;
};

// The kept moves' static chances to win for the side that makes them.
std::vector<double> moversChances(const MoveList& list, bool maximising, double scale);

// One Monte Carlo tree and what growing it takes: a context and buffers of its own, so its
// expansions score their moves on its thread alone, a board and a random generator. Trees
// grow side by side from the same root children and the search adds up their root tallies.
class MonteCarloGrower {
  public:
    // `context` is the search's; the copy shares its flags and evaluation.
    MonteCarloGrower(const SearchContext& context, Board& board, uint32_t seed, int32_t nodeLimit);

    // Gives the root its children, the same in every tree.
    void plantRoot(const SearchMove* moves, const double* values, int32_t count);
    // Walks, grows and plays out until the search must end or `budget` playouts (0: no
    // budget) are done; calls `checkpoint` every `interval` playouts.
    void grow(int64_t budget, int64_t interval, const std::function<void()>& checkpoint);

    const MonteCarloTree& tree() const { return tree_; }
    int64_t playouts() const { return playouts_; }
    int32_t expansions() const { return context_.nodeCount; }
    std::vector<RootTally> rootTallies() const;

  private:
    enum class Expansion { kExpanded, kNoMove, kStopped, kTreeFull };

    bool searchingSide(Side side) const { return side == context_.side; }
    double lossFor(Side side) const { return searchingSide(side) ? 0.0 : 1.0; }
    Expansion expand(int32_t index, Side side);
    double playout(Side side);
    // One walk from the root to a leaf, its playout and the update of the path. False when
    // the search stopped during the leaf's expansion.
    bool iterate();
    void unmakePath();

    SearchContext context_;
    SearchState state_;
    double scale_;
    MonteCarloTree tree_;
    Mt19937 random_;
    int64_t playouts_ = 0;
    std::vector<int32_t> path_;
    std::vector<std::pair<SearchMove, UndoRecord>> made_;
};

}  // namespace taravin
