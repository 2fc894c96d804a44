#pragma once

#include <cstdint>
#include <string>

#include "model/square.h"
#include "search/search_context.h"
#include "search/search_move.h"
#include "search/search_report.h"

namespace taravin {

// "A7-C7 (C1)": from, to and arrow as the log and the status texts write a move.
std::string logMoveText(const Square& from, const Square& to, const Square& arrow);

// The status text of a root report: the published best move, the score, depth and nodes.
std::string rootStatusText(const SearchContext& context, int32_t score, int32_t depth);

// The principal variation of `length` entries (the root move last), as the report of a
// published improvement or of a probe.
SearchReport variationReport(SearchReport::Kind kind, const SearchMove* pv, int length,
                             int32_t score, int32_t depth, int32_t nodes);
// The depth-complete report with the published best move.
SearchReport depthCompleteReport(int32_t depth, const SearchContext& context, int32_t score);

// Hands a report to the host when the Information Window was open at the start of the
// search; a window found gone stops the reports for the rest of the search.
void writeReport(SearchContext& context, const SearchReport& report);

}  // namespace taravin
