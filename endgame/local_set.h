#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace taravin {

// A set of the squares of a local space (local_space.h) by their local index, Words * 64 of
// them at most. The solvers key their tables on these sets, so equality and the hash are
// over the whole set.
template <std::size_t Words>
class LocalSet {
  public:
    static constexpr int32_t kCapacity = static_cast<int32_t>(Words * 64);

    bool contains(int32_t index) const { return (words_[index >> 6] >> (index & 63)) & 1; }
    void insert(int32_t index) { words_[index >> 6] |= uint64_t{1} << (index & 63); }
    void erase(int32_t index) { words_[index >> 6] &= ~(uint64_t{1} << (index & 63)); }

    int32_t count() const {
        int32_t total = 0;
        for (uint64_t word : words_) {
            total += std::popcount(word);
        }
        return total;
    }
    bool empty() const {
        for (uint64_t word : words_) {
            if (word != 0) {
                return false;
            }
        }
        return true;
    }
    bool intersects(const LocalSet& other) const {
        for (std::size_t k = 0; k < Words; ++k) {
            if ((words_[k] & other.words_[k]) != 0) {
                return true;
            }
        }
        return false;
    }

    LocalSet& operator|=(const LocalSet& other) {
        for (std::size_t k = 0; k < Words; ++k) {
            words_[k] |= other.words_[k];
        }
        return *this;
    }
    LocalSet& operator&=(const LocalSet& other) {
        for (std::size_t k = 0; k < Words; ++k) {
            words_[k] &= other.words_[k];
        }
        return *this;
    }
    LocalSet& operator-=(const LocalSet& other) {
        for (std::size_t k = 0; k < Words; ++k) {
            words_[k] &= ~other.words_[k];
        }
        return *this;
    }
    friend LocalSet operator|(LocalSet left, const LocalSet& right) { return left |= right; }
    friend LocalSet operator&(LocalSet left, const LocalSet& right) { return left &= right; }
    friend LocalSet operator-(LocalSet left, const LocalSet& right) { return left -= right; }
    friend bool operator==(const LocalSet&, const LocalSet&) = default;

    // The members in ascending order.
    template <class Visit>
    void forEach(Visit&& visit) const {
        for (std::size_t k = 0; k < Words; ++k) {
            for (uint64_t word = words_[k]; word != 0; word &= word - 1) {
                visit(static_cast<int32_t>(k * 64) + std::countr_zero(word));
            }
        }
    }
    // The lowest member; the set must not be empty.
    int32_t first() const {
        std::size_t k = 0;
        while (words_[k] == 0) {
            ++k;
        }
        return static_cast<int32_t>(k * 64) + std::countr_zero(words_[k]);
    }

    uint64_t hash() const {
        uint64_t value = 0x9e3779b97f4a7c15ULL;
        for (uint64_t word : words_) {
            value = (value ^ word) * 0xff51afd7ed558ccdULL;
            value ^= value >> 32;
        }
        return value;
    }

  private:
    std::array<uint64_t, Words> words_{};
};

}  // namespace taravin
