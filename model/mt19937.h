#pragma once

#include <array>
#include <cstdint>

namespace taravin {

// The 1998 reference Mersenne Twister with its own seeding (each state word is 69069 times
// the previous one), not std::mt19937, whose seeding differs. Unseeded it starts from 4357,
// so every run draws the same sequence.
class Mt19937 {
  public:
    static constexpr uint32_t kDefaultSeed = 4357;

    explicit Mt19937(uint32_t initialSeed = kDefaultSeed) { seed(initialSeed); }
    void seed(uint32_t seed);
    uint32_t next();

  private:
    static constexpr int kStateSize = 624;
    static constexpr int kShift = 397;

    void twist();

    std::array<uint32_t, kStateSize> state_{};
    int position_ = kStateSize;
};

// The process's generator for the hash value tables; every table build continues its sequence.
Mt19937& sharedRandomSource();

}  // namespace taravin
