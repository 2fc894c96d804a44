#include "eval/set_floods.h"

namespace taravin {

QueenReach::QueenReach(const SquareSetLayout& layout, SquareSet empty)
    : layout_(layout), empty_(empty) {
    for (std::size_t k = 0; k < openRuns_.size(); ++k) {
        SquareSet run = empty;
        for (int32_t round = 0; round < layout.rounds[k]; ++round) {
            openRuns_[k][round] = run;
            run &= shiftedBy(run, layout.steps[k] << round);
        }
    }
}

SquareSet QueenReach::from(SquareSet origins) const {
    SquareSet reach = 0;
    for (std::size_t k = 0; k < openRuns_.size(); ++k) {
        // After round r the fill holds the origins and up to 2^(r+1) - 1 squares beyond each.
        SquareSet fill = origins;
        for (int32_t round = 0; round < layout_.rounds[k]; ++round) {
            fill |= openRuns_[k][round] & shiftedBy(fill, layout_.steps[k] << round);
        }
        reach |= shiftedBy(fill, layout_.steps[k]);
    }
    return reach & empty_;
}

SquareSet kingReach(const SquareSetLayout& layout, SquareSet origins, SquareSet empty) {
    const SquareSet row = origins | origins << 1 | origins >> 1;
    return (row | row << layout.width | row >> layout.width) & empty;
}

}  // namespace taravin
