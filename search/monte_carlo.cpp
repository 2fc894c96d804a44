#include "search/monte_carlo.h"

#include <chrono>
#include <new>
#include <vector>

#include "eval/quick_distance.h"
#include "search/monte_carlo_playout.h"
#include "search/monte_carlo_tree.h"
#include "search/move_generators.h"
#include "search/node_moves.h"
#include "search/order_and_prune.h"
#include "search/root_report.h"
#include "search/search_log.h"

namespace taravin {

namespace {

// Children a node keeps (plus each amazon's minimum): the root looks wider.
constexpr int32_t kRootChildren = 40;
constexpr int32_t kNodeChildren = 16;
// A leaf is expanded on this visit; until then its visits are playouts from it.
constexpr int32_t kExpansionVisit = 3;
// Random moves a playout makes before the evaluation scores it: one of each side.
constexpr int kPlayoutPlies = 2;
// About 160 MB of tree.
constexpr int32_t kTreeNodeLimit = 4'000'000;
// Without a time-out or budget, a depth limit d stands for d thousand playouts.
constexpr int64_t kPlayoutsPerDepth = 1000;
constexpr int32_t kReportedRootMoves = 5;
constexpr auto kReportPeriod = std::chrono::seconds(1);
// Iterations between two looks at the clock.
constexpr int64_t kClockInterval = 64;

enum class Expansion { kExpanded, kNoMove, kStopped, kTreeFull };

class MonteCarloSearch {
  public:
    explicit MonteCarloSearch(SearchState& state)
        : state_(state),
          context_(state.context),
          scale_(winScaleOf(state.context.evaluationCode)),
          tree_(kTreeNodeLimit) {}

    void run();

  private:
    bool searchingSide(Side side) const { return side == context_.side; }
    double lossFor(Side side) const { return searchingSide(side) ? 0.0 : 1.0; }
    int64_t budget() const;
    bool winInOne(const MoveList& list);
    Expansion expand(int32_t index, Side side);
    double playout(Side side);
    bool iterate();
    void unmakePath();
    // Publishes the most visited root move and returns the most visited line.
    std::vector<SearchMove> publish();
    void report(std::chrono::steady_clock::time_point start);

    SearchState& state_;
    SearchContext& context_;
    double scale_;
    MonteCarloTree tree_;
    Mt19937 random_;
    int64_t playouts_ = 0;
    std::vector<int32_t> path_;
    std::vector<std::pair<SearchMove, UndoRecord>> made_;
};

int64_t MonteCarloSearch::budget() const {
    if (context_.playoutBudget > 0) {
        return context_.playoutBudget;
    }
    return context_.lastIteration < kDeepestIteration ? context_.lastIteration * kPlayoutsPerDepth
                                                      : 0;
}

// A move after which the opponent cannot move wins at once; the root takes it without search.
bool MonteCarloSearch::winInOne(const MoveList& list) {
    const Side opponent = otherSide(context_.side);
    for (const SearchMove& move : list) {
        const UndoRecord undo = makeListedMove(state_.board, move, context_.side);
        const bool won = state_.board.noMoveLeft(opponent);
        unmakeListedMove(state_.board, move, undo);
        if (won) {
            publishBestMove(context_, move.from, move.to, move.arrow, kWinScore);
            context_.depthReached = 1;
            state_.flags.moveNow = true;
            return true;
        }
    }
    return false;
}

Expansion MonteCarloSearch::expand(int32_t index, Side side) {
    const bool root = index == MonteCarloTree::kRoot;
    const bool maximising = searchingSide(side);
    MoveList list = state_.moveListAt(0);
    if (!list.moves || !state_.continueSearch()) {
        return Expansion::kStopped;
    }
    const AmazonSnapshot amazons = snapshotAmazons(state_.board, side);
    if (root) {
        generateAllMoves(state_, list, amazons, side, evaluateQuickDistance);
    } else {
        generateSelectedMoves(state_, list, amazons, side, evaluateQuickDistance, maximising);
    }
    if (!state_.continueSearch()) {
        return Expansion::kStopped;
    }
    if (list.count == 0) {
        return Expansion::kNoMove;
    }
    state_.countNode();
    if (root && winInOne(list)) {
        return Expansion::kStopped;
    }
    orderAndPrune(state_, side, root ? kRootChildren : kNodeChildren, list, maximising, nullptr,
                  amazons.count, false);
    if (list.count == 0) {
        return Expansion::kStopped;
    }
    if (!tree_.hasRoomFor(list.count)) {
        return Expansion::kTreeFull;
    }
    std::vector<double> values(static_cast<std::size_t>(list.count));
    for (int32_t i = 0; i < list.count; ++i) {
        const double searchingWin = winProbability(list.moves[i].score, scale_);
        values[static_cast<std::size_t>(i)] = maximising ? searchingWin : 1.0 - searchingWin;
    }
    try {
        tree_.expand(index, list.moves, values.data(), list.count);
    } catch (const std::bad_alloc&) {
        state_.flags.memoryError = true;
        return Expansion::kStopped;
    }
    return Expansion::kExpanded;
}

double MonteCarloSearch::playout(Side side) {
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

// One walk from the root to a leaf, its playout and the update of the path. False when the
// search stopped during the leaf's expansion.
bool MonteCarloSearch::iterate() {
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

void MonteCarloSearch::unmakePath() {
    while (!made_.empty()) {
        unmakeListedMove(state_.board, made_.back().first, made_.back().second);
        made_.pop_back();
    }
}

std::vector<SearchMove> MonteCarloSearch::publish() {
    const MonteCarloNode& best = tree_.node(tree_.mostVisitedChild(MonteCarloTree::kRoot));
    const SearchMove move = best.move.searchMove();
    publishBestMove(context_, move.from, move.to, move.arrow,
                    scoreOfWinProbability(best.meanValue(), scale_));
    std::vector<SearchMove> line = tree_.principalLine();
    context_.depthReached = static_cast<int32_t>(line.size());
    return line;
}

void MonteCarloSearch::report(std::chrono::steady_clock::time_point start) {
    SearchReport summary;
    summary.moves = publish();
    summary.kind = SearchReport::Kind::kMonteCarlo;
    summary.score = context_.bestScore;
    summary.depth = context_.depthReached;
    summary.nodes = context_.nodeCount;
    summary.playouts = playouts_;
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    summary.playoutsPerSecond = playouts_ * 1000 / std::max<int64_t>(elapsed.count(), 1);
    for (int32_t child : tree_.topRootChildren(kReportedRootMoves)) {
        const MonteCarloNode& node = tree_.node(child);
        summary.rootMoves.push_back({node.move.searchMove(), node.visits, node.meanValue()});
    }
    writeReport(context_, summary);
    if (context_.host) {
        context_.host->postStatusText(
            rootStatusText(context_, context_.bestScore, context_.depthReached));
    }
}

void MonteCarloSearch::run() {
    const auto start = std::chrono::steady_clock::now();
    if (expand(MonteCarloTree::kRoot, context_.side) != Expansion::kExpanded) {
        return;
    }
    // A first move in hand, so that a time-out can end the search.
    publish();
    if (tree_.node(MonteCarloTree::kRoot).childCount == 1) {
        report(start);
        return;
    }
    const int64_t limit = budget();
    auto nextReport = start + kReportPeriod;
    while (state_.continueSearch() && (limit == 0 || playouts_ < limit)) {
        if (!iterate()) {
            break;
        }
        if (playouts_ % kClockInterval == 0 && std::chrono::steady_clock::now() >= nextReport) {
            report(start);
            nextReport += kReportPeriod;
        }
    }
    if (!state_.flags.abortSearch && !state_.flags.memoryError) {
        report(start);
    }
}

}  // namespace

void searchMonteCarlo(SearchState& state) {
    MonteCarloSearch(state).run();
}

}  // namespace taravin
