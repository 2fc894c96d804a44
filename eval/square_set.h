#pragma once

#include <bit>
#include <cstdint>

namespace taravin {

// A set of squares, one bit per square, laid out as square_set_layout.h says.
__extension__ typedef unsigned __int128 SquareSet;

constexpr int32_t kSquareSetBits = 128;

inline int32_t countSquares(SquareSet set) {
    return std::popcount(static_cast<uint64_t>(set)) +
           std::popcount(static_cast<uint64_t>(set >> 64));
}

// Marks a function that counts many sets: it is built twice, once for processors with the
// popcount instruction, and the loader picks the build that fits. Without the instruction a
// count is a library call. ThreadSanitizer's runtime is not up yet when the loader picks, so
// its builds have one build only.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TARAVIN_THREAD_SANITIZER
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define TARAVIN_THREAD_SANITIZER
#endif
#if defined(__x86_64__) && defined(__ELF__) && !defined(TARAVIN_THREAD_SANITIZER)
#define TARAVIN_COUNTS_SQUARES __attribute__((target_clones("popcnt", "default")))
#else
#define TARAVIN_COUNTS_SQUARES
#endif

// Every member moved by `step` bits, up for a positive step and down for a negative one;
// members moved past either end are dropped. |step| must stay below kSquareSetBits.
inline SquareSet shiftedBy(SquareSet set, int32_t step) {
    return step >= 0 ? set << step : set >> -step;
}

// The lowest `count` bits, count below kSquareSetBits.
inline SquareSet lowestBits(int32_t count) {
    return (SquareSet{1} << count) - 1;
}

}  // namespace taravin
