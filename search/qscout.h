#pragma once

#include <cstdint>

#include "search/order_and_prune.h"
#include "search/search_state.h"

namespace taravin {

// The quiet test's swing threshold changes after these move numbers.
inline constexpr int32_t kLastEarlyQuietMove = 10;
inline constexpr int32_t kLastMiddleQuietMove = 30;

// What tells QScout and QScout - Olympiad Base apart below their roots.
struct QScoutVariant {
    // Swing thresholds of the quiet test for move numbers up to 10, 11 to 30, and above 30.
    int32_t earlyThreshold;
    int32_t middleThreshold;
    int32_t lateThreshold;
    // Olympiad generation: every move of every amazon, scored by Square Ownership; otherwise
    // the selective generator scored by the quick evaluation.
    bool generateEveryMove;
    OrderingRules ordering;

    int32_t threshold(int32_t moveNumber) const {
        return moveNumber <= kLastEarlyQuietMove    ? earlyThreshold
               : moveNumber <= kLastMiddleQuietMove ? middleThreshold
                                                    : lateThreshold;
    }
};

inline constexpr QScoutVariant kQScoutVariant{310, 300, 280, false, kStandardOrdering};
inline constexpr QScoutVariant kOlympiadVariant{240, 200, 180, true, kOlympiadOrdering};

// Generates a node's moves as the variant does; returns the number of amazons generated.
int32_t generateVariantMoves(SearchState& state, const QScoutVariant& variant, MoveList& list,
                             Side side, bool maximising);

// Scout search in max/min form with a quiescence extension of up to four plies: P is the
// stored score of the move that led to the parent, S that of the move that led here (the
// node's static value, returned at quiet nodes and at the horizon r = -4).
int32_t searchQScout(SearchState& state, const QScoutVariant& variant, int r, bool maximising,
                     int32_t alpha, int32_t beta, Side side, SearchMove* pv, int32_t parentScore,
                     int32_t score, int ply);

}  // namespace taravin
