#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace taravin {

// What a search has proven about one position's value.
struct Bounds {
    int32_t lower = 0;
    int32_t upper = 0;
    bool exact() const { return lower == upper; }
};

// The solvers' memo: proven bounds by position, in open addressing that grows by doubling up to
// a size in bytes and then replaces old entries. Losing an entry loses work, never
// correctness: every entry is a fact about its key. Key needs == and hash().
template <class Key>
class BoundTable {
  public:
    explicit BoundTable(std::size_t maxBytes = std::size_t{64} << 20) {
        while (maxEntries_ * 2 * sizeof(Entry) <= maxBytes) {
            maxEntries_ *= 2;
        }
        entries_.resize(std::min<std::size_t>(maxEntries_, kFirstEntries));
    }

    std::optional<Bounds> find(const Key& key) const {
        const std::size_t mask = entries_.size() - 1;
        for (std::size_t k = 0, slot = key.hash() & mask; k < kProbes;
             ++k, slot = (slot + 1) & mask) {
            const Entry& entry = entries_[slot];
            if (!entry.used) {
                return std::nullopt;
            }
            if (entry.key == key) {
                return Bounds{entry.lower, entry.upper};
            }
        }
        return std::nullopt;
    }

    // Joins the bounds with those already stored for the key.
    void tighten(const Key& key, Bounds bounds) {
        if (used_ * 2 >= entries_.size() && entries_.size() < maxEntries_) {
            grow();
        }
        const std::size_t mask = entries_.size() - 1;
        std::size_t slot = key.hash() & mask;
        for (std::size_t k = 1; k < kProbes; ++k, slot = (slot + 1) & mask) {
            if (!entries_[slot].used || entries_[slot].key == key) {
                break;
            }
        }
        Entry& entry = entries_[slot];
        if (entry.used && entry.key == key) {
            bounds.lower = std::max(bounds.lower, static_cast<int32_t>(entry.lower));
            bounds.upper = std::min(bounds.upper, static_cast<int32_t>(entry.upper));
        } else if (!entry.used) {
            ++used_;
        }
        entry = Entry{key, static_cast<int16_t>(bounds.lower), static_cast<int16_t>(bounds.upper),
                      true};
    }

  private:
    struct Entry {
        Key key{};
        int16_t lower = 0;
        int16_t upper = 0;
        bool used = false;
    };
    static constexpr std::size_t kFirstEntries = 1024;
    static constexpr std::size_t kProbes = 8;

    void grow() {
        std::vector<Entry> old(entries_.size() * 2);
        old.swap(entries_);
        used_ = 0;
        for (const Entry& entry : old) {
            if (entry.used) {
                tighten(entry.key, Bounds{entry.lower, entry.upper});
            }
        }
    }

    std::vector<Entry> entries_;
    std::size_t maxEntries_ = kFirstEntries;
    std::size_t used_ = 0;
};

}  // namespace taravin
