#include "cli/arguments.h"

#include <algorithm>
#include <charconv>

namespace taravin::cli {

Arguments::Arguments(std::vector<std::string> words, std::vector<std::string> flagNames) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0) {
            positional_.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        if (std::find(flagNames.begin(), flagNames.end(), name) != flagNames.end()) {
            flags_.push_back(name);
        } else if (i + 1 < words.size()) {
            options_.emplace_back(name, words[++i]);
        } else {
            options_.emplace_back(name, std::string());
        }
    }
}

std::optional<std::string> Arguments::value(const std::string& name) const {
    for (auto it = options_.rbegin(); it != options_.rend(); ++it) {
        if (it->first == name) {
            return it->second;
        }
    }
    return std::nullopt;
}

bool Arguments::flag(const std::string& name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

std::vector<std::string> Arguments::unknownOptions(const std::vector<std::string>& known) const {
    std::vector<std::string> unknown;
    auto isKnown = [&](const std::string& name) {
        return std::find(known.begin(), known.end(), name) != known.end();
    };
    for (const auto& [name, value] : options_) {
        if (!isKnown(name)) {
            unknown.push_back("--" + name);
        }
    }
    for (const std::string& name : flags_) {
        if (!isKnown(name)) {
            unknown.push_back("--" + name);
        }
    }
    return unknown;
}

std::optional<long long> parseInteger(const std::string& text, long long low, long long high) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace taravin::cli
