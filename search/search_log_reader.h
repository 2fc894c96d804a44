#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "model/game_file_reader.h"

namespace taravin {

// The log lines of a search read back, for hosts that pass the search on in another form
// (the UCI "info" lines). Each reader takes one line and gives nothing for any other line.

// A published principal variation, root move first: a line of principalVariationLine with
// the label "Eval" ("A7-C7 (C1) <3> B1-B2 (B3) <0> Eval: 12 Depth: 2 Nodes: 345"), or the
// depth-one seed's line ("A7-C7 (C1) Eval: 12 Depth: 1 Nodes: 345"). "Temp Eval" probes are
// not variations.
struct LoggedVariation {
    std::vector<ScannedMove> moves;
    int32_t score = 0;
    int32_t depth = 0;
    int32_t nodes = 0;
};
std::optional<LoggedVariation> readVariationLine(std::string_view line);

// "Depth 3 complete: Best Move: A7-C7 (C1), Eval: 12 Nodes: 345".
struct CompletedDepth {
    int32_t depth = 0;
    ScannedMove best;
    int32_t score = 0;
    int32_t nodes = 0;
};
std::optional<CompletedDepth> readDepthCompleteLine(std::string_view line);

}  // namespace taravin
