#include "search/search_log.h"

#include <cmath>

namespace taravin {

namespace {

std::string moveText(const SearchMove& move) {
    return logMoveText(move.from, move.to, move.arrow);
}

std::string tail(const char* label, const SearchReport& report) {
    return std::string(label) + ": " + std::to_string(report.score) +
           " Depth: " + std::to_string(report.depth) + " Nodes: " + std::to_string(report.nodes);
}

std::string variationLine(const SearchReport& report, const char* label) {
    std::string line;
    for (const SearchMove& move : report.moves) {
        line += moveText(move) + " <" + std::to_string(move.listIndex) + "> ";
    }
    return line + tail(label, report);
}

std::string percentText(double rate) {
    const auto tenths = static_cast<int64_t>(std::lround(rate * 1000.0));
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

std::vector<std::string> monteCarloLines(const SearchReport& report) {
    std::vector<std::string> lines{"Playouts: " + std::to_string(report.playouts) + " (" +
                                   std::to_string(report.playoutsPerSecond) +
                                   " per second), Nodes: " + std::to_string(report.nodes)};
    for (const SearchReport::RootMoveStatistics& root : report.rootMoves) {
        lines.push_back("  " + moveText(root.move) + " Visits: " + std::to_string(root.visits) +
                        " Win: " + percentText(root.winRate));
    }
    std::string line = "Line:";
    for (const SearchMove& move : report.moves) {
        line += " " + moveText(move);
    }
    lines.push_back(line + " Eval: " + std::to_string(report.score) +
                    " Depth: " + std::to_string(report.depth));
    return lines;
}

}  // namespace

std::string logMoveText(const Square& from, const Square& to, const Square& arrow) {
    return squareName(from) + "-" + squareName(to) + " (" + squareName(arrow) + ")";
}

std::vector<std::string> informationLines(const SearchReport& report) {
    using Kind = SearchReport::Kind;
    const SearchMove first = report.moves.empty() ? SearchMove{} : report.moves.front();
    switch (report.kind) {
        case Kind::kStart:
            return {"", std::string("Current Player: ") + sideName(report.side)};
        case Kind::kSeedMove:
            return {moveText(first) + " " + tail("Eval", report)};
        case Kind::kRootListEntry:
            return {moveText(first) + " Eval: " + std::to_string(report.score)};
        case Kind::kVariation:
            return {variationLine(report, "Eval")};
        case Kind::kProbe:
            return {variationLine(report, "Temp Eval")};
        case Kind::kDepthComplete:
            return {"Depth " + std::to_string(report.depth) + " complete: Best Move: " +
                    moveText(first) + ", Eval: " + std::to_string(report.score) +
                    " Nodes: " + std::to_string(report.nodes)};
        case Kind::kTotals:
            return {"Total Nodes: " + std::to_string(report.nodes) +
                    ", Hash Hit Count: " + std::to_string(report.hashHits)};
        case Kind::kMonteCarlo:
            return monteCarloLines(report);
    }
    return {};
}

std::string rootStatusText(const SearchContext& context, int32_t score, int32_t depth) {
    return logMoveText(context.bestFrom, context.bestTo, context.bestArrow) +
           " - Eval: " + std::to_string(score) + " Depth: " + std::to_string(depth) +
           " Nodes: " + std::to_string(context.nodeCount);
}

SearchReport variationReport(SearchReport::Kind kind, const SearchMove* pv, int length,
                             int32_t score, int32_t depth, int32_t nodes) {
    SearchReport report;
    report.kind = kind;
    for (int i = length - 1; i >= 0; --i) {
        report.moves.push_back(pv[i]);
    }
    report.score = score;
    report.depth = depth;
    report.nodes = nodes;
    return report;
}

SearchReport depthCompleteReport(int32_t depth, const SearchContext& context, int32_t score) {
    SearchReport report;
    report.kind = SearchReport::Kind::kDepthComplete;
    report.moves.push_back(SearchMove{context.bestFrom, context.bestTo, context.bestArrow});
    report.score = score;
    report.depth = depth;
    report.nodes = context.nodeCount;
    return report;
}

void writeReport(SearchContext& context, const SearchReport& report) {
    if (!context.logOpen || !context.host) {
        return;
    }
    if (!context.host->report(report)) {
        context.logOpen = false;
    }
}

}  // namespace taravin
