#include "search/monte_carlo.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <memory>
#include <mutex>
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
// About 160 MB of tree, shared out among the trees.
constexpr int32_t kTreeNodeLimit = 4'000'000;
// Without a time-out or budget, a depth limit d stands for d thousand playouts.
constexpr int64_t kPlayoutsPerDepth = 1000;
constexpr int64_t kUnlimited = std::numeric_limits<int64_t>::max();
constexpr int32_t kReportedRootMoves = 5;
constexpr auto kReportPeriod = std::chrono::seconds(1);
// Playouts between two looks at the clock, and between two tallies a helper tree posts.
constexpr int64_t kCheckpointInterval = 64;

// The trees' root tallies added up, with their playouts and expansions.
struct Progress {
    std::vector<RootTally> tallies;
    int64_t playouts = 0;
    int32_t expansions = 0;

    void add(const Progress& other);
};

void Progress::add(const Progress& other) {
    for (std::size_t i = 0; i < tallies.size() && i < other.tallies.size(); ++i) {
        tallies[i].visits += other.tallies[i].visits;
        tallies[i].valueSum += other.tallies[i].valueSum;
    }
    playouts += other.playouts;
    expansions += other.expansions;
}

Progress progressOf(const MonteCarloGrower& grower) {
    return {grower.rootTallies(), grower.playouts(), grower.expansions()};
}

// Root parallelism: each thread grows a tree of its own from the same root children, and the
// root moves' visits and values are added up over the trees. With a playout budget each tree
// makes a fixed share, so the result depends on the thread count but never on timing.
class MonteCarloSearch {
  public:
    explicit MonteCarloSearch(SearchState& state)
        : state_(state), context_(state.context), scale_(winScaleOf(context_.evaluationCode)) {}

    void run();

  private:
    int64_t budget() const;
    int64_t shareOf(std::size_t tree) const;
    bool winInOne(const MoveList& list);
    // The root's children in rootMoves_ and rootValues_; false when there is nothing to grow.
    bool expandRoot();
    bool makeGrowers();
    void growTogether(std::chrono::steady_clock::time_point start);
    void post(std::size_t tree);
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
    // Tree 0 grows on the search thread and board, the others on helper threads.
    std::vector<std::unique_ptr<MonteCarloGrower>> growers_;
    std::vector<std::unique_ptr<Board>> helperBoards_;
    mutable std::mutex postedMutex_;
    // What each helper tree last posted; entry 0 stays empty.
    std::vector<Progress> posted_;
};

int64_t MonteCarloSearch::budget() const {
    if (context_.playoutBudget > 0) {
        return context_.playoutBudget;
    }
    return context_.lastIteration < kDeepestIteration ? context_.lastIteration * kPlayoutsPerDepth
                                                      : 0;
}

int64_t MonteCarloSearch::shareOf(std::size_t tree) const {
    const int64_t total = budget();
    if (total == 0) {
        return kUnlimited;
    }
    const auto trees = static_cast<int64_t>(growers_.size());
    return total / trees + (static_cast<int64_t>(tree) < total % trees ? 1 : 0);
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
    const int trees = context_.pool ? context_.pool->participants() : 1;
    try {
        for (int tree = 0; tree < trees; ++tree) {
            Board* board = &state_.board;
            if (tree > 0) {
                helperBoards_.push_back(std::make_unique<Board>(state_.board));
                board = helperBoards_.back().get();
            }
            growers_.push_back(std::make_unique<MonteCarloGrower>(
                context_, *board, Mt19937::kDefaultSeed + static_cast<uint32_t>(tree),
                kTreeNodeLimit / trees));
            growers_.back()->plantRoot(rootMoves_.data(), rootValues_.data(),
                                       static_cast<int32_t>(rootMoves_.size()));
        }
        posted_.resize(growers_.size());
    } catch (const std::bad_alloc&) {
        state_.flags.memoryError = true;
        return false;
    }
    return true;
}

void MonteCarloSearch::post(std::size_t tree) {
    Progress progress = progressOf(*growers_[tree]);
    const std::lock_guard lock(postedMutex_);
    posted_[tree] = std::move(progress);
}

Progress MonteCarloSearch::progress() const {
    Progress total{std::vector<RootTally>(rootMoves_.size()), 0, 0};
    if (growers_.empty()) {
        return total;
    }
    total.add(progressOf(*growers_.front()));
    const std::lock_guard lock(postedMutex_);
    for (std::size_t tree = 1; tree < posted_.size(); ++tree) {
        total.add(posted_[tree]);
    }
    return total;
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
    // The line goes on in the search thread's own tree: the helpers' trees change meanwhile.
    std::vector<SearchMove> line;
    if (progress.tallies[best].visits > 0 && !growers_.empty()) {
        const MonteCarloTree& tree = growers_.front()->tree();
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
    std::vector<std::size_t> unstarted;
    for (std::size_t tree = 1; tree < growers_.size(); ++tree) {
        const auto growHelper = [this, tree] {
            growers_[tree]->grow(shareOf(tree), kCheckpointInterval, [this, tree] { post(tree); });
            post(tree);
        };
        try {
            helpers.emplace_back(growHelper);
        } catch (const std::system_error&) {
            // No thread to spare: the tree grows on the search thread afterwards.
            unstarted.push_back(tree);
        }
    }
    auto nextReport = start + kReportPeriod;
    growers_.front()->grow(shareOf(0), kCheckpointInterval, [&] {
        if (std::chrono::steady_clock::now() >= nextReport) {
            report(start);
            nextReport += kReportPeriod;
        }
    });
    for (const std::size_t tree : unstarted) {
        growers_[tree]->grow(shareOf(tree), kCheckpointInterval, [] {});
        post(tree);
    }
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
