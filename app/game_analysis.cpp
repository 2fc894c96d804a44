#include "app/game_analysis.h"

#include <algorithm>

namespace taravin {

namespace {

bool deeper(const PositionAnalysis& candidate, const PositionAnalysis& kept) {
    if (kept.decided) {
        return false;
    }
    return candidate.decided || candidate.playouts >= kept.playouts;
}

}  // namespace

void GameAnalysis::store(int32_t ply, PositionAnalysis analysis) {
    if (ply < 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(ply);
    if (positions_.size() <= index) {
        positions_.resize(index + 1);
    }
    std::optional<PositionAnalysis>& kept = positions_[index];
    if (!kept || deeper(analysis, *kept)) {
        kept = std::move(analysis);
    }
}

const PositionAnalysis* GameAnalysis::at(int32_t ply) const {
    if (ply < 0 || static_cast<std::size_t>(ply) >= positions_.size()) {
        return nullptr;
    }
    const std::optional<PositionAnalysis>& kept = positions_[static_cast<std::size_t>(ply)];
    return kept ? &*kept : nullptr;
}

void GameAnalysis::discardFrom(int32_t ply) {
    const auto first = static_cast<std::size_t>(std::max(ply, 0));
    if (positions_.size() > first) {
        positions_.resize(first);
    }
    // The move into a discarded position goes with it.
    const std::size_t firstMove = first > 0 ? first - 1 : 0;
    if (reviews_.size() > firstMove) {
        reviews_.resize(firstMove);
    }
    cancelReview();
}

void GameAnalysis::clear() {
    positions_.clear();
    reviews_.clear();
    cancelReview();
}

const MoveReview* GameAnalysis::review(int32_t move) const {
    if (move < 0 || static_cast<std::size_t>(move) >= reviews_.size()) {
        return nullptr;
    }
    const std::optional<MoveReview>& kept = reviews_[static_cast<std::size_t>(move)];
    return kept ? &*kept : nullptr;
}

void GameAnalysis::setReviews(const std::vector<std::optional<MoveReview>>& reviews) {
    reviews_ = reviews;
}

bool GameAnalysis::hasReview() const {
    for (const std::optional<MoveReview>& review : reviews_) {
        if (review) {
            return true;
        }
    }
    return false;
}

std::optional<double> GameAnalysis::redChanceAfter(int32_t move) const {
    if (const MoveReview* reviewed = review(move)) {
        return reviewed->mover == Side::kRed ? reviewed->chanceAfter : 1.0 - reviewed->chanceAfter;
    }
    if (const PositionAnalysis* after = at(move + 1)) {
        return after->redChance();
    }
    return std::nullopt;
}

void GameAnalysis::startReview(int32_t positions, int64_t playouts) {
    reviewPositions_ = std::max(positions, 0);
    reviewPlayouts_ = playouts;
}

void GameAnalysis::cancelReview() {
    reviewPositions_ = 0;
}

bool GameAnalysis::analysedForReview(int32_t ply) const {
    const PositionAnalysis* analysis = at(ply);
    return analysis && (analysis->decided || analysis->playouts >= reviewPlayouts_);
}

std::optional<int32_t> GameAnalysis::nextReviewPly() const {
    for (int32_t ply = 0; ply < reviewPositions_; ++ply) {
        if (!analysedForReview(ply)) {
            return ply;
        }
    }
    return std::nullopt;
}

int32_t GameAnalysis::reviewDone() const {
    int32_t done = 0;
    for (int32_t ply = 0; ply < reviewPositions_; ++ply) {
        done += analysedForReview(ply) ? 1 : 0;
    }
    return done;
}

void GameAnalysis::finishReview(const std::vector<MoveReview>& reviews) {
    reviews_.assign(reviews.begin(), reviews.end());
    cancelReview();
}

}  // namespace taravin
