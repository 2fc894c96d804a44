#pragma once

#include <cstdint>
#include <vector>

#include "search/search_move.h"

namespace taravin {

// A move into a tree node, in six bytes (boards have at most 20 rows and columns).
struct TreeMove {
    uint8_t fromRow = 0, fromColumn = 0, toRow = 0, toColumn = 0, arrowRow = 0, arrowColumn = 0;

    static TreeMove of(const SearchMove& move);
    SearchMove searchMove() const;
};

struct MonteCarloNode {
    enum class State : uint8_t { kLeaf, kExpanded, kNoMove };

    TreeMove move;
    State state = State::kLeaf;
    int32_t firstChild = 0;
    int32_t childCount = 0;
    int32_t visits = 0;
    // The share of the search's attention the parent gives this move before visiting it.
    float prior = 0.0F;
    // The mover's chance to win by the static evaluation, until the first visit.
    float initialValue = 0.5F;
    // Sum of the mover's chances to win over the visits.
    double valueSum = 0.0;

    double meanValue() const { return visits > 0 ? valueSum / visits : initialValue; }
};

// The search tree of the Monte Carlo player, node 0 the root. Every value is kept from the
// point of view of the side that made the move into the node, so a path alternates.
class MonteCarloTree {
  public:
    static constexpr int32_t kRoot = 0;

    explicit MonteCarloTree(int32_t nodeLimit);

    const MonteCarloNode& node(int32_t index) const {
        return nodes_[static_cast<std::size_t>(index)];
    }
    int32_t size() const { return static_cast<int32_t>(nodes_.size()); }
    bool hasRoomFor(int32_t children) const { return size() + children <= nodeLimit_; }

    // Gives the node its children; `values` are their movers' static chances to win, which
    // become their first estimates and, through a softmax, their priors.
    void expand(int32_t index, const SearchMove* moves, const double* values, int32_t count);
    void markNoMove(int32_t index);

    // The child the walk takes: highest mean value plus an exploration bonus that grows with
    // the parent's visits and the child's prior and shrinks with the child's own visits.
    int32_t selectChild(int32_t index) const;
    // Adds one visit along the path (root first) with the searching side's chance to win:
    // nodes at odd depths were entered by the searching side.
    void update(const std::vector<int32_t>& path, double searchingWin);

    // Most visits; on equal visits the better mean value, then the earlier child.
    int32_t mostVisitedChild(int32_t index) const;
    // The moves below the node, each time to its most visited child while that has a visit.
    std::vector<SearchMove> principalLineFrom(int32_t index) const;

  private:
    std::vector<MonteCarloNode> nodes_;
    int32_t nodeLimit_;
};

}  // namespace taravin
