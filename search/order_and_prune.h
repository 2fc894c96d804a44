#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// How a search orders and cuts a node's list.
struct OrderingRules {
    // Moves re-scored with the player's evaluation: max(keep * multiplier, floor).
    int32_t rescoreMultiplier = 1;
    int32_t rescoreFloor = 20;
    // Least number of moves each amazon keeps; kContextMinimum takes the context's.
    static constexpr int32_t kContextMinimum = -1;
    int32_t perAmazonMinimum = kContextMinimum;
    // On a stop or an empty list: true empties the list; false leaves it as it is (and
    // without the first move).
    bool emptyOnStop = true;
};

inline constexpr OrderingRules kStandardOrdering{};
inline constexpr OrderingRules kOlympiadOrdering{3, 30, 2, false};
// The separated-position search keeps its best moves without a per-amazon minimum.
inline constexpr OrderingRules kSeparatedOrdering{1, 20, 0, true};

// Sorts the generated moves (highest first when maximising; equal scores keep their order),
// re-scores the best of them with the player's evaluation, keeps `keep` plus each amazon's
// minimum, drops the rest, and puts a copy of `firstMove` (if any) at position 0.
// The root list of QScout passes rootList: no re-scoring pass.
void orderAndPrune(SearchState& state, Side side, int32_t keep, MoveList& list, bool maximising,
                   const SearchMove* firstMove, int32_t amazonCount, bool rootList,
                   const OrderingRules& rules = kStandardOrdering);

}  // namespace taravin
