#include "model/move_record.h"

#include <cstdlib>
#include <new>

#include "model/board.h"
#include "model/fatal_error.h"

namespace taravin {

MoveRecord::~MoveRecord() = default;

std::string MoveRecord::text(bool withSide) const {
    if (inputState_ != kMoveComplete) {
        return {};
    }
    std::string moveText =
        squareName(from_) + " - " + squareName(to_) + " (" + squareName(arrow_) + ")";
    if (withSide) {
        return std::string(side_ == Side::kRed ? "Red" : "Blue") + ": " + moveText;
    }
    return moveText;
}

std::string MoveRecord::prompt() const {
    if (side_ == Side::kNone) {
        return "None";
    }
    const std::string who = side_ == Side::kRed ? "Red" : "Blue";
    switch (inputState_) {
        case kMoveComplete:
            return who + " - none";
        case kSelectQueen:
            return who + " - select a queen to move";
        case kSelectNewLocation:
            return who + " - select a new location for the queen";
        case kThrowArrow:
            return who + " - throw an arrow";
        default:
            return who;
    }
}

bool MoveRecord::isOnLine(int32_t row, int32_t column) const {
    const Square reference = inputState_ == kSelectNewLocation ? from_ : to_;
    if (!board_ || !board_->isInner(reference.row, reference.column) ||
        !board_->isInner(row, column)) {
        return false;
    }
    const int32_t rowDelta = row - reference.row;
    const int32_t columnDelta = column - reference.column;
    int32_t rowStep = 0;
    int32_t columnStep = 0;
    if (rowDelta == 0) {
        columnStep = columnDelta >= 1 ? 1 : -1;
    } else if (columnDelta == 0) {
        rowStep = rowDelta >= 1 ? 1 : -1;
    } else if (std::abs(rowDelta) == std::abs(columnDelta)) {
        rowStep = rowDelta >= 1 ? 1 : -1;
        columnStep = columnDelta >= 1 ? 1 : -1;
    } else {
        return false;
    }
    // The border ring ends every walk, so the loop stays inside the cell array.
    for (int32_t r = reference.row + rowStep, c = reference.column + columnStep;;
         r += rowStep, c += columnStep) {
        if (r == row && c == column) {
            return true;
        }
        if (board_->content(r, c) != Content::kEmpty) {
            return false;
        }
    }
}

bool MoveRecord::isLegalMove(const Square& from, const Square& to, const Square& arrow) {
    if (!board_ || !board_->isInner(from.row, from.column) || !board_->isInner(to.row, to.column) ||
        !board_->isInner(arrow.row, arrow.column)) {
        return false;
    }
    const Side side = side_ == Side::kRed ? Side::kRed : Side::kBlue;
    const Square savedFrom = from_;
    const Square savedTo = to_;
    const int32_t savedState = inputState_;
    bool legal = false;
    bool trialMade = false;
    if (board_->content(from) == contentOf(side)) {
        setFrom(from.row, from.column);
        if (isOnLine(to.row, to.column) && board_->content(to) == Content::kEmpty) {
            board_->setContent(from, Content::kEmpty, false);
            board_->setContent(to, contentOf(side), false);
            trialMade = true;
            setTo(to.row, to.column);
            legal = board_->content(arrow) == Content::kEmpty && isOnLine(arrow.row, arrow.column);
        }
    }
    if (trialMade) {
        board_->setContent(from, contentOf(side), false);
        board_->setContent(to, Content::kEmpty, false);
    }
    from_ = savedFrom;
    to_ = savedTo;
    inputState_ = savedState;
    return legal;
}

void MoveRecord::takeBoardCopy() {
    if (!board_) {
        return;
    }
    Board* copy = new (std::nothrow) Board(*board_);
    if (!copy) {
        fatalError(kMemoryAllocationError);
    }
    ownedBoard_.reset(copy);
    board_ = copy;
}

}  // namespace taravin
