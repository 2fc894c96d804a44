#include "model/integer_text.h"

#include <charconv>

namespace taravin {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::optional<int32_t> parseInteger(std::string_view text) {
    std::string_view digits = trimmed(text);
    // from_chars takes a minus sign but not a plus sign.
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    int32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string integerRangeMessage(int32_t minimum, int32_t maximum) {
    return "Please enter an integer between " + std::to_string(minimum) + " and " +
           std::to_string(maximum) + ".";
}

IntegerField readIntegerField(std::string_view text, int32_t minimum, int32_t maximum) {
    const std::optional<int32_t> value = parseInteger(text);
    if (!value) {
        return {std::nullopt, kEnterIntegerMessage};
    }
    if (*value < minimum || *value > maximum) {
        return {std::nullopt, integerRangeMessage(minimum, maximum)};
    }
    return {value, {}};
}

}  // namespace taravin
