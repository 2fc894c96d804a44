#include "eval/set_floods.h"

namespace taravin {

QueenReach::QueenReach(SquareSet empty) : empty_(empty) {
    for (std::size_t k = 0; k < kSetSteps.size(); ++k) {
        SquareSet run = empty;
        for (int32_t round = 0; round < kFillRounds; ++round) {
            openRuns_[round][k] = run;
            run &= shiftedBy(run, kSetSteps[k] << round);
        }
    }
}

template <std::size_t First>
SquareSet QueenReach::fromInDirections(SquareSet origins) const {
    std::array<SquareSet, kDirectionGroup> fill;
    fill.fill(origins);
    for (int32_t round = 0; round < kFillRounds; ++round) {
        for (std::size_t k = 0; k < kDirectionGroup; ++k) {
            fill[k] |=
                openRuns_[round][First + k] & shiftedBy(fill[k], kSetSteps[First + k] << round);
        }
    }
    // Each fill now holds its origins and every empty square of their rays but the last one.
    SquareSet reach = 0;
    for (std::size_t k = 0; k < kDirectionGroup; ++k) {
        reach |= shiftedBy(fill[k], kSetSteps[First + k]);
    }
    return reach;
}

SquareSet QueenReach::from(SquareSet origins) const {
    return (fromInDirections<0>(origins) | fromInDirections<kDirectionGroup>(origins)) & empty_;
}

SquareSet kingReach(SquareSet origins, SquareSet empty) {
    const SquareSet row = origins | origins << 1 | origins >> 1;
    return (row | row << kSetWidth | row >> kSetWidth) & empty;
}

}  // namespace taravin
