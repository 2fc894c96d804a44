#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace taravin {

inline constexpr const char* kEnterIntegerMessage = "Please enter an integer.";

// A whole text that is one 32-bit decimal integer: optional blanks or tabs around it, an
// optional sign, digits. Anything else, including a value out of range, gives nothing.
std::optional<int32_t> parseInteger(std::string_view text);

// "Please enter an integer between %1 and %2." with the two bounds filled in.
std::string integerRangeMessage(int32_t minimum, int32_t maximum);

// An integer field of a dialog checked against its range: the value, or the message to show
// ("Please enter an integer." for a text that is no integer, else the range message).
struct IntegerField {
    std::optional<int32_t> value;
    std::string message;
};
IntegerField readIntegerField(std::string_view text, int32_t minimum, int32_t maximum);

}  // namespace taravin
