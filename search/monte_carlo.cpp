#include "search/monte_carlo.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <new>
#include <numeric>
#include <system_error>
#include <thread>
#include <vector>

#include "eval/quick_distance.h"
#include "search/monte_carlo_grower.h"
#include "search/monte_carlo_playout.h"
#include "search/move_generators.h"
#include "search/order_and_prune.h"
#include "search/root_report.h"
#include "search/search_log.h"

namespace taravin {

namespace {

// Children the root keeps (plus each amazon's minimum).
constexpr int32_t kRootChildren = 40;
// At most 640 MB of tree, touched only as it grows: a 5 s search of a middle game uses about
// 6 million nodes, and a full tree stops deepening.
constexpr int32_t kTreeNodeLimit = 16'000'000;
// Where a machine refuses that much, the tree halves down to this before the search gives up.
constexpr int32_t kSmallestTree = 1'000'000;
// Without a time-out or budget, a depth limit d stands for d thousand playouts.
constexpr int64_t kPlayoutsPerDepth = 1000;
constexpr int32_t kReportedRootMoves = 5;
// Playouts between two looks at the clock.
constexpr int64_t kCheckpointInterval = 64;

// A root move's visits and summed chances to win, read off the tree at one moment.
struct RootTally {
    int64_t visits = 0;
    double valueSum = 0.0;
};

// The root moves' tallies with the playouts and expansions so far.
struct Progress {
    std::vector<RootTally> tallies;
    int64_t playouts = 0;
    int32_t expansions = 0;
};

// Tree parallelism: every thread walks and grows the same tree. A walk counts its visits on
// the way down, so threads spread over different lines instead of repeating one. With a
// playout budget and one thread the result never depends on timing.
class MonteCarloSearch {
  public:
    explicit MonteCarloSearch(SearchState& state)
        : state_(state), context_(state.context), scale_(winScaleOf(context_.evaluationCode)) {}

    void run();

  private:
    int64_t budget() const;
    bool winInOne(const MoveList& list);
    // The root's children in rootMoves_ and rootValues_; false when there is nothing to grow.
    bool expandRoot();
    // The tree at its usual size, or the largest the machine grants.
    std::unique_ptr<SharedGrowth> largestGrowth() const;
    bool makeGrowers();
    void growTogether(std::chrono::steady_clock::time_point start);
    Progress progress() const;
    double meanOf(const Progress& progress, std::size_t move) const;
    // Root moves by visits, then by mean value, then in list order.
    std::vector<std::size_t> rankedRootMoves(const Progress& progress) const;
    // Publishes the most visited root move and returns the most visited line.
    std::vector<SearchMove> publish(const Progress& progress);
    void report(std::chrono::steady_clock::time_point start);

    SearchState& state_;
    SearchContext& context_;
    double scale_;
    int32_t rootExpansions_ = 0;
    std::vector<SearchMove> rootMoves_;
    std::vector<double> rootValues_;
    std::unique_ptr<SharedGrowth> growth_;
    // Grower 0 works on the search thread and board, the others on helper threads.
    std::vector<std::unique_ptr<MonteCarloGrower>> growers_;
    std::vector<std::unique_ptr<Board>> helperBoards_;
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

bool MonteCarloSearch::expandRoot() {
    MoveList list = state_.moveListAt(0);
    if (!list.moves || !state_.continueSearch()) {
        return false;
    }
    const AmazonSnapshot amazons = snapshotAmazons(state_.board, context_.side);
    generateAllMoves(state_, list, amazons, context_.side, evaluateQuickDistance);
    if (list.count == 0 || !state_.continueSearch()) {
        return false;
    }
    state_.countNode();
    if (winInOne(list)) {
        return false;
    }
    orderAndPrune(state_, context_.side, kRootChildren, list, true, nullptr, amazons.count, false);
    if (list.count == 0) {
        return false;
    }
    rootMoves_.assign(list.begin(), list.end());
    rootValues_ = moversChances(list, true, scale_);
    rootExpansions_ = context_.nodeCount;
    return true;
}

bool MonteCarloSearch::makeGrowers() {
    const int threads = context_.pool ? context_.pool->participants() : 1;
    try {
        growth_ = largestGrowth();
        MonteCarloTree& tree = growth_->tree;
        tree.claim(MonteCarloTree::kRoot);
        tree.expand(MonteCarloTree::kRoot, rootMoves_.data(), rootValues_.data(),
                    static_cast<int32_t>(rootMoves_.size()));
        for (int thread = 0; thread < threads; ++thread) {
            Board* board = &state_.board;
            if (thread > 0) {
                helperBoards_.push_back(std::make_unique<Board>(state_.board));
                board = helperBoards_.back().get();
            }
            growers_.push_back(std::make_unique<MonteCarloGrower>(
                context_, *board, Mt19937::kDefaultSeed + static_cast<uint32_t>(thread), *growth_));
        }
    } catch (const std::bad_alloc&) {
        state_.flags.memoryError = true;
        return false;
    }
    return true;
}

std::unique_ptr<SharedGrowth> MonteCarloSearch::largestGrowth() const {
    for (int32_t limit = kTreeNodeLimit;; limit /= 2) {
        try {
            return std::make_unique<SharedGrowth>(limit, budget());
        } catch (const std::bad_alloc&) {
            if (limit / 2 < kSmallestTree) {
                throw;
            }
        }
    }
}

Progress MonteCarloSearch::progress() const {
    Progress now{std::vector<RootTally>(rootMoves_.size()), 0, 0};
    if (!growth_) {
        return now;
    }
    const MonteCarloTree& tree = growth_->tree;
    const int32_t first = tree.node(MonteCarloTree::kRoot).firstChild;
    for (std::size_t i = 0; i < now.tallies.size(); ++i) {
        const MonteCarloNode& child = tree.node(first + static_cast<int32_t>(i));
        now.tallies[i] = {child.visits.load(std::memory_order_relaxed),
                          child.valueSum.load(std::memory_order_relaxed)};
    }
    now.playouts = growth_->playouts.load(std::memory_order_relaxed);
    now.expansions = growth_->expansions.load(std::memory_order_relaxed);
    return now;
}

double MonteCarloSearch::meanOf(const Progress& progress, std::size_t move) const {
    const RootTally& tally = progress.tallies[move];
    return tally.visits > 0 ? tally.valueSum / static_cast<double>(tally.visits)
                            : rootValues_[move];
}

std::vector<std::size_t> MonteCarloSearch::rankedRootMoves(const Progress& progress) const {
    std::vector<std::size_t> moves(rootMoves_.size());
    std::iota(moves.begin(), moves.end(), std::size_t{0});
    std::stable_sort(moves.begin(), moves.end(), [&](std::size_t a, std::size_t b) {
        if (progress.tallies[a].visits != progress.tallies[b].visits) {
            return progress.tallies[a].visits > progress.tallies[b].visits;
        }
        return meanOf(progress, a) > meanOf(progress, b);
    });
    return moves;
}

std::vector<SearchMove> MonteCarloSearch::publish(const Progress& progress) {
    const std::size_t best = rankedRootMoves(progress).front();
    const SearchMove& move = rootMoves_[best];
    publishBestMove(context_, move.from, move.to, move.arrow,
                    scoreOfWinProbability(meanOf(progress, best), scale_));
    context_.nodeCount = rootExpansions_ + progress.expansions;
    std::vector<SearchMove> line;
    if (progress.tallies[best].visits > 0 && growth_) {
        const MonteCarloTree& tree = growth_->tree;
        const int32_t child =
            tree.node(MonteCarloTree::kRoot).firstChild + static_cast<int32_t>(best);
        line.push_back(move);
        const std::vector<SearchMove> below = tree.principalLineFrom(child);
        line.insert(line.end(), below.begin(), below.end());
    }
    context_.depthReached = static_cast<int32_t>(line.size());
    return line;
}

void MonteCarloSearch::report(std::chrono::steady_clock::time_point start) {
    const Progress now = progress();
    SearchReport summary;
    summary.moves = publish(now);
    summary.kind = SearchReport::Kind::kMonteCarlo;
    summary.score = context_.bestScore;
    summary.depth = context_.depthReached;
    summary.nodes = context_.nodeCount;
    summary.playouts = now.playouts;
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    summary.playoutsPerSecond = now.playouts * 1000 / std::max<int64_t>(elapsed.count(), 1);
    const std::vector<std::size_t> ranked = rankedRootMoves(now);
    for (std::size_t i = 0; i < ranked.size() && i < kReportedRootMoves; ++i) {
        const RootTally& tally = now.tallies[ranked[i]];
        summary.rootMoves.push_back(
            {rootMoves_[ranked[i]], static_cast<int32_t>(tally.visits), meanOf(now, ranked[i])});
    }
    writeReport(context_, summary);
    if (context_.host) {
        context_.host->postStatusText(
            rootStatusText(context_, context_.bestScore, context_.depthReached));
    }
}

void MonteCarloSearch::growTogether(std::chrono::steady_clock::time_point start) {
    std::vector<std::thread> helpers;
    for (std::size_t thread = 1; thread < growers_.size(); ++thread) {
        try {
            helpers.emplace_back(
                [this, thread] { growers_[thread]->grow(kCheckpointInterval, [] {}); });
        } catch (const std::system_error&) {
            // No thread to spare: the others grow the tree without it.
            break;
        }
    }
    const auto period = std::chrono::milliseconds(context_.reportPeriodMilliseconds);
    auto nextReport = start + period;
    growers_.front()->grow(kCheckpointInterval, [&] {
        if (std::chrono::steady_clock::now() >= nextReport) {
            report(start);
            nextReport += period;
        }
    });
    for (std::thread& helper : helpers) {
        helper.join();
    }
}

void MonteCarloSearch::run() {
    const auto start = std::chrono::steady_clock::now();
    if (!expandRoot()) {
        return;
    }
    // A first move in hand, so that a time-out can end the search.
    publish(progress());
    if (rootMoves_.size() == 1) {
        report(start);
        return;
    }
    if (!makeGrowers()) {
        return;
    }
    growTogether(start);
    if (!state_.flags.abortSearch && !state_.flags.memoryError) {
        report(start);
    }
}

}  // namespace

void searchMonteCarlo(SearchState& state) {
    MonteCarloSearch(state).run();
}

}  // namespace taravin
