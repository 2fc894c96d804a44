#include "model/mt19937.h"

namespace taravin {

namespace {
constexpr uint32_t kMatrixA = 0x9908b0dfU;
constexpr uint32_t kUpperMask = 0x80000000U;
constexpr uint32_t kLowerMask = 0x7fffffffU;
constexpr uint32_t kTemperingMaskB = 0x9d2c5680U;
constexpr uint32_t kTemperingMaskC = 0xefc60000U;
constexpr uint32_t kSeedMultiplier = 69069U;
}  // namespace

void Mt19937::seed(uint32_t seed) {
    state_[0] = seed;
    for (int i = 1; i < kStateSize; ++i) {
        state_[i] = kSeedMultiplier * state_[i - 1];
    }
    position_ = kStateSize;
}

void Mt19937::twist() {
    auto mix = [this](int i, int j, int k) {
        const uint32_t y = (state_[i] & kUpperMask) | (state_[j] & kLowerMask);
        state_[i] = state_[k] ^ (y >> 1) ^ ((y & 1U) ? kMatrixA : 0U);
    };
    int i = 0;
    for (; i < kStateSize - kShift; ++i) {
        mix(i, i + 1, i + kShift);
    }
    for (; i < kStateSize - 1; ++i) {
        mix(i, i + 1, i + kShift - kStateSize);
    }
    mix(kStateSize - 1, 0, kShift - 1);
    position_ = 0;
}

uint32_t Mt19937::next() {
    if (position_ >= kStateSize) {
        twist();
    }
    uint32_t y = state_[position_++];
    y ^= y >> 11;
    y ^= (y << 7) & kTemperingMaskB;
    y ^= (y << 15) & kTemperingMaskC;
    y ^= y >> 18;
    return y;
}

Mt19937& sharedRandomSource() {
    static Mt19937 generator;
    return generator;
}

}  // namespace taravin
