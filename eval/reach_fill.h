#pragma once

#include <array>
#include <cstdint>

#include "eval/square_set_layout.h"

namespace taravin {

// The queen-reach fill, written once over a family of lanes: Lanes::Vector holds
// Lanes::kSets square sets, each filled along its own direction. The lanes give load, store,
// broadcast, both (and), either (or), addRun (fill | run & shifted), zero, unionOf and
// shift(vector, first direction, round). Directions go in kReachSteps order, the upward four
// first, so that one vector never mixes the two shift directions.

// The eight direction steps, upward (positive) steps first; a fill's union ignores order.
constexpr std::array<int32_t, 8> kReachSteps = [] {
    std::array<int32_t, 8> steps = kSetSteps;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        for (std::size_t j = i; j > 0 && steps[j - 1] < steps[j]; --j) {
            const int32_t larger = steps[j];
            steps[j] = steps[j - 1];
            steps[j - 1] = larger;
        }
    }
    return steps;
}();
static_assert(kReachSteps[3] > 0 && kReachSteps[4] < 0, "four steps each way");

// runs[round * 8 + k]: the squares whose 2^round squares back along direction k, themselves
// included, are all empty.
constexpr int32_t kRunTableSize = kFillRounds * 8;

template <class Lanes>
struct ReachFill {
    using Vector = typename Lanes::Vector;
    static constexpr int32_t kVectors = 8 / Lanes::kSets;

    static void openRuns(SquareSet empty, SquareSet* runs) {
        for (int32_t v = 0; v < kVectors; ++v) {
            const int32_t first = v * Lanes::kSets;
            Vector run = Lanes::broadcast(empty);
            for (int32_t round = 0; round < kFillRounds; ++round) {
                Lanes::store(runs + round * 8 + first, run);
                run = Lanes::both(run, Lanes::shift(run, first, round));
            }
        }
    }

    // Every square on a ray of some origin, stopping before the first square that is not
    // empty; the caller keeps the empty ones.
    static SquareSet reach(const SquareSet* runs, SquareSet origins) {
        Vector reach = Lanes::zero();
        for (int32_t v = 0; v < kVectors; ++v) {
            const int32_t first = v * Lanes::kSets;
            Vector fill = Lanes::broadcast(origins);
            for (int32_t round = 0; round < kFillRounds; ++round) {
                fill = Lanes::addRun(fill, Lanes::load(runs + round * 8 + first),
                                     Lanes::shift(fill, first, round));
            }
            // The fill holds its origins and every empty square of their rays but the last.
            reach = Lanes::either(reach, Lanes::shift(fill, first, 0));
        }
        return Lanes::unionOf(reach);
    }
};

// Per-word shift counts for vector lanes of two 64-bit words, low word first. A set moves by
// n bits as: its own words shifted by n ("own"), plus the other word carried across by
// 64 - n ("across") or, for n of 64 and more, by n - 64 ("far"). A count of 64 shifts a word
// to nothing, as the variable vector shifts do.
// Plain arrays: the vector builds read them at run time and must not pull in library code
// built for their instruction sets.
struct WordShiftCounts {
    uint64_t own[kFillRounds][16]{};
    uint64_t across[kFillRounds][16]{};
    uint64_t far[kFillRounds][16]{};
};

constexpr WordShiftCounts kWordShiftCounts = [] {
    WordShiftCounts counts;
    for (int32_t round = 0; round < kFillRounds; ++round) {
        for (std::size_t k = 0; k < 8; ++k) {
            const bool up = kReachSteps[k] > 0;
            const uint64_t n = static_cast<uint64_t>(up ? kReachSteps[k] : -kReachSteps[k])
                               << round;
            // Going up the low word carries into the high one, going down the other way.
            const std::size_t receiving = up ? 1 : 0;
            for (std::size_t word = 0; word < 2; ++word) {
                const bool receives = word == receiving;
                counts.own[round][2 * k + word] = n;
                counts.across[round][2 * k + word] = receives && n < 64 ? 64 - n : 64;
                counts.far[round][2 * k + word] = receives && n >= 64 ? n - 64 : 64;
            }
        }
    }
    return counts;
}();

// The shift of vector lanes built from the word shifts of Lanes: shiftLeft, shiftRight,
// swapWords (each lane's two words exchanged) and loadCounts.
template <class Lanes>
typename Lanes::Vector shiftWordPairs(typename Lanes::Vector x, int32_t first, int32_t round) {
    const auto own = Lanes::loadCounts(&kWordShiftCounts.own[round][2 * first]);
    const auto across = Lanes::loadCounts(&kWordShiftCounts.across[round][2 * first]);
    const auto far = Lanes::loadCounts(&kWordShiftCounts.far[round][2 * first]);
    const auto swapped = Lanes::swapWords(x);
    if (first < 4) {
        return Lanes::either(
            Lanes::shiftLeft(x, own),
            Lanes::either(Lanes::shiftRight(swapped, across), Lanes::shiftLeft(swapped, far)));
    }
    return Lanes::either(Lanes::shiftRight(x, own), Lanes::either(Lanes::shiftLeft(swapped, across),
                                                                  Lanes::shiftRight(swapped, far)));
}

}  // namespace taravin
