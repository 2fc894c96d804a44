#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
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
    enum class State : uint8_t { kLeaf, kExpanding, kExpanded, kNoMove };

    // Written before the parent turns kExpanded, read only after it has.
    TreeMove move;
    // The share of the search's attention the parent gives this move before visiting it.
    float prior = 0.0F;
    // The mover's chance to win by the static evaluation, until the first visit.
    float initialValue = 0.5F;

    std::atomic<State> state{State::kLeaf};
    // Written by the thread that expands the node, before it turns kExpanded.
    int32_t firstChild = 0;
    int32_t childCount = 0;
    // A walk counts its visit on the way down and adds its value on the way back, so a visit
    // still under way counts as a loss and steers the other threads elsewhere meanwhile.
    std::atomic<int32_t> visits{0};
    // Sum of the mover's chances to win over the finished visits.
    std::atomic<double> valueSum{0.0};

    double meanValue() const;
    bool expanded() const { return state.load(std::memory_order_acquire) == State::kExpanded; }
};

// The search tree of the Monte Carlo player, node 0 the root, grown by several threads at once.
// Every value is kept from the point of view of the side that made the move into the node, so
// a path alternates. Nodes are never moved or freed while the tree lives.
class MonteCarloTree {
  public:
    static constexpr int32_t kRoot = 0;

    explicit MonteCarloTree(int32_t nodeLimit);
    ~MonteCarloTree();
    MonteCarloTree(const MonteCarloTree&) = delete;
    MonteCarloTree& operator=(const MonteCarloTree&) = delete;

    const MonteCarloNode& node(int32_t index) const { return nodes_[index]; }

    // Claims the leaf for expansion; false when it is no leaf or another thread has it.
    bool claim(int32_t index);
    // Gives a claimed node its children; `values` are their movers' static chances to win,
    // which become their first estimates and, through a softmax, their priors. False, and the
    // node a leaf again, when the tree has no room for them.
    bool expand(int32_t index, const SearchMove* moves, const double* values, int32_t count);
    // Ends a claim without children: the side to move has none, or the search stopped.
    void markNoMove(int32_t index);
    void release(int32_t index);

    // The child the walk takes: highest mean value plus an exploration bonus that grows with
    // the parent's visits and the child's prior and shrinks with the child's own visits.
    int32_t selectChild(int32_t index) const;
    // Counts a walk's visit to the node on its way down.
    void enter(int32_t index);
    // Takes back the visits of a walk that ended without a value.
    void abandon(const std::vector<int32_t>& path);
    // Adds the visit's value along the path (root first) with the searching side's chance to
    // win: nodes at odd depths were entered by the searching side.
    void update(const std::vector<int32_t>& path, double searchingWin);

    // Most visits; on equal visits the better mean value, then the earlier child.
    int32_t mostVisitedChild(int32_t index) const;
    // The moves below the node, each time to its most visited child while that has a visit.
    std::vector<SearchMove> principalLineFrom(int32_t index) const;

  private:
    bool hasRoomFor(int32_t children) const;

    MonteCarloNode* nodes_;
    int32_t nodeLimit_;
    std::atomic<int32_t> size_{1};
};

}  // namespace taravin
