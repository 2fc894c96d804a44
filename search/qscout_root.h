#pragma once

#include <cstdint>
#include <vector>

#include "search/search_state.h"

namespace taravin {

// QScout's root: a list of the searching side's moves built once, scored by the player's
// evaluation, re-sorted after every depth, and searched at each iteration.
class QScoutRootList {
  public:
    // Generates, orders and cuts the root moves, publishes entry 0 and logs every entry.
    void build(SearchState& state);
    bool empty() const { return entries_.empty(); }
    std::vector<SearchMove>& entries() { return entries_; }

    // Sorts by score, highest first, then brings the published best move to the front.
    void reorder(const SearchContext& context);

  private:
    std::vector<SearchMove> entries_;
};

// Searches every root entry (the first with the full window, the rest with a null window and
// a re-search on failing high), overwriting each entry's score; stores nothing.
int32_t searchQScoutRoot(SearchState& state, int d, int32_t alpha, int32_t beta, SearchMove* pv,
                         QScoutRootList& rootList);

// The iterative deepening of QScout over its root list.
void deepenQScout(SearchState& state);

}  // namespace taravin
