#include "app/amazon_doc.h"
#include "model/board_setup.h"
#include "model/settings.h"

namespace taravin {

namespace {
constexpr int kFiveMoves = 5;
}  // namespace

bool CAmazonDoc::canStepBack() const {
    if (!gameRecord_ || thinking()) {
        return false;
    }
    return moveInProgress_->previous || (lastMove_ && !gameRecord_->empty());
}

bool CAmazonDoc::canStepForward() const {
    return gameRecord_ && !thinking() && moveInProgress_->next;
}

void CAmazonDoc::placeBoard(MoveRecord* position) {
    board_.reset();
    window_.killClockTimer();
    if (position) {
        board_ = std::make_unique<Board>(*position->board());
    } else {
        // The start position is rebuilt from the settings, so a changed setup shows here.
        board_ = buildBoard(readBoardSetup(profile_, StoredBoardSize::kAsStored),
                            tables_ ? tables_->hashKeys() : nullptr);
        moveNumber_ = 1;
    }
    board_->recomputeHash();
    board_->computeMoveCapacity();
}

void CAmazonDoc::placeMoveInProgress(MoveRecord* position) {
    moveInProgress_.reset();
    lastMove_ = position;
    if (position) {
        const Side mover = position->side() == Side::kRed ? Side::kRed : Side::kBlue;
        const Side next = otherSide(mover);
        moveInProgress_ = std::make_unique<MoveRecord>(next, board_.get());
        player(mover).setLastMoveText(position->text());
        player(next).setLastMoveText(position->previous ? position->previous->text() : "");
        moveInProgress_->previous = position;
        moveInProgress_->next = position->next;
    } else {
        moveInProgress_ = std::make_unique<MoveRecord>(Side::kRed, board_.get());
        red_->setLastMoveText("");
        blue_->setLastMoveText("");
        moveInProgress_->next = gameRecord_->head();
    }
    if (state_ == GameState::kPlay && sideToMoveIsHuman()) {
        window_.startClockTimer(sideToMove());
    }
    evaluationText_.clear();
    setModified(true);
    window_.redraw(ViewArea::kWhole);
    scheduleWorker();
}

void CAmazonDoc::stepBack(StepKind kind) {
    if (!canStepBack()) {
        return;
    }
    MoveRecord* cursor = moveInProgress_->previous;
    MoveRecord* target = nullptr;
    int32_t moveNumber = 1;
    switch (kind) {
        case StepKind::kOne:
            target = cursor ? cursor->previous : gameRecord_->tail()->previous;
            moveNumber = moveNumber_ - 1;
            break;
        case StepKind::kToEnd:
            break;
        case StepKind::kFive: {
            MoveRecord* reached = cursor ? cursor : gameRecord_->tail();
            int steps = 0;
            for (; steps < kFiveMoves && reached; ++steps) {
                reached = reached->previous;
            }
            target = steps == kFiveMoves ? reached : nullptr;
            moveNumber = moveNumber_ < kFiveMoves + 1 ? 1 : moveNumber_ - kFiveMoves;
            break;
        }
    }
    moveNumber_ = moveNumber;
    placeBoard(target);
    if (state_ == GameState::kOver) {
        setState(GameState::kPlay);
    }
    placeMoveInProgress(target);
}

void CAmazonDoc::stepForward(StepKind kind) {
    if (!canStepForward()) {
        return;
    }
    MoveRecord* target = nullptr;
    switch (kind) {
        case StepKind::kOne:
            target = moveInProgress_->next;
            moveNumber_ += 1;
            break;
        case StepKind::kToEnd:
            target = gameRecord_->tail();
            moveNumber_ = recordLength_;
            break;
        case StepKind::kFive: {
            MoveRecord* reached = moveInProgress_->next;
            int steps = 0;
            for (; steps < kFiveMoves && reached; ++steps) {
                reached = reached->next;
            }
            target = steps == kFiveMoves && reached ? reached->previous : gameRecord_->tail();
            moveNumber_ = std::min(moveNumber_ + kFiveMoves, recordLength_);
            break;
        }
    }
    placeBoard(target);
    placeMoveInProgress(target);
}

}  // namespace taravin
