#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/board.h"
#include "model/intrusive_list.h"
#include "model/square.h"

namespace taravin {

// Input states of a move being entered.
enum InputState : int32_t {
    kMoveComplete = 0,
    kSelectQueen = 1,
    kSelectNewLocation = 2,
    kThrowArrow = 3,
};

// One move: the move being entered, a completed move of the game record (owning a copy of
// the board after it), or an entry of a search move list.
class MoveRecord {
  public:
    MoveRecord(Side side, Board* board) : inputState_(kSelectQueen), side_(side), board_(board) {}
    MoveRecord(const MoveRecord&) = delete;
    MoveRecord& operator=(const MoveRecord&) = delete;
    virtual ~MoveRecord();

    void setFrom(int32_t row, int32_t column) {
        from_ = {row, column};
        inputState_ = kSelectNewLocation;
    }
    void setTo(int32_t row, int32_t column) {
        to_ = {row, column};
        inputState_ = kThrowArrow;
    }
    void setArrow(int32_t row, int32_t column) {
        arrow_ = {row, column};
        inputState_ = kMoveComplete;
    }
    void reset() { inputState_ = kSelectQueen; }

    Square from() const { return from_; }
    Square to() const { return to_; }
    Square arrow() const { return arrow_; }
    Side side() const { return side_; }
    int32_t inputState() const { return inputState_; }
    Board* board() const { return board_; }
    bool ownsBoard() const { return ownedBoard_ != nullptr; }
    const std::string& message() const { return message_; }
    void setMessage(std::string message) { message_ = std::move(message); }
    int32_t seconds() const { return seconds_; }
    void tick() { ++seconds_; }

    // "D1 - D7 (G7)", or with side "Red: D1 - D7 (G7)"; empty while the move is incomplete.
    std::string text(bool withSide = false) const;
    // The Current Move line: "None" for a stopped game, else "<side> - <what to do>".
    std::string prompt() const;

    // Walks from the reference square (from in state 2, else to) towards the target: 1 when
    // the target is reached over empty squares. The target's own content is not examined.
    bool isOnLine(int32_t row, int32_t column) const;
    // Whether the record's side may play from-to with the arrow on its board. Leaves the
    // board and the record exactly as they were.
    bool isLegalMove(const Square& from, const Square& to, const Square& arrow);

    // Replaces the board reference by an owned copy of that board.
    void takeBoardCopy();

    MoveRecord* next = nullptr;
    MoveRecord* previous = nullptr;

  private:
    Square arrow_;
    Square from_;
    Square to_;
    int32_t seconds_ = 0;
    int32_t inputState_ = kMoveComplete;
    Side side_ = Side::kNone;
    Board* board_ = nullptr;
    std::string message_;
    std::unique_ptr<Board> ownedBoard_;
};

using MoveRecordList = IntrusiveList<MoveRecord>;

}  // namespace taravin
