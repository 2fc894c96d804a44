#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/profile.h"

namespace taravin {

// One write to a profile, the value as text.
struct ProfileWrite {
    std::string section;
    std::string key;
    std::string value;
    friend bool operator==(const ProfileWrite&, const ProfileWrite&) = default;
};

// A profile held in memory, for tests and the command line, which must never touch the
// user's own. Every value is kept as text, so an integer key may be given a hostile text.
// It also records every write in order, for checking what a dialog stored.
class MemoryProfile final : public Profile {
  public:
    const std::vector<ProfileWrite>& writes() const { return writes_; }
    void clearWrites() { writes_.clear(); }

  private:
    int32_t doReadInt(std::string_view section, std::string_view key,
                      int32_t defaultValue) const override;
    std::string doReadString(std::string_view section, std::string_view key,
                             std::string_view defaultValue) const override;
    void doWriteInt(std::string_view section, std::string_view key, int32_t value) override;
    void doWriteString(std::string_view section, std::string_view key,
                       std::string_view value) override;
    const std::string* find(std::string_view section, std::string_view key) const;

    std::map<std::pair<std::string, std::string>, std::string> values_;
    std::vector<ProfileWrite> writes_;
};

}  // namespace taravin
