#include "model/move_review.h"

#include <algorithm>
#include <cmath>

namespace taravin {

double MoveReview::loss() const {
    if (moveClass == MoveClass::kBest) {
        return 0.0;
    }
    return std::max(0.0, chanceBefore - chanceAfter);
}

MoveClass classifyLoss(double loss, const ReviewThresholds& thresholds) {
    // Whole percent, so that a loss shown as "10%" is never classed below the 10 % threshold.
    const auto percent = static_cast<int32_t>(std::lround(loss * 100.0));
    if (percent >= thresholds.blunderPercent) {
        return MoveClass::kBlunder;
    }
    if (percent >= thresholds.mistakePercent) {
        return MoveClass::kMistake;
    }
    if (percent >= thresholds.inaccuracyPercent) {
        return MoveClass::kInaccuracy;
    }
    return MoveClass::kGood;
}

SideReviewSummary summarizeSide(const std::vector<MoveReview>& moves, Side side) {
    SideReviewSummary summary;
    double lossSum = 0.0;
    for (const MoveReview& move : moves) {
        if (move.mover != side) {
            continue;
        }
        ++summary.counts[static_cast<std::size_t>(move.moveClass)];
        ++summary.moves;
        lossSum += move.loss();
    }
    summary.meanLoss = summary.moves > 0 ? lossSum / summary.moves : 0.0;
    return summary;
}

const char* moveClassName(MoveClass moveClass) {
    switch (moveClass) {
        case MoveClass::kBest:
            return "best";
        case MoveClass::kGood:
            return "good";
        case MoveClass::kInaccuracy:
            return "inaccuracy";
        case MoveClass::kMistake:
            return "mistake";
        case MoveClass::kBlunder:
            return "blunder";
    }
    return "good";
}

}  // namespace taravin
