#pragma once

#include <memory>

#include "model/board.h"
#include "search/search_context.h"
#include "search/search_host.h"

namespace taravin {

// The body of the worker thread: searches `board` (the worker's own copy) by the context's
// algorithm, clears the transposition table, logs the totals and returns what the window is
// to be told. Does not post the result itself.
SearchResult runSearch(SearchContext& context, std::unique_ptr<Board> board);

}  // namespace taravin
