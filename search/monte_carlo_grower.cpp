#include "search/monte_carlo_grower.h"

#include <array>
#include <new>

#include "eval/quick_distance.h"
#include "search/monte_carlo_playout.h"
#include "search/move_generators.h"
#include "search/order_and_prune.h"

namespace taravin {

namespace {

// Children an inner node keeps (plus each amazon's minimum). With 16, a third of a depth-5
// alpha-beta opponent's replies fell outside the tree and its lines looked better than they
// were; 32 keeps most of them for an eighth fewer playouts.
constexpr int32_t kNodeChildren = 32;
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
                                   SharedGrowth& growth)
    : context_(ownContext(context)),
      state_(context_, board),
      scale_(winScaleOf(context.evaluationCode)),
      growth_(growth),
      random_(seed) {}

MonteCarloGrower::Expansion MonteCarloGrower::expand(int32_t index, Side side) {
    const bool maximising = searchingSide(side);
    MoveList list = state_.moveListAt(0);
    if (list.moves && state_.continueSearch()) {
        const AmazonSnapshot amazons = snapshotAmazons(state_.board, side);
        generateSelectedMoves(state_, list, amazons, side, evaluateQuickDistance, maximising);
        if (list.count == 0 && state_.continueSearch()) {
            growth_.tree.markNoMove(index);
            return Expansion::kNoMove;
        }
        orderAndPrune(state_, side, kNodeChildren, list, maximising, nullptr, amazons.count, false);
    }
    if (!list.moves || list.count == 0 || !state_.continueSearch()) {
        growth_.tree.release(index);
        return Expansion::kStopped;
    }
    try {
        const std::vector<double> values = moversChances(list, maximising, scale_);
        if (!growth_.tree.expand(index, list.moves, values.data(), list.count)) {
            return Expansion::kNone;
        }
    } catch (const std::bad_alloc&) {
        growth_.tree.release(index);
        state_.flags.memoryError = true;
        return Expansion::kStopped;
    }
    growth_.expansions.fetch_add(1, std::memory_order_relaxed);
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
    MonteCarloTree& tree = growth_.tree;
    int32_t index = MonteCarloTree::kRoot;
    Side side = context_.side;
    path_.assign(1, index);
    tree.enter(index);
    while (tree.node(index).expanded()) {
        index = tree.selectChild(index);
        tree.enter(index);
        const SearchMove move = tree.node(index).move.searchMove();
        made_.emplace_back(move, makeListedMove(state_.board, move, side));
        side = otherSide(side);
        path_.push_back(index);
    }
    // A leaf another thread is expanding meanwhile gets a playout of its own.
    double searchingWin = lossFor(side);
    if (tree.node(index).state.load(std::memory_order_acquire) != MonteCarloNode::State::kNoMove) {
        Expansion expansion = Expansion::kNone;
        if (tree.node(index).visits.load(std::memory_order_relaxed) >= kExpansionVisit &&
            tree.claim(index)) {
            expansion = expand(index, side);
        }
        if (expansion == Expansion::kStopped) {
            tree.abandon(path_);
            unmakePath();
            return false;
        }
        if (expansion != Expansion::kNoMove) {
            searchingWin = playout(side);
        }
    }
    tree.update(path_, searchingWin);
    unmakePath();
    growth_.playouts.fetch_add(1, std::memory_order_relaxed);
    return true;
}

void MonteCarloGrower::unmakePath() {
    while (!made_.empty()) {
        unmakeListedMove(state_.board, made_.back().first, made_.back().second);
        made_.pop_back();
    }
}

void MonteCarloGrower::grow(int64_t interval, const std::function<void()>& checkpoint) {
    for (int64_t done = 1; state_.continueSearch() && growth_.startPlayout(); ++done) {
        if (!iterate()) {
            break;
        }
        if (done % interval == 0) {
            checkpoint();
        }
    }
}

}  // namespace taravin
