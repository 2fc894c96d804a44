#include "model/memory_profile.h"

#include "model/integer_text.h"

namespace taravin {

const std::string* MemoryProfile::find(std::string_view section, std::string_view key) const {
    const auto found = values_.find(std::pair<std::string, std::string>(section, key));
    return found == values_.end() ? nullptr : &found->second;
}

int32_t MemoryProfile::doReadInt(std::string_view section, std::string_view key,
                                 int32_t defaultValue) const {
    const std::string* text = find(section, key);
    if (!text) {
        return defaultValue;
    }
    return parseInteger(*text).value_or(defaultValue);
}

std::string MemoryProfile::doReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const {
    const std::string* text = find(section, key);
    return text ? *text : std::string(defaultValue);
}

void MemoryProfile::doWriteInt(std::string_view section, std::string_view key, int32_t value) {
    doWriteString(section, key, std::to_string(value));
}

void MemoryProfile::doWriteString(std::string_view section, std::string_view key,
                                  std::string_view value) {
    values_[{std::string(section), std::string(key)}] = std::string(value);
    writes_.push_back({std::string(section), std::string(key), std::string(value)});
}

}  // namespace taravin
