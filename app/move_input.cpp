#include "app/move_input.h"

namespace taravin {

bool MoveInput::acceptsInput() const {
    return document_.state() == GameState::kPlay && document_.sideToMoveIsHuman() &&
           !document_.thinking() && document_.board() != nullptr;
}

void MoveInput::setMessage(const char* message) {
    document_.moveInProgress().setMessage(message);
    window_.redraw(ViewArea::kMessageLine);
}

bool MoveInput::press(const Square& square) {
    MoveRecord& move = document_.moveInProgress();
    Board& board = *document_.board();
    if (move.inputState() != kSelectQueen ||
        board.content(square) != contentOf(document_.sideToMove())) {
        return false;
    }
    board.setMark(square.row, square.column, kSelectedMark);
    move.setFrom(square.row, square.column);
    window_.redrawSquare(square.row, square.column);
    window_.redraw(ViewArea::kCurrentMove);
    setMessage("");
    return true;
}

void MoveInput::release(const Square& square) {
    switch (document_.moveInProgress().inputState()) {
        case kSelectNewLocation:
            placeQueen(square);
            break;
        case kThrowArrow:
            throwArrow(square);
            break;
        default:
            break;
    }
}

void MoveInput::placeQueen(const Square& target) {
    MoveRecord& move = document_.moveInProgress();
    Board& board = *document_.board();
    const Square from = move.from();
    if (board.content(target) == Content::kEmpty && move.isOnLine(target.row, target.column)) {
        board.setContent(target, contentOf(document_.sideToMove()), true);
        board.setMark(target.row, target.column, kSelectedMark);
        move.setTo(target.row, target.column);
        // The square left keeps its frame while the arrow is pending.
        board.setContent(from, Content::kEmpty, true);
        board.setMark(from.row, from.column, kSelectedMark);
        window_.redrawSquare(target.row, target.column);
        window_.redrawSquare(from.row, from.column);
        setMessage("");
    } else {
        board.clearMark(from.row, from.column, kSelectedMark);
        window_.redrawSquare(from.row, from.column);
        move.reset();
        setMessage(kInvalidNewLocation);
    }
    window_.redraw(ViewArea::kCurrentMove);
}

void MoveInput::throwArrow(const Square& target) {
    MoveRecord& move = document_.moveInProgress();
    const Board& board = *document_.board();
    const Content content = board.content(target);
    if (content == Content::kEmpty && move.isOnLine(target.row, target.column)) {
        completeWithArrow(target);
    } else if (content == contentOf(document_.sideToMove()) &&
               (board.marks(target.row, target.column) & kSelectedMark) != 0) {
        cancelMove(target);
    } else {
        setMessage(kInvalidArrowSquare);
    }
    window_.redraw(ViewArea::kEvaluationLine);
    window_.redraw(ViewArea::kMessageLine);
    window_.redraw(ViewArea::kCurrentMove);
}

void MoveInput::completeWithArrow(const Square& target) {
    MoveRecord& move = document_.moveInProgress();
    Board& board = *document_.board();
    document_.markLastMove(false);
    board.setContent(target, Content::kArrow, true);
    board.setMark(target.row, target.column, kLastMoveMark);
    move.setArrow(target.row, target.column);
    window_.redrawSquare(target.row, target.column);
    for (const Square& square : {move.to(), move.from()}) {
        board.setMark(square.row, square.column, kLastMoveMark);
        board.clearMark(square.row, square.column, kSelectedMark);
        window_.redrawSquare(square.row, square.column);
    }
    document_.completeMove();
    document_.moveInProgress().setMessage("");
    window_.redraw(ViewArea::kLastMoves);
}

void MoveInput::cancelMove(const Square& target) {
    MoveRecord& move = document_.moveInProgress();
    Board& board = *document_.board();
    const Square from = move.from();
    board.setContent(target, Content::kEmpty, true);
    board.clearMark(target.row, target.column, kSelectedMark);
    board.setContent(from, contentOf(document_.sideToMove()), true);
    board.clearMark(from.row, from.column, kSelectedMark);
    move.reset();
    window_.redrawSquare(target.row, target.column);
    window_.redrawSquare(from.row, from.column);
    setMessage(kMoveCancelled);
}

void MoveInput::explainRefusedPress() {
    if (document_.state() == GameState::kStop) {
        setMessage(kNewGameHint);
    } else if (document_.state() == GameState::kOver) {
        setMessage(kGameOverHint);
    }
}

void MoveInput::dropSelection() {
    MoveRecord& move = document_.moveInProgress();
    Board* board = document_.board();
    if (move.inputState() != kSelectNewLocation || !board) {
        return;
    }
    const Square from = move.from();
    board->clearMark(from.row, from.column, kSelectedMark);
    window_.redrawSquare(from.row, from.column);
    move.reset();
    window_.redraw(ViewArea::kCurrentMove);
}

void MoveInput::clearSelection(const Square& square) {
    Board* board = document_.board();
    if (!board || !board->isInner(square.row, square.column)) {
        return;
    }
    board->clearMark(square.row, square.column, kSelectedMark);
    window_.redrawSquare(square.row, square.column);
}

}  // namespace taravin
