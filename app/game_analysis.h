#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/position_analysis.h"
#include "model/move_review.h"

namespace taravin {

// What the engine has found about the positions of the game record, by ply (0 is the start
// position, ply k the position after the k-th move), the moves' review, and how far a review
// has come.
class GameAnalysis {
  public:
    // Keeps the deeper of two analyses of one position.
    void store(int32_t ply, PositionAnalysis analysis);
    const PositionAnalysis* at(int32_t ply) const;
    // The record changed from this ply on: what was found there belongs to another game.
    void discardFrom(int32_t ply);
    void clear();

    // The review of the move that leads from ply `move` to ply `move` + 1.
    const MoveReview* review(int32_t move) const;
    void setReviews(const std::vector<std::optional<MoveReview>>& reviews);
    bool hasReview() const;
    const std::vector<std::optional<MoveReview>>& reviews() const { return reviews_; }
    // Red's chance after the move: from its review, else from the analysis of the position
    // it led to.
    std::optional<double> redChanceAfter(int32_t move) const;

    // A review of the positions 0 .. positions - 1 at `playouts` each.
    void startReview(int32_t positions, int64_t playouts);
    void cancelReview();
    bool reviewing() const { return reviewPositions_ > 0; }
    int64_t reviewPlayouts() const { return reviewPlayouts_; }
    // The first position the review still has to analyse; nothing when it is done.
    std::optional<int32_t> nextReviewPly() const;
    int32_t reviewDone() const;
    int32_t reviewTotal() const { return reviewPositions_; }
    // Ends the review with its results.
    void finishReview(const std::vector<MoveReview>& reviews);

  private:
    bool analysedForReview(int32_t ply) const;

    std::vector<std::optional<PositionAnalysis>> positions_;
    std::vector<std::optional<MoveReview>> reviews_;
    int32_t reviewPositions_ = 0;
    int64_t reviewPlayouts_ = 0;
};

}  // namespace taravin
