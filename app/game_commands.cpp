#include "app/amazon_doc.h"
#include "model/fatal_error.h"

namespace taravin {

namespace {
constexpr int kStopWaitMilliseconds = 100;

std::string suggestionQuestion(const SearchResult& result) {
    return "The suggested move is " + squareName(result.from) + " - " + squareName(result.to) +
           " (" + squareName(result.arrow) + "). Would you like to execute it?";
}
}  // namespace

void CAmazonDoc::togglePause() {
    // A search that waits for the analysis to end is not wanted any more.
    pendingPlayerSearch_.reset();
    pauseDiscard_ = true;
    if (state_ == GameState::kPause) {
        if (sideToMoveIsHuman()) {
            startClock(sideToMove());
        }
        setState(GameState::kPlay);
        pauseDiscard_ = false;
    } else {
        if (thinking()) {
            // The move the search returns is discarded; the flag stays set until then.
            computer_.flags().moveNow = true;
        } else {
            pauseDiscard_ = false;
        }
        window_.killClockTimer();
        setState(GameState::kPause);
    }
    window_.redraw(ViewArea::kStateLine);
    scheduleWorker();
}

void CAmazonDoc::requestStop() {
    pendingPlayerSearch_.reset();
    computer_.flags().abortSearch = true;
    window_.postDeferred(DeferredRequest::kStop, 0);
}

void CAmazonDoc::handleDeferredStop() {
    if (thinking()) {
        window_.postDeferred(DeferredRequest::kStop, kStopWaitMilliseconds);
        return;
    }
    stopGame();
    window_.killClockTimer();
    window_.clearDragState();
    window_.redraw(ViewArea::kStateLine);
    window_.redraw(ViewArea::kCurrentMove);
    // The player's search has ended; an analysis of the stopped game may run.
    computer_.flags().abortSearch = false;
    scheduleWorker();
}

void CAmazonDoc::markSuggestion(const SearchResult& result, bool shown) {
    const std::pair<Square, int32_t> marks[] = {{result.from, kSuggestedMark},
                                                {result.to, kSuggestedMark},
                                                {result.arrow, kSuggestedArrowMark}};
    for (const auto& [square, mark] : marks) {
        if (shown) {
            board_->setMark(square.row, square.column, mark);
        } else {
            board_->clearMark(square.row, square.column, mark);
        }
        window_.redrawSquare(square.row, square.column);
    }
}

void CAmazonDoc::suggestMove() {
    requestSearch(true);
}

void CAmazonDoc::makeMove() {
    movesAvailable_ = board_->countLegalMoves(sideToMove());
    startClock(sideToMove());
    requestSearch(false);
}

void CAmazonDoc::stopComputingAndMove() {
    computer_.flags().moveNow = true;
}

void CAmazonDoc::switchSides() {
    window_.killClockTimer();
    taravin::switchSides(*red_, *blue_);
}

void CAmazonDoc::handleSearchTimeout() {
    computer_.flags().moveNow = true;
}

void CAmazonDoc::tickClock(Side side) {
    player(side).tick();
    moveInProgress_->tick();
}

void CAmazonDoc::handleStatusText(const std::string& text) {
    searchText_ = text;
    window_.redraw(ViewArea::kSearchText);
}

void CAmazonDoc::handleSearchFinished(const SearchResult& result) {
    if (!computer_.thinking()) {
        // The end of an analysis that was halted and waited for.
        return;
    }
    if (task_ != WorkerTask::kPlayer) {
        finishAnalysisTask();
        return;
    }
    handlePlayerSearchFinished(result);
    if (!computer_.thinking()) {
        task_ = WorkerTask::kNone;
        scheduleWorker();
    }
}

void CAmazonDoc::handlePlayerSearchFinished(const SearchResult& result) {
    computer_.searchEnded();
    searchText_.clear();
    window_.redraw(ViewArea::kSearchText);
    const bool aborted = computer_.flags().abortSearch;
    switch (result.outcome) {
        case SearchOutcome::kMemoryFailure:
            fatalError(kUnableToAllocateMemory);
        case SearchOutcome::kNoMove:
            // The search has ended, so a pause taken during it no longer waits for a move.
            pauseDiscard_ = false;
            if (!aborted) {
                gameOver();
            }
            return;
        case SearchOutcome::kMoveFound:
            break;
    }
    if (pauseDiscard_) {
        pauseDiscard_ = false;
        return;
    }
    if (aborted || state_ != GameState::kPlay || !board_) {
        return;
    }
    // The worker searched a copy; play its move only if it is legal here.
    MoveRecord check(sideToMove(), board_.get());
    if (!check.isLegalMove(result.from, result.to, result.arrow)) {
        return;
    }
    if (result.suggest) {
        // The move stands marked on the board while the question is open.
        markSuggestion(result, true);
        const bool accepted = window_.askYesNo(suggestionQuestion(result));
        markSuggestion(result, false);
        if (accepted) {
            applyMove(result.from, result.to, result.arrow);
        }
        return;
    }
    searchDepth_ = result.depthReached;
    searchNodes_ = result.nodeCount;
    applyMove(result.from, result.to, result.arrow);
}

}  // namespace taravin
