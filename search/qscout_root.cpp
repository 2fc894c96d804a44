#include "search/qscout_root.h"

#include <algorithm>
#include <array>

#include "search/node_moves.h"
#include "search/order_and_prune.h"
#include "search/qscout.h"
#include "search/root_report.h"
#include "search/search_log.h"

namespace taravin {

void QScoutRootList::build(SearchState& state) {
    SearchContext& context = state.context;
    MoveList list = state.moveListAt(0);
    if (!list.moves) {
        return;
    }
    const int32_t amazons = generateNodeMoves(state, list, context.side, true, context.evaluation);
    orderAndPrune(state, context.side, context.depthCountSettings.top, list, true, nullptr, amazons,
                  true);
    entries_.assign(list.begin(), list.end());
    if (entries_.empty()) {
        return;
    }
    const SearchMove& best = entries_.front();
    publishBestMove(context, best.from, best.to, best.arrow, best.score);
    if (best.score == kWinScore) {
        state.flags.moveNow = true;
    }
    for (const SearchMove& move : entries_) {
        SearchReport entry;
        entry.kind = SearchReport::Kind::kRootListEntry;
        entry.moves.push_back(move);
        entry.score = move.score;
        writeReport(context, entry);
    }
}

void QScoutRootList::reorder(const SearchContext& context) {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const SearchMove& a, const SearchMove& b) { return a.score > b.score; });
    const auto published = std::find_if(entries_.begin(), entries_.end(), [&](const SearchMove& m) {
        return m.from == context.bestFrom && m.to == context.bestTo && m.arrow == context.bestArrow;
    });
    if (published != entries_.end()) {
        std::iter_swap(entries_.begin(), published);
    }
}

int32_t searchQScoutRoot(SearchState& state, int d, int32_t alpha, int32_t beta, SearchMove* pv,
                         QScoutRootList& rootList) {
    const Side side = state.context.side;
    const Side opponent = otherSide(side);
    std::vector<SearchMove>& entries = rootList.entries();
    state.countNode();
    SearchMove* childPv = state.freshChildPv(0, d - 1);
    auto searchChild = [&](const SearchMove& move, int32_t childAlpha, int32_t childBeta) {
        return searchQScout(state, kQScoutVariant, d - 1, false, childAlpha, childBeta, opponent,
                            childPv, 0, move.score, 1);
    };

    SearchMove* previous = &entries[0];
    UndoRecord undo = makeListedMove(state.board, *previous, side);
    int32_t e = searchChild(*previous, alpha, beta);
    previous->score = e;
    recordPrincipalVariation(pv, d, childPv, *previous, e, 0);
    reportRootBest(state, pv, e, d);
    for (std::size_t k = 1;; ++k) {
        unmakeListedMove(state.board, *previous, undo);
        if (!state.continueSearch() || k >= entries.size()) {
            break;
        }
        alpha = std::max(alpha, e);
        SearchMove& move = entries[k];
        undo = makeListedMove(state.board, move, side);
        previous = &move;
        int32_t v = searchChild(move, alpha, alpha + 1);
        if (v > alpha) {
            v = searchChild(move, v, beta);
        }
        move.score = v;
        if (v > e) {
            recordPrincipalVariation(pv, d, childPv, move, v, static_cast<int32_t>(k));
            reportRootBest(state, pv, v, d);
            e = v;
        }
    }
    return e;
}

void deepenQScout(SearchState& state) {
    SearchContext& context = state.context;
    QScoutRootList rootList;
    rootList.build(state);
    for (int d = kFirstDeepeningIteration; !rootList.empty() && state.continueSearch() &&
                                           d <= kDeepestIteration && d <= context.lastIteration;
         ++d) {
        context.depthReached = d - 1;
        fillDepthCounts(context.depthMoveCounts, d, context.depthCountSettings);
        std::array<SearchMove, SearchState::kPvLength> pv{};
        const int32_t value =
            searchQScoutRoot(state, d, kLossScore, kWinScore, pv.data(), rootList);
        if (value == kLossScore || state.flags.moveNow || state.flags.abortSearch) {
            break;
        }
        writeReport(context, depthCompleteReport(d, context, value));
        rootList.reorder(context);
    }
}

}  // namespace taravin
