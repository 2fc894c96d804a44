#pragma once

#include <cstdint>

#include "search/search_state.h"

namespace taravin {

// The root of QScout - Olympiad Base: regenerates every root move each iteration (scored by
// Square Ownership), orders them with `firstMove` in front, searches the first with the full
// window and the rest with a null window and a re-search; stores nothing.
int32_t searchOlympiadRoot(SearchState& state, int d, int32_t alpha, int32_t beta, SearchMove* pv,
                           const SearchMove* firstMove);

}  // namespace taravin
