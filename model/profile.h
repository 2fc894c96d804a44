#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace taravin {

// The user's lasting settings: integer and text values by section and key. A missing key
// reads as the caller's default; a write is seen by the very next read. The public calls are
// fixed here and forward to the implementation, so that defaults never sit on virtuals.
class Profile {
  public:
    virtual ~Profile() = default;

    // The stored integer, or the default when the key is missing or its value is not a
    // 32-bit decimal integer.
    int32_t readInt(std::string_view section, std::string_view key, int32_t defaultValue) const {
        return doReadInt(section, key, defaultValue);
    }
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = "") const {
        return doReadString(section, key, defaultValue);
    }
    void writeInt(std::string_view section, std::string_view key, int32_t value) {
        doWriteInt(section, key, value);
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value) {
        doWriteString(section, key, value);
    }

  private:
    virtual int32_t doReadInt(std::string_view section, std::string_view key,
                              int32_t defaultValue) const = 0;
    virtual std::string doReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const = 0;
    virtual void doWriteInt(std::string_view section, std::string_view key, int32_t value) = 0;
    virtual void doWriteString(std::string_view section, std::string_view key,
                               std::string_view value) = 0;
};

}  // namespace taravin
