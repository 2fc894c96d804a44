#pragma once

#include <cstdint>
#include <string>

#include "model/square.h"
#include "search/search_move.h"
#include "search/search_context.h"

namespace taravin {

// "A7-C7 (C1)": from, to and arrow as the log and the status texts write a move.
std::string logMoveText(const Square& from, const Square& to, const Square& arrow);

// The principal variation from the root move (the last of `length` entries) down to the
// deepest, each "<move> <list index> ", then "<label>: <score> Depth: <d> Nodes: <n>".
std::string principalVariationLine(const SearchMove* pv, int length, const char* label, int32_t score,
                                   int32_t depth, int32_t nodes);

std::string depthCompleteLine(int32_t depth, const SearchContext& context, int32_t score);
std::string totalsLine(const SearchContext& context);

// Appends a line to the Information Window when it was open at the start of the search; a
// window found gone stops the logging for the rest of the search.
void writeLog(SearchContext& context, const std::string& line);

}  // namespace taravin
