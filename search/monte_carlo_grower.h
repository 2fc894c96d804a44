#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "model/mt19937.h"
#include "search/monte_carlo_tree.h"
#include "search/search_state.h"

namespace taravin {

// The kept moves' static chances to win for the side that makes them.
std::vector<double> moversChances(const MoveList& list, bool maximising, double scale);

// The tree the search's threads grow together, with their common counts.
struct SharedGrowth {
    explicit SharedGrowth(int32_t nodeLimit, int64_t playoutBudget)
        : tree(nodeLimit), budget(playoutBudget) {}

    // A playout may start while the budget (0: none) has some left; each start takes one.
    bool startPlayout() { return budget == 0 || started.fetch_add(1) < budget; }

    MonteCarloTree tree;
    const int64_t budget;
    std::atomic<int64_t> started{0};
    std::atomic<int64_t> playouts{0};
    std::atomic<int32_t> expansions{0};
};

// One thread's share of growing the tree: a context and buffers of its own, so its expansions
// score their moves on its thread alone, a board and a random generator.
class MonteCarloGrower {
  public:
    // `context` is the search's; the copy shares its flags and evaluation.
    MonteCarloGrower(const SearchContext& context, Board& board, uint32_t seed,
                     SharedGrowth& growth);

    // Walks, grows and plays out until the search must end or the budget is spent; calls
    // `checkpoint` every `interval` playouts of its own.
    void grow(int64_t interval, const std::function<void()>& checkpoint);

  private:
    enum class Expansion { kNone, kExpanded, kNoMove, kStopped };

    bool searchingSide(Side side) const { return side == context_.side; }
    double lossFor(Side side) const { return searchingSide(side) ? 0.0 : 1.0; }
    // Expands the claimed node; every outcome but kExpanded and kNoMove leaves it a leaf.
    Expansion expand(int32_t index, Side side);
    double playout(Side side);
    // One walk from the root to a leaf, its playout and the update of the path. False when
    // the search stopped during the leaf's expansion.
    bool iterate();
    void unmakePath();

    SearchContext context_;
    SearchState state_;
    double scale_;
    SharedGrowth& growth_;
    Mt19937 random_;
    std::vector<int32_t> path_;
    std::vector<std::pair<SearchMove, UndoRecord>> made_;
};

}  // namespace taravin
