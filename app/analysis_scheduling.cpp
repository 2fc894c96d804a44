#include "analysis/analysis_search.h"
#include "analysis/game_review.h"
#include "analysis/proven_analysis.h"
#include "app/amazon_doc.h"
#include "model/analysis_settings.h"
#include "model/board_setup.h"

namespace taravin {

void CAmazonDoc::setAnalysisEnabled(bool enabled) {
    analysisEnabled_ = enabled;
    scheduleWorker();
}

bool CAmazonDoc::thinking() const {
    return (computer_.thinking() && task_ == WorkerTask::kPlayer) || pendingPlayerSearch_;
}

const PositionAnalysis* CAmazonDoc::currentAnalysis() const {
    return analysis_.at(currentPly());
}

const std::vector<RegionCount>& CAmazonDoc::currentRegions() {
    // Short enough for the window thread; a larger region keeps its bounds.
    static constexpr std::chrono::milliseconds kCountTime{20};
    if (board_ && (regionsPly_ != currentPly() || regionsGeneration_ != recordGeneration_)) {
        regions_ = countRegions(*board_, SolverBudget::forTime(kCountTime));
        regionsPly_ = currentPly();
        regionsGeneration_ = recordGeneration_;
    }
    return regions_;
}

void CAmazonDoc::forgetAnalysisFrom(int32_t ply) {
    analysis_.discardFrom(ply);
    ++recordGeneration_;
}

bool CAmazonDoc::analysisTaskWanted() const {
    if (recordGeneration_ != taskGeneration_) {
        return false;
    }
    if (task_ == WorkerTask::kReview) {
        return analysis_.reviewing();
    }
    return analysisEnabled_ && !analysis_.reviewing() && taskPly_ == currentPly();
}

bool CAmazonDoc::collectAnalysis() {
    if (!recorder_ || recorder_->version() == collectedVersion_) {
        return false;
    }
    collectedVersion_ = recorder_->version();
    if (recordGeneration_ != taskGeneration_) {
        return false;
    }
    if (std::optional<PositionAnalysis> latest = recorder_->latest()) {
        analysis_.store(taskPly_, std::move(*latest));
        return true;
    }
    return false;
}

std::unique_ptr<Board> CAmazonDoc::boardAtPly(int32_t ply) const {
    if (ply == 0) {
        return buildBoard(readBoardSetup(profile_, StoredBoardSize::kAsStored),
                          tables_ ? tables_->hashKeys() : nullptr);
    }
    const MoveRecord* move = gameRecord_ ? gameRecord_->head() : nullptr;
    for (int32_t i = 1; move && i < ply; ++i) {
        move = move->next;
    }
    return move && move->board() ? std::make_unique<Board>(*move->board()) : nullptr;
}

Side CAmazonDoc::sideAtPly(int32_t ply) const {
    const MoveRecord* move = gameRecord_ ? gameRecord_->head() : nullptr;
    for (int32_t i = 0; move && i < ply; ++i) {
        if (i + 1 == ply) {
            return otherSide(move->side() == Side::kRed ? Side::kRed : Side::kBlue);
        }
        move = move->next;
    }
    return Side::kRed;
}

int32_t CAmazonDoc::recordMoves() const {
    int32_t count = 0;
    for (const MoveRecord* move = gameRecord_ ? gameRecord_->head() : nullptr; move;
         move = move->next) {
        ++count;
    }
    return count;
}

bool CAmazonDoc::startAnalysisTask(WorkerTask task, int32_t ply, int64_t playouts) {
    if (const PositionAnalysis* known = analysis_.at(ply); known && known->decided) {
        return false;
    }
    const std::unique_ptr<Board> board = ply == currentPly() && task == WorkerTask::kAnalysis
                                             ? std::make_unique<Board>(*board_)
                                             : boardAtPly(ply);
    if (!board) {
        return false;
    }
    const Side side = task == WorkerTask::kAnalysis ? sideToMove() : sideAtPly(ply);
    if (board->noMoveLeft(side)) {
        analysis_.store(ply, lostPosition(side));
        return false;
    }
    // Short enough that the window never waits for it.
    static constexpr std::chrono::milliseconds kProofTime{30};
    if (std::optional<PositionAnalysis> proven =
            provenAnalysis(*board, side, SolverBudget::forTime(kProofTime))) {
        analysis_.store(ply, std::move(*proven));
        return false;
    }
    recorder_ = std::make_unique<AnalysisRecorder>(side, kAnalysisEvaluationCode);
    collectedVersion_ = 0;
    analysisHost_.setRecorder(recorder_.get());
    SearchRequest request =
        analysisRequest(*board, side, ply + 1, {.playouts = playouts}, &tables_->table());
    request.host = &analysisHost_;
    if (!computer_.requestSearch(request)) {
        return false;
    }
    task_ = task;
    taskPly_ = ply;
    taskGeneration_ = recordGeneration_;
    return true;
}

void CAmazonDoc::scheduleWorker() {
    if (computer_.thinking()) {
        if (task_ != WorkerTask::kPlayer && (pendingPlayerSearch_ || !analysisTaskWanted())) {
            computer_.flags().moveNow = true;
        }
        return;
    }
    task_ = WorkerTask::kNone;
    if (pendingPlayerSearch_) {
        const bool suggest = *pendingPlayerSearch_;
        pendingPlayerSearch_.reset();
        requestSearch(suggest);
        return;
    }
    if (loading_ || !board_ || !tables_ || computer_.flags().abortSearch) {
        return;
    }
    while (analysis_.reviewing()) {
        const std::optional<int32_t> ply = analysis_.nextReviewPly();
        if (!ply) {
            finishReview();
            break;
        }
        if (startAnalysisTask(WorkerTask::kReview, *ply, analysis_.reviewPlayouts())) {
            return;
        }
        // A position without a move is known without a search; one that cannot be rebuilt
        // ends the review.
        if (analysis_.at(*ply)) {
            analysis_.markReviewed(*ply);
        } else {
            analysis_.cancelReview();
        }
    }
    const bool finishedHere =
        finishedPly_ == currentPly() && finishedGeneration_ == recordGeneration_;
    if (analysisEnabled_ && !finishedHere) {
        startAnalysisTask(WorkerTask::kAnalysis, currentPly(), 0);
    }
}

void CAmazonDoc::finishAnalysisTask() {
    computer_.searchEnded();
    collectAnalysis();
    if (task_ == WorkerTask::kReview && recordGeneration_ == taskGeneration_) {
        analysis_.markReviewed(taskPly_);
    }
    if (task_ == WorkerTask::kAnalysis && analysisTaskWanted()) {
        // It ended on its own (a win in one, a single move, the separated endgame's last
        // pass): starting it again would find nothing new.
        finishedPly_ = taskPly_;
        finishedGeneration_ = taskGeneration_;
    }
    analysisHost_.setRecorder(nullptr);
    task_ = WorkerTask::kNone;
    scheduleWorker();
}

void CAmazonDoc::haltAnalysis() {
    if (computer_.thinking() && task_ != WorkerTask::kPlayer) {
        computer_.flags().moveNow = true;
        computer_.searchEnded();
        analysisHost_.setRecorder(nullptr);
        task_ = WorkerTask::kNone;
        ++haltedFinishes_;
    }
}

void CAmazonDoc::startReview() {
    analysis_.startReview(recordMoves() + 1, readReviewPlayouts(profile_));
    ++recordGeneration_;
    scheduleWorker();
}

void CAmazonDoc::cancelReview() {
    analysis_.cancelReview();
    scheduleWorker();
}

void CAmazonDoc::finishReview() {
    std::vector<BoardMove> played;
    std::vector<PositionAnalysis> positions;
    for (const MoveRecord* move = gameRecord_ ? gameRecord_->head() : nullptr; move;
         move = move->next) {
        played.push_back({move->from(), move->to(), move->arrow()});
    }
    for (int32_t ply = 0; ply <= static_cast<int32_t>(played.size()); ++ply) {
        const PositionAnalysis* analysis = analysis_.at(ply);
        if (!analysis) {
            analysis_.cancelReview();
            return;
        }
        positions.push_back(*analysis);
    }
    analysis_.finishReview(reviewMoves(played, positions, readReviewThresholds(profile_)));
    reviewFinished_ = true;
}

bool CAmazonDoc::takeReviewFinished() {
    return std::exchange(reviewFinished_, false);
}

void CAmazonDoc::reclassifyReview() {
    const ReviewThresholds thresholds = readReviewThresholds(profile_);
    std::vector<std::optional<MoveReview>> reviews = analysis_.reviews();
    for (std::optional<MoveReview>& review : reviews) {
        if (review && review->moveClass != MoveClass::kBest) {
            review->moveClass =
                classifyLoss(std::max(0.0, review->chanceBefore - review->chanceAfter), thresholds);
        }
    }
    analysis_.setReviews(reviews);
}

void CAmazonDoc::goToPly(int32_t ply) {
    while (currentPly() > ply && canStepBack()) {
        stepBack(StepKind::kOne);
    }
    while (currentPly() < ply && canStepForward()) {
        stepForward(StepKind::kOne);
    }
}

std::optional<int32_t> CAmazonDoc::nextMarkedMove(bool forward) const {
    const auto marked = [this](int32_t move) {
        const MoveReview* review = analysis_.review(move);
        return review && review->moveClass >= MoveClass::kInaccuracy;
    };
    const auto count = static_cast<int32_t>(analysis_.reviews().size());
    if (forward) {
        for (int32_t move = currentPly() + 1; move < count; ++move) {
            if (marked(move)) {
                return move;
            }
        }
    } else {
        for (int32_t move = std::min(currentPly(), count) - 1; move >= 0; --move) {
            if (marked(move)) {
                return move;
            }
        }
    }
    return std::nullopt;
}

}  // namespace taravin
