// Compiled with AVX2 enabled: two directions' sets in one register.
#include <immintrin.h>

#include "eval/reach_fill.h"
#include "eval/reach_fill_kernels.h"
#include "eval/reach_fill_words.h"

namespace taravin {

namespace {

struct Avx2Lanes {
    using Vector = __m256i;
    static constexpr int32_t kSets = 2;

    static Vector load(const SquareSet* sets) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(sets));
    }
    static void store(SquareSet* sets, Vector v) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(sets), v);
    }
    static Vector loadCounts(const uint64_t* counts) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(counts));
    }
    static Vector broadcast(SquareSet set) { return _mm256_broadcastsi128_si256(wordPair(set)); }
    static Vector zero() { return _mm256_setzero_si256(); }
    static Vector both(Vector a, Vector b) { return _mm256_and_si256(a, b); }
    static Vector either(Vector a, Vector b) { return _mm256_or_si256(a, b); }
    static Vector addRun(Vector fill, Vector run, Vector shifted) {
        return _mm256_or_si256(fill, _mm256_and_si256(run, shifted));
    }
    static Vector shiftLeft(Vector x, Vector counts) { return _mm256_sllv_epi64(x, counts); }
    static Vector shiftRight(Vector x, Vector counts) { return _mm256_srlv_epi64(x, counts); }
    static Vector swapWords(Vector x) { return _mm256_shuffle_epi32(x, 0x4E); }
    static Vector shift(Vector x, int32_t first, int32_t round) {
        return shiftWordPairs<Avx2Lanes>(x, first, round);
    }
    static SquareSet unionOf(Vector v) {
        const __m128i half =
            _mm_or_si128(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
        return setOf(half);
    }
};

}  // namespace

void openRunsAvx2(SquareSet empty, SquareSet* runs) {
    ReachFill<Avx2Lanes>::openRuns(empty, runs);
}

SquareSet reachAvx2(const SquareSet* runs, SquareSet origins) {
    return ReachFill<Avx2Lanes>::reach(runs, origins);
}

}  // namespace taravin
