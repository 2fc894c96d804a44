#include "search/separated_search.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "eval/min_distance.h"
#include "eval/quick_distance.h"
#include "eval/reach_queries.h"
#include "search/move_generators.h"
#include "search/order_and_prune.h"
#include "search/root_report.h"
#include "search/search_log.h"

namespace taravin {

namespace {

constexpr int kLastPass = 9;
constexpr int32_t kKeptMoves = 5;

struct PassMove {
    Square from;
    Square to;
    Square arrow;
    int32_t score = 0;
};

// Keeps the best moves of the amazon on `square`, generated at this ply's list.
MoveList keptMoves(SearchState& state, const Square& square, int ply) {
    MoveList list = state.moveListAt(ply);
    if (!list.moves) {
        return list;
    }
    const Side side = state.context.side;
    AmazonSnapshot amazon;
    amazon.squares[0] = square;
    amazon.count = 1;
    generateAllMoves(state, list, amazon, side, evaluateQuickDistance);
    orderAndPrune(state, side, kKeptMoves, list, true, nullptr, 1, false, kSeparatedOrdering);
    return list;
}

int32_t singleAmazonSearch(SearchState& state, const Square& square, int depth, int ply) {
    if (depth == 0) {
        return state.evaluateWith(evaluateMinDistanceArrays);
    }
    state.countNode();
    MoveList list = keptMoves(state, square, ply);
    if (list.count == 0) {
        return kLossScore;
    }
    int32_t best = kLossScore;
    int32_t k = 0;
    for (; k < list.count && state.continueSearch(); ++k) {
        const SearchMove& move = list.moves[k];
        const UndoRecord undo = makeListedMove(state.board, move, state.context.side);
        best = std::max(best, singleAmazonSearch(state, move.to, depth - 1, ply + 1));
        unmakeListedMove(state.board, move, undo);
    }
    return best;
}

// The best kept move of one amazon at this pass, preferring moves that keep the sides apart.
std::optional<PassMove> bestAmazonMove(SearchState& state, const MoveList& list, int depth) {
    std::optional<PassMove> best;
    for (const bool requireSeparated : {true, false}) {
        for (int32_t k = 0; k < list.count && state.continueSearch(); ++k) {
            const SearchMove& move = list.moves[k];
            const UndoRecord undo = makeListedMove(state.board, move, state.context.side);
            if (!requireSeparated || regionsSeparated(state.board)) {
                const int32_t score = singleAmazonSearch(state, move.to, depth, 1);
                if (!best || score > best->score) {
                    best = PassMove{move.from, move.to, move.arrow, score};
                }
            }
            unmakeListedMove(state.board, move, undo);
        }
        if (best) {
            break;
        }
    }
    return best;
}

void publishSeparated(SearchState& state, const PassMove& move) {
    publishBestMove(state.context, move.from, move.to, move.arrow, move.score);
    if (state.context.host) {
        state.context.host->postStatusText(logMoveText(move.from, move.to, move.arrow) +
                                           " - Eval: " + std::to_string(move.score));
    }
}

}  // namespace

void separatedSearch(SearchState& state) {
    SearchContext& context = state.context;
    const AmazonSnapshot amazons = snapshotAmazons(state.board, context.side);
    std::array<bool, kMaxAmazonsPerSide> adjacent{};
    std::array<bool, kMaxAmazonsPerSide> finished{};
    for (int32_t k = 0; k < amazons.count; ++k) {
        const Square& square = amazons.squares[static_cast<std::size_t>(k)];
        adjacent[static_cast<std::size_t>(k)] = state.board.hasMobileEnemyNeighbour(
            PositionNode(square.row, square.column), context.side);
    }
    std::vector<PassMove> previousPass;
    for (int pass = 1; pass <= kLastPass && pass <= std::max(1, context.lastIteration); ++pass) {
        if (pass > 1 && !state.continueSearch()) {
            break;
        }
        std::vector<PassMove> thisPass;
        std::vector<Square> failed;
        for (int32_t k = 0; k < amazons.count && state.continueSearch(); ++k) {
            const auto slot = static_cast<std::size_t>(k);
            if (finished[slot]) {
                continue;
            }
            MoveList list = keptMoves(state, amazons.squares[slot], 0);
            if (list.count == 0) {
                finished[slot] = true;
                continue;
            }
            std::optional<PassMove> best = bestAmazonMove(state, list, pass - 1);
            if (!best || best->score == kLossScore) {
                failed.push_back(amazons.squares[slot]);
                continue;
            }
            if (adjacent[slot]) {
                best->score -= 1;
            }
            thisPass.push_back(*best);
        }
        if (!state.continueSearch()) {
            break;
        }
        if (!previousPass.empty()) {
            const int32_t previousBest = std::max_element(previousPass.begin(), previousPass.end(),
                                                          [](const PassMove& a, const PassMove& b) {
                                                              return a.score < b.score;
                                                          })
                                             ->score;
            for (const Square& square : failed) {
                const auto earlier =
                    std::find_if(previousPass.begin(), previousPass.end(),
                                 [&](const PassMove& m) { return m.from == square; });
                if (earlier != previousPass.end() && earlier->score == previousBest) {
                    // Ends before this pass counts as reached: depth stays at the previous pass.
                    publishSeparated(state, *earlier);
                    return;
                }
            }
        }
        for (const Square& square : failed) {
            for (int32_t k = 0; k < amazons.count; ++k) {
                if (amazons.squares[static_cast<std::size_t>(k)] == square) {
                    finished[static_cast<std::size_t>(k)] = true;
                }
            }
        }
        // Scores fall from pass to pass, so the best so far starts afresh with each pass's walk.
        std::optional<int32_t> bestOfPass;
        for (const PassMove& move : thisPass) {
            if (!bestOfPass || move.score > *bestOfPass) {
                publishSeparated(state, move);
                bestOfPass = move.score;
            }
        }
        previousPass = std::move(thisPass);
        context.depthReached = pass;
    }
}

}  // namespace taravin
