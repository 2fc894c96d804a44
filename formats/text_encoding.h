#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace taravin {

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is not a valid one
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t utf8SequenceLength(std::string_view text);

bool isValidUtf8(std::string_view text);

// The text in UTF-8: unchanged when it is valid UTF-8, otherwise every byte read as Latin-1
// (the 8-bit texts of game files and profiles).
std::string utf8FromUtf8OrLatin1(std::string_view text);

// One byte of Latin-1 appended in UTF-8.
void appendLatin1AsUtf8(std::string& out, unsigned char byte);

}  // namespace taravin
