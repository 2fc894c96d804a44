#include "search/search_log.h"

namespace taravin {

std::string logMoveText(const Square& from, const Square& to, const Square& arrow) {
    return squareName(from) + "-" + squareName(to) + " (" + squareName(arrow) + ")";
}

std::string principalVariationLine(const SearchMove* pv, int length, const char* label, int32_t score,
                                   int32_t depth, int32_t nodes) {
    std::string line;
    for (int i = length - 1; i >= 0; --i) {
        line += logMoveText(pv[i].from, pv[i].to, pv[i].arrow) + " <" +
                std::to_string(pv[i].listIndex) + "> ";
    }
    line += std::string(label) + ": " + std::to_string(score) + " Depth: " + std::to_string(depth) +
            " Nodes: " + std::to_string(nodes);
    return line;
}

std::string depthCompleteLine(int32_t depth, const SearchContext& context, int32_t score) {
    return "Depth " + std::to_string(depth) + " complete: Best Move: " +
           logMoveText(context.bestFrom, context.bestTo, context.bestArrow) +
           ", Eval: " + std::to_string(score) + " Nodes: " + std::to_string(context.nodeCount);
}

std::string totalsLine(const SearchContext& context) {
    return "Total Nodes: " + std::to_string(context.nodeCount) +
           ", Hash Hit Count: " + std::to_string(context.hashHits);
}

void writeLog(SearchContext& context, const std::string& line) {
    if (!context.logOpen || !context.host) {
        return;
    }
    if (!context.host->appendLog(line)) {
        context.logOpen = false;
    }
}

}  // namespace taravin
