#include "search/qscout.h"

#include <algorithm>

#include "eval/quick_distance.h"
#include "eval/square_ownership.h"
#include "search/alpha_beta.h"
#include "search/move_generators.h"
#include "search/node_moves.h"
#include "search/root_report.h"
#include "search/transposition_table.h"

namespace taravin {

namespace {

// Besides the nominal depth, the quiet test runs two plies into the quiescence, when the same
// side is to move again.
constexpr int kSecondQuietTestDepth = -2;

bool isQuiet(const QScoutVariant& variant, int r, bool maximising, int32_t parentScore,
             int32_t score, int32_t moveNumber) {
    if (r != 0 && r != kSecondQuietTestDepth) {
        return false;
    }
    const int64_t swing = maximising ? int64_t{parentScore} - score : int64_t{score} - parentScore;
    return swing <= variant.threshold(moveNumber);
}

}  // namespace

int32_t generateVariantMoves(SearchState& state, const QScoutVariant& variant, MoveList& list,
                             Side side, bool maximising) {
    if (!variant.generateEveryMove) {
        return generateNodeMoves(state, list, side, maximising, evaluateQuickDistance);
    }
    if (!state.continueSearch()) {
        return 0;
    }
    const AmazonSnapshot amazons = snapshotAmazons(state.board, side);
    generateAllMoves(state, list, amazons, side, evaluateSquareOwnership);
    return amazons.count;
}

int32_t searchQScout(SearchState& state, const QScoutVariant& variant, int r, bool maximising,
                     int32_t alpha, int32_t beta, Side side, SearchMove* pv, int32_t parentScore,
                     int32_t score, int ply) {
    if (r <= -kQuiescencePlies) {
        return score;
    }
    if (isQuiet(variant, r, maximising, parentScore, score, state.context.moveNumber)) {
        return score;
    }
    state.countNode();
    if (state.table) {
        if (const auto hit = state.table->probe(state.board.hash(), r, alpha, beta)) {
            ++state.context.hashHits;
            return *hit;
        }
    }
    MoveList list = state.moveListAt(ply);
    if (!list.moves) {
        return kLossScore;
    }
    const int32_t amazons = generateVariantMoves(state, variant, list, side, maximising);
    orderAndPrune(state, side, keepCount(state.context, r), list, maximising, nullptr, amazons,
                  false, variant.ordering);
    if (list.count == 0) {
        return maximising ? kLossScore : kWinScore;
    }
    SearchMove* childPv = r > 0 ? state.freshChildPv(ply, r - 1) : nullptr;
    const Side opponent = otherSide(side);
    auto searchChild = [&](const SearchMove& move, int32_t childAlpha, int32_t childBeta) {
        return searchQScout(state, variant, r - 1, !maximising, childAlpha, childBeta, opponent,
                            childPv, score, move.score, ply + 1);
    };

    const SearchMove& first = list.moves[0];
    UndoRecord undo = makeListedMove(state.board, first, side);
    int32_t value = searchChild(first, alpha, beta);
    if (r > 0) {
        recordPrincipalVariation(pv, r, childPv, first, value, 0);
    }
    unmakeListedMove(state.board, first, undo);

    int32_t bound = maximising ? alpha : beta;
    for (int32_t k = 1; state.continueSearch() && k < list.count; ++k) {
        if (maximising ? value >= beta : value <= alpha) {
            break;
        }
        const SearchMove& move = list.moves[k];
        int32_t v = 0;
        if (maximising) {
            bound = std::max(bound, value);
            undo = makeListedMove(state.board, move, side);
            v = searchChild(move, bound, bound + 1);
            if (bound < v && v < beta) {
                v = searchChild(move, v, beta);
            }
        } else {
            bound = std::min(bound, value);
            undo = makeListedMove(state.board, move, side);
            v = searchChild(move, bound - 1, bound);
            if (alpha < v && v < bound) {
                v = searchChild(move, alpha, v);
            }
        }
        if (maximising ? v > value : v < value) {
            value = v;
            if (r > 0) {
                recordPrincipalVariation(pv, r, childPv, move, value, k);
            }
        }
        unmakeListedMove(state.board, move, undo);
    }
    storeBounds(state, value, alpha, beta, r);
    return value;
}

}  // namespace taravin
