#include "search/monte_carlo_grower.h"

#include <array>
#include <new>

#include "eval/quick_distance.h"
#include "search/monte_carlo_playout.h"
#include "search/move_generators.h"
#include "search/order_and_prune.h"

namespace taravin {

namespace {

// Children an inner node keeps (plus each amazon's minimum).
constexpr int32_t kNodeChildren = 16;
// A leaf is expanded on this visit; until then its visits are playouts from it.
constexpr int32_t kExpansionVisit = 3;
// Random moves a playout makes before the evaluation scores it: one of each side.
constexpr int kPlayoutPlies = 2;

// The grower's own copy of the search's context: its expansions score on its own thread.
SearchContext ownContext(const SearchContext& context) {
    SearchContext own = context;
    own.host = nullptr;
    own.logOpen = false;
    own.pool = nullptr;
    own.nodeCount = 0;
    return own;
}

}  // namespace

std::vector<double> moversChances(const MoveList& list, bool maximising, double scale) {
    std::vector<double> values(static_cast<std::size_t>(list.count));
    for (int32_t i = 0; i < list.count; ++i) {
        const double searchingWin = winProbability(list.moves[i].score, scale);
        values[static_cast<std::size_t>(i)] = maximising ? searchingWin : 1.0 - searchingWin;
    }
    return values;
}

MonteCarloGrower::MonteCarloGrower(const SearchContext& context, Board& board, uint32_t seed,
                                   int32_t nodeLimit)
    : context_(ownContext(context)),
      state_(context_, board),
      scale_(winScaleOf(context.evaluationCode)),
      tree_(nodeLimit),
      random_(seed) {}

void MonteCarloGrower::plantRoot(const SearchMove* moves, const double* values, int32_t count) {
    tree_.expand(MonteCarloTree::kRoot, moves, values, count);
}

std::vector<RootTally> MonteCarloGrower::rootTallies() const {
    const MonteCarloNode& root = tree_.node(MonteCarloTree::kRoot);
    std::vector<RootTally> tallies(static_cast<std::size_t>(root.childCount));
    for (int32_t i = 0; i < root.childCount; ++i) {
        const MonteCarloNode& child = tree_.node(root.firstChild + i);
        tallies[static_cast<std::size_t>(i)] = {child.visits, child.valueSum};
    }
    return tallies;
}

MonteCarloGrower::Expansion MonteCarloGrower::expand(int32_t index, Side side) {
    const bool maximising = searchingSide(side);
    MoveList list = state_.moveListAt(0);
    if (!list.moves || !state_.continueSearch()) {
        return Expansion::kStopped;
    }
    const AmazonSnapshot amazons = snapshotAmazons(state_.board, side);
    generateSelectedMoves(state_, list, amazons, side, evaluateQuickDistance, maximising);
    if (!state_.continueSearch()) {
        return Expansion::kStopped;
    }
    if (list.count == 0) {
        return Expansion::kNoMove;
    }
    state_.countNode();
    orderAndPrune(state_, side, kNodeChildren, list, maximising, nullptr, amazons.count, false);
    if (list.count == 0) {
        return Expansion::kStopped;
    }
    if (!tree_.hasRoomFor(list.count)) {
        return Expansion::kTreeFull;
    }
    const std::vector<double> values = moversChances(list, maximising, scale_);
    try {
        tree_.expand(index, list.moves, values.data(), list.count);
    } catch (const std::bad_alloc&) {
        state_.flags.memoryError = true;
        return Expansion::kStopped;
    }
    return Expansion::kExpanded;
}

double MonteCarloGrower::playout(Side side) {
    std::array<PlayoutMove, kPlayoutPlies> moves;
    int played = 0;
    double searchingWin = -1.0;
    for (; played < kPlayoutPlies; ++played) {
        if (!makeRandomMove(state_.board, side, random_, moves[static_cast<std::size_t>(played)])) {
            searchingWin = lossFor(side);
            break;
        }
        side = otherSide(side);
    }
    if (searchingWin < 0.0) {
        searchingWin = winProbability(state_.evaluate(), scale_);
    }
    while (played > 0) {
        const PlayoutMove& move = moves[static_cast<std::size_t>(--played)];
        unmakeMove(state_.board, move.from, move.to, move.arrow, move.undo);
    }
    return searchingWin;
}

bool MonteCarloGrower::iterate() {
    int32_t index = MonteCarloTree::kRoot;
    Side side = context_.side;
    path_.assign(1, index);
    while (tree_.node(index).state == MonteCarloNode::State::kExpanded) {
        index = tree_.selectChild(index);
        const SearchMove move = tree_.node(index).move.searchMove();
        made_.emplace_back(move, makeListedMove(state_.board, move, side));
        side = otherSide(side);
        path_.push_back(index);
    }
    double searchingWin = lossFor(side);
    if (tree_.node(index).state == MonteCarloNode::State::kLeaf) {
        Expansion expansion = Expansion::kExpanded;
        if (tree_.node(index).visits + 1 >= kExpansionVisit) {
            expansion = expand(index, side);
        }
        if (expansion == Expansion::kStopped) {
            unmakePath();
            return false;
        }
        if (expansion == Expansion::kNoMove) {
            tree_.markNoMove(index);
        } else {
            searchingWin = playout(side);
        }
    }
    tree_.update(path_, searchingWin);
    unmakePath();
    ++playouts_;
    return true;
}

void MonteCarloGrower::unmakePath() {
    while (!made_.empty()) {
        unmakeListedMove(state_.board, made_.back().first, made_.back().second);
        made_.pop_back();
    }
}

void MonteCarloGrower::grow(int64_t budget, int64_t interval,
                            const std::function<void()>& checkpoint) {
    while (state_.continueSearch() && (budget == 0 || playouts_ < budget)) {
        if (!iterate()) {
            break;
        }
        if (playouts_ % interval == 0) {
            checkpoint();
        }
    }
}

}  // namespace taravin
