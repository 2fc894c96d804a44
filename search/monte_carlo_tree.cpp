#include "search/monte_carlo_tree.h"

#include <algorithm>
#include <cmath>

namespace taravin {

namespace {

// Weight of the exploration bonus against the mean value (both on a 0..1 scale).
constexpr double kExploration = 1.0;
// How sharply the priors favour the statically better moves: a child whose static chance is
// 0.1 lower gets about a third of the prior.
constexpr double kPriorSharpness = 10.0;

uint8_t coordinate(int32_t value) {
    return static_cast<uint8_t>(value);
}

bool moreVisited(const MonteCarloNode& a, const MonteCarloNode& b) {
    if (a.visits != b.visits) {
        return a.visits > b.visits;
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

MonteCarloTree::MonteCarloTree(int32_t nodeLimit) : nodeLimit_(std::max(nodeLimit, 1)) {
    nodes_.emplace_back();
}

void MonteCarloTree::expand(int32_t index, const SearchMove* moves, const double* values,
                            int32_t count) {
    const double best = *std::max_element(values, values + count);
    double total = 0.0;
    std::vector<double> weights(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        weights[static_cast<std::size_t>(i)] = std::exp(kPriorSharpness * (values[i] - best));
        total += weights[static_cast<std::size_t>(i)];
    }
    const auto first = static_cast<int32_t>(nodes_.size());
    for (int32_t i = 0; i < count; ++i) {
        MonteCarloNode child;
        child.move = TreeMove::of(moves[i]);
        child.prior = static_cast<float>(weights[static_cast<std::size_t>(i)] / total);
        child.initialValue = static_cast<float>(values[i]);
        nodes_.push_back(child);
    }
    MonteCarloNode& parent = nodes_[static_cast<std::size_t>(index)];
    parent.firstChild = first;
    parent.childCount = count;
    parent.state = MonteCarloNode::State::kExpanded;
}

void MonteCarloTree::markNoMove(int32_t index) {
    nodes_[static_cast<std::size_t>(index)].state = MonteCarloNode::State::kNoMove;
}

int32_t MonteCarloTree::selectChild(int32_t index) const {
    const MonteCarloNode& parent = node(index);
    const double reach = kExploration * std::sqrt(static_cast<double>(std::max(parent.visits, 1)));
    int32_t best = parent.firstChild;
    double bestValue = -1.0;
    for (int32_t i = parent.firstChild; i < parent.firstChild + parent.childCount; ++i) {
        const MonteCarloNode& child = node(i);
        const double value = child.meanValue() + reach * child.prior / (1.0 + child.visits);
        if (value > bestValue) {
            bestValue = value;
            best = i;
        }
    }
    return best;
}

void MonteCarloTree::update(const std::vector<int32_t>& path, double searchingWin) {
    for (std::size_t depth = 0; depth < path.size(); ++depth) {
        MonteCarloNode& entry = nodes_[static_cast<std::size_t>(path[depth])];
        ++entry.visits;
        entry.valueSum += depth % 2 == 1 ? searchingWin : 1.0 - searchingWin;
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
    while (node(index).state == MonteCarloNode::State::kExpanded) {
        index = mostVisitedChild(index);
        if (node(index).visits == 0) {
            break;
        }
        line.push_back(node(index).move.searchMove());
    }
    return line;
}

}  // namespace taravin
