#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/board_move.h"
#include "model/square.h"

namespace taravin {

// How a move of a reviewed game compares with the best move the analysis found, by the
// chance to win it gave away.
enum class MoveClass : int32_t {
    kBest = 0,
    kGood = 1,
    kInaccuracy = 2,
    kMistake = 3,
    kBlunder = 4
};
inline constexpr int32_t kMoveClassCount = 5;

// The chance lost (in whole percent) from which a move is an inaccuracy, a mistake or a blunder.
struct ReviewThresholds {
    int32_t inaccuracyPercent = 5;
    int32_t mistakePercent = 10;
    int32_t blunderPercent = 20;
    friend bool operator==(const ReviewThresholds&, const ReviewThresholds&) = default;
};

// One reviewed move. Chances are the mover's, from 0 to 1: before the move with the best
// move played, and after the move that was played.
struct MoveReview {
    Side mover = Side::kRed;
    BoardMove played;
    // Nothing when the position before the move had no analysis with a move in it.
    std::optional<BoardMove> best;
    double chanceBefore = 0.5;
    double chanceAfter = 0.5;
    MoveClass moveClass = MoveClass::kGood;
    friend bool operator==(const MoveReview&, const MoveReview&) = default;

    // The chance given away; never negative, and none for the best move itself.
    double loss() const;
};

// The class of a move that gave away `loss` (0 to 1) of its chance.
MoveClass classifyLoss(double loss, const ReviewThresholds& thresholds);

// A side's moves by class, and the mean chance they gave away.
struct SideReviewSummary {
    std::array<int32_t, kMoveClassCount> counts{};
    int32_t moves = 0;
    double meanLoss = 0.0;
};
SideReviewSummary summarizeSide(const std::vector<MoveReview>& moves, Side side);

// "best", "good", "inaccuracy", "mistake", "blunder".
const char* moveClassName(MoveClass moveClass);

}  // namespace taravin
