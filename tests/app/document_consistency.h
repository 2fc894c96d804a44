#pragma once

#include <cstdint>
#include <string>

#include "app/amazon_doc.h"
#include "model/board.h"
#include "model/move_record.h"

namespace taravin::testing {

inline bool sameContent(const Board& a, const Board& b) {
    if (a.rows() != b.rows() || a.columns() != b.columns()) {
        return false;
    }
    for (int32_t row = 1; row <= a.rows(); ++row) {
        for (int32_t column = 1; column <= a.columns(); ++column) {
            if (a.content(row, column) != b.content(row, column)) {
                return false;
            }
        }
    }
    return true;
}

// Replays the record on the start position: every move legal where it was played, sides
// alternating from Red, each record's board copy the position after it. Returns what is
// wrong, or nothing; `cursorIndex` is the cursor's place in the record, -1 for the start.
inline std::string checkRecord(const MoveRecordList& record, const MoveRecord* cursor,
                               const Board& start, int32_t& cursorIndex) {
    cursorIndex = cursor ? -2 : -1;
    Board position(start);
    int32_t index = 0;
    for (const MoveRecord* move = record.head(); move; move = move->next, ++index) {
        const Side side = index % 2 == 0 ? Side::kRed : Side::kBlue;
        if (move->side() != side) {
            return "record " + std::to_string(index) + " is not " + sideName(side) + "'s";
        }
        MoveRecord probe(side, &position);
        if (!probe.isLegalMove(move->from(), move->to(), move->arrow())) {
            return "record " + std::to_string(index) + " (" + move->text() + ") is not legal";
        }
        position.setContent(move->from(), Content::kEmpty, true);
        position.setContent(move->to(), contentOf(side), true);
        position.setContent(move->arrow(), Content::kArrow, true);
        if (!move->ownsBoard() || !sameContent(*move->board(), position)) {
            return "record " + std::to_string(index) + " keeps another position";
        }
        if (move == cursor) {
            cursorIndex = index;
        }
    }
    if (cursorIndex == -2) {
        return "the last move is not in the game record";
    }
    if (record.size() != static_cast<std::size_t>(index)) {
        return "the record's size is not its length";
    }
    return {};
}

// Everything that must hold between two events of the window thread: a search runs only in
// Play or in a pause that waits for its move, clocks run only in Play and only the mover's,
// the board is the record replayed to the last move, and the cursor, the move in progress and
// the move number agree with it. `start` is the position the game began with; the text says
// what is wrong, empty when nothing is.
inline std::string documentInconsistency(CAmazonDoc& doc, const Board& start,
                                         int32_t runningClock) {
    const GameState state = doc.state();
    if (doc.thinking() &&
        !(state == GameState::kPlay || (state == GameState::kPause && doc.pauseDiscard()))) {
        return "a search runs in state " + std::to_string(static_cast<int32_t>(state));
    }
    if (doc.pauseDiscard() && !(state == GameState::kPause && doc.thinking())) {
        return "a pause waits for a move with no search running";
    }
    if (state != GameState::kPlay && runningClock != 0) {
        return "a clock runs in state " + std::to_string(static_cast<int32_t>(state));
    }
    if (!doc.board() || !doc.gameRecord()) {
        return "no board or no game record";
    }
    int32_t cursorIndex = -1;
    if (std::string wrong = checkRecord(*doc.gameRecord(), doc.lastMove(), start, cursorIndex);
        !wrong.empty()) {
        return wrong;
    }
    // Each record's board was checked against the replay, so the last move's stands for it.
    if (!sameContent(*doc.board(), doc.lastMove() ? *doc.lastMove()->board() : start)) {
        return "the board is not the record replayed to the last move";
    }
    if (doc.recordLength() != static_cast<int32_t>(doc.gameRecord()->size()) + 1) {
        return "record length " + std::to_string(doc.recordLength()) + " for " +
               std::to_string(doc.gameRecord()->size()) + " moves";
    }
    const MoveRecord& inProgress = doc.moveInProgress();
    if (inProgress.previous && inProgress.previous != doc.lastMove()) {
        return "the cursor's previous link is not the last move";
    }
    const MoveRecord* following = doc.lastMove() ? doc.lastMove()->next : doc.gameRecord()->head();
    if (inProgress.next && inProgress.next != following) {
        return "the cursor's next link is not the move after the last move";
    }
    if (state == GameState::kStop) {
        // A stopped game's move in progress has no side, and stepping there counts move
        // numbers from the record's end, so neither is compared.
        return {};
    }
    const Side toMove =
        doc.lastMove() && doc.lastMove()->side() == Side::kRed ? Side::kBlue : Side::kRed;
    if (inProgress.side() != toMove || inProgress.board() != doc.board()) {
        return "the move in progress is not " + std::string(sideName(toMove)) + "'s on the board";
    }
    if (doc.moveNumber() != cursorIndex + 2) {
        return "move number " + std::to_string(doc.moveNumber()) + " after " +
               std::to_string(cursorIndex + 1) + " moves";
    }
    if (state == GameState::kPlay && runningClock != 0 && runningClock != sideCode(toMove)) {
        return "the clock of the side not to move runs";
    }
    if (state == GameState::kOver && (doc.thinking() || !doc.board()->noMoveLeft(toMove))) {
        return "the game is over with a move left";
    }
    return {};
}

}  // namespace taravin::testing
