#include "search/move_generators.h"

#include <algorithm>
#include <array>

#include "eval/min_distance.h"
#include "search/parallel_scoring.h"

namespace taravin {

namespace {

// Every arrow square reachable from `to` once the amazon has left `from` gives one move.
void appendArrowMoves(const Board& board, MoveList& list, const Square& from, int32_t toIndex,
                      int32_t amazonIndex) {
    const int32_t* cells = board.contents();
    const int32_t origin = board.indexOf(from.row, from.column);
    const Square to{board.rowOf(toIndex), board.columnOf(toIndex)};
    for (int32_t step : board.directionOffsets()) {
        for (int32_t arrowIndex = toIndex + step;
             cells[arrowIndex] == kEmpty || arrowIndex == origin; arrowIndex += step) {
            if (list.full()) {
                return;
            }
            const Square arrow{board.rowOf(arrowIndex), board.columnOf(arrowIndex)};
            list.append(SearchMove{from, to, arrow, 0, 0, amazonIndex});
        }
    }
}

// Scores the moves appended from `first` on, and leaves the board as making and unmaking each
// in turn would.
void scoreAppended(SearchState& state, MoveList& list, int32_t first, int32_t side,
                   EvaluationFunction scorer) {
    const int32_t count = list.count - first;
    state.scoring().scoreCandidates(state.board, list.moves + first, count, side, scorer,
                                    state.context.side, state.context.moveNumber);
    sendScoredToTail(state.board, list.moves + first, count, side);
}

}  // namespace

void generateAllMoves(SearchState& state, MoveList& list, const Square& from, int32_t side,
                      int32_t amazonIndex, EvaluationFunction scorer) {
    const Board& board = state.board;
    const int32_t* cells = board.contents();
    const int32_t origin = board.indexOf(from.row, from.column);
    const int32_t first = list.count;
    bool moved = false;
    for (int32_t step : board.directionOffsets()) {
        for (int32_t toIndex = origin + step; cells[toIndex] == kEmpty; toIndex += step) {
            appendArrowMoves(board, list, from, toIndex, amazonIndex);
            moved = true;
        }
    }
    scoreAppended(state, list, first, side, scorer);
    if (list.count == first && moved) {
        sendToTail(state.board, from, side);
    }
}

void generateSelectedMoves(SearchState& state, MoveList& list, const Square& from, int32_t side,
                           int32_t amazonIndex, EvaluationFunction scorer, bool maximising) {
    const Board& board = state.board;
    const int32_t* cells = board.contents();
    const int32_t origin = board.indexOf(from.row, from.column);
    std::array<SearchMove, 4 * kMaxBoardSize> destinations;
    int32_t count = 0;
    for (int32_t step : board.directionOffsets()) {
        for (int32_t toIndex = origin + step; cells[toIndex] == kEmpty; toIndex += step) {
            destinations[static_cast<std::size_t>(count++)] = SearchMove{
                from, {board.rowOf(toIndex), board.columnOf(toIndex)}, kNoArrow, 0, 0, amazonIndex};
        }
    }
    state.scoring().scoreCandidates(state.board, destinations.data(), count, side,
                                    evaluateMinDistanceArrays, state.context.side,
                                    state.context.moveNumber);
    const auto end = destinations.begin() + count;
    if (maximising) {
        std::stable_sort(destinations.begin(), end, [](const SearchMove& a, const SearchMove& b) {
            return a.score > b.score;
        });
    } else {
        std::stable_sort(destinations.begin(), end, [](const SearchMove& a, const SearchMove& b) {
            return a.score < b.score;
        });
    }
    const int32_t kept = count < 5 ? count : count / 2;
    const int32_t first = list.count;
    for (int32_t i = 0; i < kept; ++i) {
        const Square& to = destinations[static_cast<std::size_t>(i)].to;
        appendArrowMoves(board, list, from, board.indexOf(to.row, to.column), amazonIndex);
    }
    scoreAppended(state, list, first, side, scorer);
    if (list.count == first && count > 0) {
        sendToTail(state.board, from, side);
    }
}

}  // namespace taravin
