#include "search/one_step_search.h"

#include "search/move_generators.h"
#include "search/root_report.h"
#include "search/search_log.h"

namespace taravin {

int32_t oneStepSearch(SearchState& state, EvaluationFunction scorer) {
    SearchContext& context = state.context;
    MoveList list = state.moveListAt(0);
    if (!list.moves) {
        return kLossScore;
    }
    generateAllMoves(state, list, snapshotAmazons(state.board, context.side), context.side, scorer);
    if (list.count == 0) {
        state.flags.moveNow = true;
        return kLossScore;
    }
    const SearchMove* best = list.begin();
    for (const SearchMove& move : list) {
        if (move.score > best->score) {
            best = &move;
        }
    }
    const int32_t score = best->score;
    publishBestMove(context, best->from, best->to, best->arrow, score);
    SearchReport seed;
    seed.kind = SearchReport::Kind::kSeedMove;
    seed.moves.push_back(*best);
    seed.score = score;
    seed.depth = 1;
    seed.nodes = context.nodeCount;
    writeReport(context, seed);
    if (score == kWinScore) {
        state.flags.moveNow = true;
    }
    return score;
}

}  // namespace taravin
