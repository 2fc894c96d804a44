#include "search/order_and_prune.h"

#include <algorithm>
#include <array>

#include "search/score_sort.h"

namespace taravin {

namespace {

void rescore(SearchState& state, SearchMove& move, Side side) {
    const UndoRecord undo = makeListedMove(state.board, move, side);
    move.score = state.evaluate();
    unmakeListedMove(state.board, move, undo);
}

}  // namespace

void orderAndPrune(SearchState& state, Side side, int32_t keep, MoveList& list, bool maximising,
                   const SearchMove* firstMove, int32_t amazonCount, bool rootList,
                   const OrderingRules& rules) {
    if (!state.continueSearch() || list.count == 0) {
        if (rules.emptyOnStop) {
            list.count = 0;
        }
        return;
    }
    sortByScore(list.begin(), list.end(), maximising);

    int64_t kept = std::clamp<int64_t>(keep, 0, list.count);
    if (!rootList) {
        const int64_t wanted =
            std::max<int64_t>(int64_t{keep} * rules.rescoreMultiplier, rules.rescoreFloor);
        const int64_t rescored = std::min<int64_t>(wanted, list.count);
        state.scoring().rescoreInOrder(state.board, list.moves, static_cast<int32_t>(rescored),
                                       side, state.context.evaluation, state.context.side,
                                       state.context.moveNumber);
        sortByScore(list.begin(), list.begin() + rescored, maximising);
        kept = std::min(kept, rescored);
    }

    const int32_t minimum = rules.perAmazonMinimum == OrderingRules::kContextMinimum
                                ? state.context.perAmazonMinimum
                                : rules.perAmazonMinimum;
    std::array<int32_t, kMaxAmazonsPerSide> perAmazon{};
    for (int64_t i = 0; i < kept; ++i) {
        const int32_t amazon = list.moves[i].amazonIndex;
        if (amazon >= 0 && amazon < kMaxAmazonsPerSide) {
            ++perAmazon[static_cast<std::size_t>(amazon)];
        }
    }
    const int32_t amazons = std::clamp(amazonCount, 0, kMaxAmazonsPerSide);
    for (int32_t amazon = 0; amazon < amazons; ++amazon) {
        for (int32_t have = perAmazon[static_cast<std::size_t>(amazon)]; have < minimum; ++have) {
            SearchMove* found =
                std::find_if(list.begin() + kept, list.end(),
                             [&](const SearchMove& m) { return m.amazonIndex == amazon; });
            if (found == list.end()) {
                break;
            }
            std::swap(list.moves[kept], *found);
            rescore(state, list.moves[kept], side);
            ++kept;
        }
    }

    list.count = static_cast<int32_t>(kept);

    if (firstMove) {
        std::move_backward(list.begin(), list.end(), list.end() + 1);
        list.moves[0] = *firstMove;
        ++list.count;
    }
}

}  // namespace taravin
