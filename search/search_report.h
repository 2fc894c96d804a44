#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "search/search_move.h"

namespace taravin {

// What a running search tells its host, as values; informationLines() gives the Information
// Window's text of each, and other hosts (UCI, bench) read the values.
struct SearchReport {
    enum class Kind {
        kStart,          // side
        kSeedMove,       // the depth-one choice: moves[0], score, depth 1, nodes
        kRootListEntry,  // one entry of QScout's root list: moves[0], score
        kVariation,      // a published root improvement: its line, score, depth, nodes
        kProbe,          // an MTD probe's line, score, depth, nodes
        kDepthComplete,  // moves[0] the published move, score, depth, nodes
        kTotals,         // nodes, hash hits
        kMonteCarlo,     // the tree so far: its line in moves, rootMoves, playouts, score,
                         // depth (the line's length), nodes
    };
    // A root move of the Monte Carlo tree and what the playouts through it gave.
    struct RootMoveStatistics {
        SearchMove move;
        int32_t visits = 0;
        double winRate = 0.0;
    };
    Kind kind = Kind::kStart;
    // Root move first, each with its list index.
    std::vector<SearchMove> moves;
    Side side = Side::kNone;
    int32_t score = 0;
    int32_t depth = 0;
    int32_t nodes = 0;
    int32_t hashHits = 0;
    std::vector<RootMoveStatistics> rootMoves;
    int64_t playouts = 0;
    int64_t playoutsPerSecond = 0;
};

// The Information Window's lines of a report.
std::vector<std::string> informationLines(const SearchReport& report);

}  // namespace taravin
