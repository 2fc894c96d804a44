#include "app/amazon_doc.h"
#include "eval/evaluation_selection.h"
#include "eval/min_distance.h"
#include "eval/reach_queries.h"

namespace taravin {

namespace {

std::string evaluationLine(bool computer, int32_t value, int32_t moves, int32_t nodes,
                           int32_t depth) {
    std::string text = "Evaluation: " + std::to_string(value);
    if (!computer) {
        return text + " Moves: " + std::to_string(moves);
    }
    return text + "  Moves: " + std::to_string(moves) + " Nodes: " + std::to_string(nodes) +
           "  Depth: " + std::to_string(depth);
}

std::string marginText(Side winner, int32_t points) {
    const std::string name = winner == Side::kRed ? "Red" : "Blue";
    if (points == 1) {
        return name + " wins by 1 point.";
    }
    return name + " wins by " + std::to_string(points) + " points.";
}

}  // namespace

void CAmazonDoc::markLastMove(bool marked) {
    if (!lastMove_ || !board_) {
        return;
    }
    for (const Square& square : {lastMove_->from(), lastMove_->to(), lastMove_->arrow()}) {
        if (marked) {
            board_->setMark(square.row, square.column, kLastMoveMark);
        } else {
            board_->clearMark(square.row, square.column, kLastMoveMark);
        }
        window_.redrawSquare(square.row, square.column);
    }
}

void CAmazonDoc::applyMove(const Square& from, const Square& to, const Square& arrow) {
    const Side side = sideToMove();
    markLastMove(false);
    MoveRecord& move = *moveInProgress_;
    board_->setContent(from, Content::kEmpty, true);
    board_->setMark(from.row, from.column, kLastMoveMark);
    move.setFrom(from.row, from.column);
    window_.redrawSquare(from.row, from.column);
    board_->setContent(to, contentOf(side), true);
    board_->setMark(to.row, to.column, kLastMoveMark);
    move.setTo(to.row, to.column);
    window_.redrawSquare(to.row, to.column);
    board_->setContent(arrow, Content::kArrow, true);
    board_->setMark(arrow.row, arrow.column, kLastMoveMark);
    move.setArrow(arrow.row, arrow.column);
    window_.redrawSquare(arrow.row, arrow.column);
    if (soundEnabled_ && !loading_) {
        window_.playMoveSound();
    }
    completeMove();
    moveInProgress_->setMessage("");
    window_.redraw(ViewArea::kClocksAndStatus);
}

void CAmazonDoc::discardRecordsAfter(MoveRecord* move) {
    if (!move) {
        gameRecord_->clear();
        return;
    }
    while (move->next) {
        delete gameRecord_->unlink(move->next);
    }
}

void CAmazonDoc::updateEvaluationText(Side side) {
    const PlayerRecord& mover = player(side);
    if (mover.isComputer()) {
        const int32_t value =
            selectStatusEvaluation(mover.evaluation())(*board_, side, moveNumber_);
        evaluationText_ = evaluationLine(true, value, movesAvailable_, searchNodes_, searchDepth_);
    } else {
        const int32_t value = evaluateMinDistanceArrays(*board_, side, moveNumber_);
        evaluationText_ = evaluationLine(false, value, movesAvailable_, 0, 0);
    }
}

void CAmazonDoc::completeMove() {
    if (!gameRecord_) {
        gameRecord_ = std::make_unique<MoveRecordList>();
    }
    MoveRecord* finished = moveInProgress_.get();
    const Side mover = sideToMove();
    const Side next = otherSide(mover);

    discardRecordsAfter(lastMove_);
    if (moveNumber_ < recordLength_ || analysis_.reviewing()) {
        forgetAnalysisFrom(moveNumber_);
    }
    updateEvaluationText(mover);
    window_.redraw(ViewArea::kEvaluationLine);

    ++moveNumber_;
    recordLength_ = moveNumber_;
    lastMove_ = finished;

    movesAvailable_ = board_->countLegalMoves(next);
    window_.killClockTimer();
    if (!loading_) {
        window_.startClockTimer(next);
    }
    player(mover).setLastMoveText(finished->text());
    finished->takeBoardCopy();
    gameRecord_->append(moveInProgress_.release());
    moveInProgress_ = std::make_unique<MoveRecord>(next, board_.get());
    setModified(true);

    if (player(next).isComputer() && !loading_) {
        requestSearch(false);
    } else if (board_->noMoveLeft(next)) {
        gameOver();
    }
    window_.redraw(ViewArea::kLastMoves);
    scheduleWorker();
}

void CAmazonDoc::gameOver() {
    window_.killClockTimer();
    const Side loser = sideToMove();
    setState(GameState::kOver, loser);
    window_.redraw(ViewArea::kStateLine);
    const Side winner = loser == Side::kBlue ? Side::kRed : Side::kBlue;
    const int32_t points = countReachableSquares(*board_, winner);
    window_.showCongratulations(winner, marginText(winner, points));
}

}  // namespace taravin
