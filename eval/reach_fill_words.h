#pragma once

// Included only by the vector builds of the queen-reach fill, after <immintrin.h>.

#include "eval/square_set.h"

namespace taravin {

// Internal to each vector build, so that no build's code stands in for another's.
namespace {

// Sets move between general and vector registers word by word: a vector load of a set just
// stored as two words would wait for the stores.
inline __m128i wordPair(SquareSet set) {
    return _mm_set_epi64x(static_cast<long long>(set >> 64), static_cast<long long>(set));
}

inline SquareSet setOf(__m128i pair) {
    return SquareSet{static_cast<uint64_t>(_mm_extract_epi64(pair, 1))} << 64 |
           static_cast<uint64_t>(_mm_cvtsi128_si64(pair));
}

}  // namespace

}  // namespace taravin
