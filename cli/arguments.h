#pragma once

#include <optional>
#include <string>
#include <vector>

namespace taravin::cli {

// The words after the command name: "--name value" options, "--name" flags and positional
// words, in any order.
class Arguments {
  public:
    Arguments(std::vector<std::string> words, std::vector<std::string> flagNames);

    std::optional<std::string> value(const std::string& name) const;
    bool flag(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }
    // Options given that are not in `known`; the command reports them as errors.
    std::vector<std::string> unknownOptions(const std::vector<std::string>& known) const;

  private:
    std::vector<std::pair<std::string, std::string>> options_;
    std::vector<std::string> flags_;
    std::vector<std::string> positional_;
};

// A whole decimal integer in [low, high], or nothing.
std::optional<long long> parseInteger(const std::string& text, long long low, long long high);

}  // namespace taravin::cli
