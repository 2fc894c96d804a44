#pragma once

#include "search/search_move.h"

namespace taravin {

// Orders moves by score, highest first when maximising, lowest first otherwise; equal scores
// keep their order, as a stable sort leaves them.
void sortByScore(SearchMove* begin, SearchMove* end, bool maximising);

}  // namespace taravin
