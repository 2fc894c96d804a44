#pragma once

#include "eval/square_set.h"

namespace taravin {

// The queen-reach fill built for vector instruction sets, in files compiled for them; call
// one only where the processor has its instructions. Tables as in reach_fill.h.
void openRunsAvx2(SquareSet empty, SquareSet* runs);
SquareSet reachAvx2(const SquareSet* runs, SquareSet origins);
void openRunsAvx512(SquareSet empty, SquareSet* runs);
SquareSet reachAvx512(const SquareSet* runs, SquareSet origins);

}  // namespace taravin
