#include "search/monte_carlo_tree.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <type_traits>

namespace taravin {

namespace {

// Weight of the exploration bonus against the mean value (both on a 0..1 scale).
constexpr double kExploration = 1.0;
// How sharply the priors favour the statically better moves: a child whose static chance is
// 0.1 lower gets about a third of the prior.
constexpr double kPriorSharpness = 10.0;

// Nodes are made in place as the tree claims them and never destroyed one by one.
static_assert(std::is_trivially_destructible_v<MonteCarloNode>);

uint8_t coordinate(int32_t value) {
    return static_cast<uint8_t>(value);
}

bool moreVisited(const MonteCarloNode& a, const MonteCarloNode& b) {
    const int32_t aVisits = a.visits.load(std::memory_order_relaxed);
    const int32_t bVisits = b.visits.load(std::memory_order_relaxed);
    if (aVisits != bVisits) {
        return aVisits > bVisits;
    }
    return a.meanValue() > b.meanValue();
}

}  // namespace

TreeMove TreeMove::of(const SearchMove& move) {
    return {coordinate(move.from.row),  coordinate(move.from.column),
            coordinate(move.to.row),    coordinate(move.to.column),
            coordinate(move.arrow.row), coordinate(move.arrow.column)};
}

SearchMove TreeMove::searchMove() const {
    SearchMove move;
    move.from = {fromRow, fromColumn};
    move.to = {toRow, toColumn};
    move.arrow = {arrowRow, arrowColumn};
    return move;
}

double MonteCarloNode::meanValue() const {
    const int32_t count = visits.load(std::memory_order_relaxed);
    return count > 0 ? valueSum.load(std::memory_order_relaxed) / count : initialValue;
}

MonteCarloTree::MonteCarloTree(int32_t nodeLimit)
    : nodes_(std::allocator<MonteCarloNode>().allocate(
          static_cast<std::size_t>(std::max(nodeLimit, 1)))),
      nodeLimit_(std::max(nodeLimit, 1)) {
    std::construct_at(nodes_);
}

MonteCarloTree::~MonteCarloTree() {
    std::allocator<MonteCarloNode>().deallocate(nodes_, static_cast<std::size_t>(nodeLimit_));
}

bool MonteCarloTree::hasRoomFor(int32_t children) const {
    return size_.load(std::memory_order_relaxed) + children <= nodeLimit_;
}

bool MonteCarloTree::claim(int32_t index) {
    auto expected = MonteCarloNode::State::kLeaf;
    return nodes_[index].state.compare_exchange_strong(expected, MonteCarloNode::State::kExpanding,
                                                       std::memory_order_acquire);
}

bool MonteCarloTree::expand(int32_t index, const SearchMove* moves, const double* values,
                            int32_t count) {
    if (!hasRoomFor(count)) {
        release(index);
        return false;
    }
    const int32_t first = size_.fetch_add(count, std::memory_order_relaxed);
    if (first + count > nodeLimit_) {
        release(index);
        return false;
    }
    const double best = *std::max_element(values, values + count);
    std::vector<double> weights(static_cast<std::size_t>(count));
    double total = 0.0;
    for (int32_t i = 0; i < count; ++i) {
        weights[static_cast<std::size_t>(i)] = std::exp(kPriorSharpness * (values[i] - best));
        total += weights[static_cast<std::size_t>(i)];
    }
    for (int32_t i = 0; i < count; ++i) {
        MonteCarloNode* child = std::construct_at(nodes_ + first + i);
        child->move = TreeMove::of(moves[i]);
        child->prior = static_cast<float>(weights[static_cast<std::size_t>(i)] / total);
        child->initialValue = static_cast<float>(values[i]);
    }
    MonteCarloNode& parent = nodes_[index];
    parent.firstChild = first;
    parent.childCount = count;
    parent.state.store(MonteCarloNode::State::kExpanded, std::memory_order_release);
    return true;
}

void MonteCarloTree::markNoMove(int32_t index) {
    nodes_[index].state.store(MonteCarloNode::State::kNoMove, std::memory_order_release);
}

void MonteCarloTree::release(int32_t index) {
    nodes_[index].state.store(MonteCarloNode::State::kLeaf, std::memory_order_release);
}

int32_t MonteCarloTree::selectChild(int32_t index) const {
    const MonteCarloNode& parent = node(index);
    const int32_t parentVisits = parent.visits.load(std::memory_order_relaxed);
    const double reach = kExploration * std::sqrt(static_cast<double>(std::max(parentVisits, 1)));
    int32_t best = parent.firstChild;
    double bestValue = -1.0;
    for (int32_t i = parent.firstChild; i < parent.firstChild + parent.childCount; ++i) {
        const MonteCarloNode& child = node(i);
        const int32_t childVisits = child.visits.load(std::memory_order_relaxed);
        const double value = child.meanValue() + reach * child.prior / (1.0 + childVisits);
        if (value > bestValue) {
            bestValue = value;
            best = i;
        }
    }
    return best;
}

void MonteCarloTree::enter(int32_t index) {
    nodes_[index].visits.fetch_add(1, std::memory_order_relaxed);
}

void MonteCarloTree::abandon(const std::vector<int32_t>& path) {
    for (const int32_t index : path) {
        nodes_[index].visits.fetch_sub(1, std::memory_order_relaxed);
    }
}

void MonteCarloTree::update(const std::vector<int32_t>& path, double searchingWin) {
    for (std::size_t depth = 0; depth < path.size(); ++depth) {
        nodes_[path[depth]].valueSum.fetch_add(depth % 2 == 1 ? searchingWin : 1.0 - searchingWin,
                                               std::memory_order_relaxed);
    }
}

int32_t MonteCarloTree::mostVisitedChild(int32_t index) const {
    const MonteCarloNode& parent = node(index);
    int32_t best = parent.firstChild;
    for (int32_t i = parent.firstChild + 1; i < parent.firstChild + parent.childCount; ++i) {
        if (moreVisited(node(i), node(best))) {
            best = i;
        }
    }
    return best;
}

std::vector<SearchMove> MonteCarloTree::principalLineFrom(int32_t index) const {
    std::vector<SearchMove> line;
    while (node(index).expanded()) {
        index = mostVisitedChild(index);
        if (node(index).visits.load(std::memory_order_relaxed) == 0) {
            break;
        }
        line.push_back(node(index).move.searchMove());
    }
    return line;
}

}  // namespace taravin
