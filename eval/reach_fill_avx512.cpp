// Compiled with AVX-512 enabled: four directions' sets in one register.
// GCC 12's AVX-512 header warns about its own deliberately undefined start values.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop

#include "eval/reach_fill.h"
#include "eval/reach_fill_kernels.h"
#include "eval/reach_fill_words.h"

namespace taravin {

namespace {

struct Avx512Lanes {
    using Vector = __m512i;
    static constexpr int32_t kSets = 4;

    static Vector load(const SquareSet* sets) { return _mm512_loadu_si512(sets); }
    static void store(SquareSet* sets, Vector v) { _mm512_storeu_si512(sets, v); }
    static Vector loadCounts(const uint64_t* counts) { return _mm512_loadu_si512(counts); }
    static Vector broadcast(SquareSet set) { return _mm512_broadcast_i32x4(wordPair(set)); }
    static Vector zero() { return _mm512_setzero_si512(); }
    static Vector both(Vector a, Vector b) { return _mm512_and_si512(a, b); }
    static Vector either(Vector a, Vector b) { return _mm512_or_si512(a, b); }
    // fill | run & shifted in one instruction.
    static Vector addRun(Vector fill, Vector run, Vector shifted) {
        return _mm512_ternarylogic_epi64(fill, run, shifted, 0xF8);
    }
    static Vector shiftLeft(Vector x, Vector counts) { return _mm512_sllv_epi64(x, counts); }
    static Vector shiftRight(Vector x, Vector counts) { return _mm512_srlv_epi64(x, counts); }
    static Vector swapWords(Vector x) { return _mm512_shuffle_epi32(x, _MM_PERM_BADC); }
    static Vector shift(Vector x, int32_t first, int32_t round) {
        return shiftWordPairs<Avx512Lanes>(x, first, round);
    }
    static SquareSet unionOf(Vector v) {
        const __m256i half =
            _mm256_or_si256(_mm512_castsi512_si256(v), _mm512_extracti64x4_epi64(v, 1));
        const __m128i quarter =
            _mm_or_si128(_mm256_castsi256_si128(half), _mm256_extracti128_si256(half, 1));
        return setOf(quarter);
    }
};

}  // namespace

void openRunsAvx512(SquareSet empty, SquareSet* runs) {
    ReachFill<Avx512Lanes>::openRuns(empty, runs);
}

SquareSet reachAvx512(const SquareSet* runs, SquareSet origins) {
    return ReachFill<Avx512Lanes>::reach(runs, origins);
}

}  // namespace taravin
