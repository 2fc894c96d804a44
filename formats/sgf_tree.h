#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taravin {

inline constexpr std::string_view kSgfBlanks = " \t\r\n\v\f";

struct SgfProperty {
    std::string name;
    std::vector<std::string> values;
};
using SgfNode = std::vector<SgfProperty>;

// The part of an SGF game tree the program reads: the nodes of the main line (the first
// variation at each branch) and, for each of them, the first node of every other variation
// that branches off there, as an annotated game holds its better moves.
struct SgfMainLine {
    std::vector<SgfNode> nodes;
    // As many as nodes; mostly empty.
    std::vector<std::vector<SgfNode>> alternatives;
};

// The main line of the first game of the collection that starts at the text's first '('.
// Property names are their capitals ("AddBlack" is AB), values have their escapes resolved.
// Nothing, with a message in `error`, when the text ends inside a value of the main line;
// whatever follows the main line is read as far as it is well formed. Linear in the text.
std::optional<SgfMainLine> readSgfMainLine(std::string_view text, std::string& error);

}  // namespace taravin
