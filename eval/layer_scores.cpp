#include "eval/layer_scores.h"

#include <algorithm>

namespace taravin {

namespace {

// A count of 0..8 per square, bit-sliced: square s counts 8 * b[3] + 4 * b[2] + 2 * b[1] +
// b[0] at bit s.
struct SlicedCount {
    std::array<SquareSet, 4> bits{};
};

struct SumAndCarry {
    SquareSet sum;
    SquareSet carry;
};

SumAndCarry addThree(SquareSet a, SquareSet b, SquareSet c) {
    const SquareSet partial = a ^ b;
    return {partial ^ c, (a & b) | (partial & c)};
}

// Per square, how many of its eight neighbours are in `members`; neighbours off the board
// are members when `borderCounts`, as are the guard and top bits that stand for them.
SlicedCount countNeighbours(SquareSet inner, SquareSet members, bool borderCounts) {
    std::array<SquareSet, 8> neighbour{};
    if (borderCounts) {
        members |= ~inner;
    }
    for (std::size_t k = 0; k < neighbour.size(); ++k) {
        const int32_t step = kSetSteps[k];
        neighbour[k] = shiftedBy(members, -step);
        // Below the bottom row lies border too; no set holds those bits.
        if (step < 0 && borderCounts) {
            neighbour[k] |= lowestBits(-step);
        }
    }
    const SumAndCarry first = addThree(neighbour[0], neighbour[1], neighbour[2]);
    const SumAndCarry second = addThree(neighbour[3], neighbour[4], neighbour[5]);
    const SumAndCarry third = {neighbour[6] ^ neighbour[7], neighbour[6] & neighbour[7]};
    const SumAndCarry ones = addThree(first.sum, second.sum, third.sum);
    const SumAndCarry twos = addThree(first.carry, second.carry, third.carry);
    const SquareSet twosLow = twos.sum ^ ones.carry;
    const SquareSet twosCarry = twos.sum & ones.carry;
    return {{ones.sum, twosLow, twos.carry ^ twosCarry, twos.carry & twosCarry}};
}

// The squares whose count is at least `least` (0..9).
SquareSet countAtLeast(const SlicedCount& count, int32_t least) {
    if (least > 8) {
        return 0;
    }
    SquareSet greater = 0;
    SquareSet equal = ~SquareSet{0};
    for (int32_t bit = 3; bit >= 0; --bit) {
        if ((least >> bit & 1) == 0) {
            greater |= equal & count.bits[bit];
            equal &= ~count.bits[bit];
        } else {
            equal &= count.bits[bit];
        }
    }
    return greater | equal;
}

// The least neighbour counts at which the rule adds at least 1 and at least 2 (9: never).
struct RuleThresholds {
    int32_t plusOne;
    int32_t plusTwo;
};

constexpr RuleThresholds thresholdsOf(const NeighbourRule& rule) {
    RuleThresholds thresholds{9, 9};
    for (int32_t count = 8; count >= 0; --count) {
        if (rule[count] >= 1) {
            thresholds.plusOne = count;
        }
        if (rule[count] >= 2) {
            thresholds.plusTwo = count;
        }
    }
    return thresholds;
}

// The rules grow with the count and add at most 2, which the thresholds rely on.
constexpr bool describedByThresholds(const NeighbourRule& rule) {
    const RuleThresholds thresholds = thresholdsOf(rule);
    for (int32_t count = 0; count <= 8; ++count) {
        const int32_t expected =
            (count >= thresholds.plusOne ? 1 : 0) + (count >= thresholds.plusTwo ? 1 : 0);
        if (rule[count] != expected) {
            return false;
        }
    }
    return true;
}
static_assert(describedByThresholds(kArraysNeighbourRule));
static_assert(describedByThresholds(kStepsNeighbourRule));

// Looks up a pair given as (nearer, farther) distance in the table's orientation.
struct PairLookup {
    const ScoreTable& table;
    bool ownIsNearer;

    int32_t operator()(int32_t nearer, int32_t farther) const {
        const int32_t clamped = std::min(farther, kLargestTableDistance);
        return ownIsNearer ? table[nearer][clamped] : table[clamped][nearer];
    }
};

// The squares at distance `nearer` on one side (`nearSquares`) whose other side is farther:
// each pair (nearer, farther) looked up with the farther distance grown by the rule, counted
// on the farther side's squares beyond `nearer`.
TARAVIN_COUNTS_SQUARES int32_t sumFartherPairs(SquareSet inner, SquareSet nearSquares,
                                               int32_t nearer, const DistanceLayers& farther,
                                               SquareSet fartherBeyond, const RuleThresholds& rule,
                                               const PairLookup& lookup) {
    SquareSet plusOne = 0;
    SquareSet plusTwo = 0;
    // From the last layer on the farther distance is looked up as the last one anyway.
    if (rule.plusOne <= 8 && nearer < kLastSeparateLayer) {
        const bool borderCounts = nearer < kBorderDistance;
        const SlicedCount count = countNeighbours(inner, fartherBeyond, borderCounts);
        plusOne = countAtLeast(count, rule.plusOne) & nearSquares;
        plusTwo = countAtLeast(count, rule.plusTwo) & nearSquares;
    }
    int32_t total = 0;
    SquareSet remaining = nearSquares;
    for (int32_t distance = nearer + 1; remaining != 0; ++distance) {
        const SquareSet pair = remaining & farther.at[distance];
        if (pair == 0) {
            continue;
        }
        remaining &= ~pair;
        const int32_t all = countSquares(pair);
        const int32_t grownOne = plusOne == 0 ? 0 : countSquares(pair & plusOne);
        const int32_t grownTwo = plusTwo == 0 ? 0 : countSquares(pair & plusTwo);
        total += lookup(nearer, distance) * (all - grownOne) +
                 lookup(nearer, distance + 1) * (grownOne - grownTwo) +
                 lookup(nearer, distance + 2) * grownTwo;
    }
    return total;
}

}  // namespace

TARAVIN_COUNTS_SQUARES int32_t sumOverLayerPairs(SquareSet inner, const DistanceLayers& own,
                                                 const DistanceLayers& opponent,
                                                 const ScoreTable& table,
                                                 const NeighbourRule& rule) {
    const RuleThresholds thresholds = thresholdsOf(rule);
    int32_t total = 0;
    // The squares each side reaches after more than `distance` moves.
    SquareSet ownBeyond = own.reached;
    SquareSet opponentBeyond = opponent.reached;
    for (int32_t distance = 0; distance <= kLastSeparateLayer + 1; ++distance) {
        const SquareSet ownAt = own.at[distance];
        const SquareSet opponentAt = opponent.at[distance];
        ownBeyond &= ~ownAt;
        opponentBeyond &= ~opponentAt;
        const SquareSet level = ownAt & opponentAt;
        if (level != 0) {
            total += table[distance][distance] * countSquares(level);
        }
        const SquareSet ownNearer = ownAt & opponentBeyond;
        if (ownNearer != 0) {
            total += sumFartherPairs(inner, ownNearer, distance, opponent, opponentBeyond,
                                     thresholds, {table, true});
        }
        const SquareSet opponentNearer = opponentAt & ownBeyond;
        if (opponentNearer != 0) {
            total += sumFartherPairs(inner, opponentNearer, distance, own, ownBeyond, thresholds,
                                     {table, false});
        }
        // Farther layers are parts of what lies beyond.
        if ((ownBeyond | opponentBeyond) == 0) {
            break;
        }
    }
    return total;
}

}  // namespace taravin
