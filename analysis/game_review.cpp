#include "analysis/game_review.h"

#include <algorithm>

namespace taravin {

MoveReview reviewMove(const BoardMove& played, const PositionAnalysis& before,
                      const PositionAnalysis& after, const ReviewThresholds& thresholds) {
    MoveReview review;
    review.mover = before.side;
    review.played = played;
    review.chanceBefore = before.chance;
    review.chanceAfter = 1.0 - after.chance;
    if (const BoardMove* best = before.bestMove()) {
        review.best = *best;
    }
    if (review.best == played) {
        review.moveClass = MoveClass::kBest;
    } else {
        review.moveClass =
            classifyLoss(std::max(0.0, review.chanceBefore - review.chanceAfter), thresholds);
    }
    return review;
}

std::vector<MoveReview> reviewMoves(const std::vector<BoardMove>& played,
                                    const std::vector<PositionAnalysis>& positions,
                                    const ReviewThresholds& thresholds) {
    std::vector<MoveReview> reviews;
    for (std::size_t i = 0; i < played.size() && i + 1 < positions.size(); ++i) {
        reviews.push_back(reviewMove(played[i], positions[i], positions[i + 1], thresholds));
    }
    return reviews;
}

}  // namespace taravin
