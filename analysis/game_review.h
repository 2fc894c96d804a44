#pragma once

#include <cstdint>
#include <vector>

#include "analysis/position_analysis.h"
#include "model/analysis_settings.h"
#include "model/board_move.h"
#include "model/move_review.h"

namespace taravin {

// The playouts a review gives each position by default: an 85-move game in well under a
// minute on two cores.
inline constexpr int64_t kDefaultReviewPlayouts = kReviewPlayoutsSetting.defaultValue;

// The review of a played line. `positions` holds the analysis before each move and after the
// last one (one more than `played`). A move's chance before is the best move's, its chance
// after the opponent's analysis of the position it left, turned round.
std::vector<MoveReview> reviewMoves(const std::vector<BoardMove>& played,
                                    const std::vector<PositionAnalysis>& positions,
                                    const ReviewThresholds& thresholds);

// The review of one move from the analyses of the positions before and after it.
MoveReview reviewMove(const BoardMove& played, const PositionAnalysis& before,
                      const PositionAnalysis& after, const ReviewThresholds& thresholds);

}  // namespace taravin
