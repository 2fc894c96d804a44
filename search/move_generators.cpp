#include "search/move_generators.h"

#include <algorithm>
#include <array>

#include "eval/min_distance.h"

namespace taravin {

namespace {

// The amazon stands on `to` and its origin is empty: every arrow square reachable from `to`
// gives one move, scored with the arrow in place.
void appendArrowMoves(SearchState& state, MoveList& list, const Square& from, int32_t toIndex,
                      int32_t amazonIndex, EvaluationFunction scorer) {
    Board& board = state.board;
    const int32_t* cells = board.contents();
    const Square to{board.rowOf(toIndex), board.columnOf(toIndex)};
    for (int32_t step : board.directionOffsets()) {
        for (int32_t arrowIndex = toIndex + step; cells[arrowIndex] == kEmpty; arrowIndex += step) {
            if (list.full()) {
                return;
            }
            const Square arrow{board.rowOf(arrowIndex), board.columnOf(arrowIndex)};
            board.setContent(arrow, kArrow, true);
            const int32_t score = state.evaluateWith(scorer);
            board.setContent(arrow, kEmpty, true);
            list.append(SearchMove{from, to, arrow, score, 0, amazonIndex});
        }
    }
}

// Moving the amazon once per destination and throwing each arrow from there leaves the board,
// the lists and the hash exactly as making and unmaking every move in turn would.
void moveAmazon(Board& board, const Square& from, const Square& to, int32_t side) {
    board.setContent(from, kEmpty, true);
    board.setContent(to, side, true);
}

void returnAmazon(Board& board, const Square& from, const Square& to, int32_t side) {
    board.setContent(to, kEmpty, true);
    board.setContent(from, side, true);
}

struct Destination {
    int32_t index = 0;
    int32_t score = 0;
};

}  // namespace

void generateAllMoves(SearchState& state, MoveList& list, const Square& from, int32_t side,
                      int32_t amazonIndex, EvaluationFunction scorer) {
    Board& board = state.board;
    const int32_t* cells = board.contents();
    const int32_t origin = board.indexOf(from.row, from.column);
    for (int32_t step : board.directionOffsets()) {
        for (int32_t toIndex = origin + step; cells[toIndex] == kEmpty; toIndex += step) {
            const Square to{board.rowOf(toIndex), board.columnOf(toIndex)};
            moveAmazon(board, from, to, side);
            appendArrowMoves(state, list, from, toIndex, amazonIndex, scorer);
            returnAmazon(board, from, to, side);
        }
    }
}

void generateSelectedMoves(SearchState& state, MoveList& list, const Square& from, int32_t side,
                           int32_t amazonIndex, EvaluationFunction scorer, bool maximising) {
    Board& board = state.board;
    const int32_t* cells = board.contents();
    const int32_t origin = board.indexOf(from.row, from.column);
    std::array<Destination, 4 * kMaxBoardSize> destinations;
    std::size_t count = 0;
    for (int32_t step : board.directionOffsets()) {
        for (int32_t toIndex = origin + step; cells[toIndex] == kEmpty; toIndex += step) {
            destinations[count++].index = toIndex;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        const Square to{board.rowOf(destinations[i].index), board.columnOf(destinations[i].index)};
        moveAmazon(board, from, to, side);
        destinations[i].score = state.evaluateWith(evaluateMinDistanceArrays);
        returnAmazon(board, from, to, side);
    }
    const auto end = destinations.begin() + static_cast<std::ptrdiff_t>(count);
    if (maximising) {
        std::stable_sort(destinations.begin(), end, [](const Destination& a, const Destination& b) {
            return a.score > b.score;
        });
    } else {
        std::stable_sort(destinations.begin(), end, [](const Destination& a, const Destination& b) {
            return a.score < b.score;
        });
    }
    const std::size_t kept = count < 5 ? count : count / 2;
    for (std::size_t i = 0; i < kept; ++i) {
        const Square to{board.rowOf(destinations[i].index), board.columnOf(destinations[i].index)};
        moveAmazon(board, from, to, side);
        appendArrowMoves(state, list, from, destinations[i].index, amazonIndex, scorer);
        returnAmazon(board, from, to, side);
    }
}

}  // namespace taravin
