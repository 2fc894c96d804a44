#include "search/move_generators.h"

#include <array>

#include "eval/min_distance.h"
#include "search/parallel_scoring.h"
#include "search/score_sort.h"

namespace taravin {

namespace {

// The selective generator keeps every destination of an amazon with fewer than this many, and
// the better half of the others'.
constexpr int32_t kKeepEveryDestinationBelow = 5;

// Every arrow square reachable from `to` once the amazon has left `from` gives one move.
void appendArrowMoves(const Board& board, MoveList& list, const Square& from, int32_t toIndex,
                      int32_t amazonIndex) {
    const Content* cells = board.contents();
    const int32_t origin = board.indexOf(from.row, from.column);
    const Square to{board.rowOf(toIndex), board.columnOf(toIndex)};
    for (int32_t step : board.directionOffsets()) {
        for (int32_t arrowIndex = toIndex + step;
             cells[arrowIndex] == Content::kEmpty || arrowIndex == origin; arrowIndex += step) {
            if (list.full()) {
                return;
            }
            const Square arrow{board.rowOf(arrowIndex), board.columnOf(arrowIndex)};
            list.append(SearchMove{from, to, arrow, 0, 0, amazonIndex});
        }
    }
}

// A side's destinations, amazon by amazon: amazon k's are [start[k], start[k + 1]).
struct Destinations {
    std::array<SearchMove, kMaxAmazonsPerSide * 4 * kMaxBoardSize> moves;
    std::array<int32_t, kMaxAmazonsPerSide + 1> start{};
};

void listDestinations(const Board& board, const AmazonSnapshot& amazons, Destinations& out) {
    const Content* cells = board.contents();
    int32_t count = 0;
    for (int32_t k = 0; k < amazons.count; ++k) {
        out.start[static_cast<std::size_t>(k)] = count;
        const Square& from = amazons.squares[static_cast<std::size_t>(k)];
        const int32_t origin = board.indexOf(from.row, from.column);
        for (int32_t step : board.directionOffsets()) {
            for (int32_t toIndex = origin + step; cells[toIndex] == Content::kEmpty;
                 toIndex += step) {
                out.moves[static_cast<std::size_t>(count++)] = SearchMove{
                    from, {board.rowOf(toIndex), board.columnOf(toIndex)}, kNoArrow, 0, 0, k};
            }
        }
    }
    out.start[static_cast<std::size_t>(amazons.count)] = count;
}

void scoreFrom(SearchState& state, MoveList& list, int32_t first, Side side,
               EvaluationFunction scorer) {
    state.scoring().scoreCandidates(state.board, list.moves + first, list.count - first, side,
                                    scorer, state.context.side, state.context.moveNumber);
}

// Making and unmaking a move sends its amazon to the tail of its side's list: after scoring,
// each amazon that can move gets there, in snapshot order, also when a full list left its
// moves out.
void sendMovableToTail(Board& board, const AmazonSnapshot& amazons, const Destinations& all,
                       Side side) {
    for (int32_t k = 0; k < amazons.count; ++k) {
        const auto at = static_cast<std::size_t>(k);
        if (all.start[at + 1] > all.start[at]) {
            sendToTail(board, amazons.squares[at], side);
        }
    }
}

}  // namespace

void generateAllMoves(SearchState& state, MoveList& list, const AmazonSnapshot& amazons, Side side,
                      EvaluationFunction scorer) {
    Destinations all;
    listDestinations(state.board, amazons, all);
    const int32_t first = list.count;
    for (int32_t k = 0; k < all.start[static_cast<std::size_t>(amazons.count)]; ++k) {
        const SearchMove& destination = all.moves[static_cast<std::size_t>(k)];
        appendArrowMoves(state.board, list, destination.from,
                         state.board.indexOf(destination.to.row, destination.to.column),
                         destination.amazonIndex);
    }
    scoreFrom(state, list, first, side, scorer);
    sendMovableToTail(state.board, amazons, all, side);
}

void generateSelectedMoves(SearchState& state, MoveList& list, const AmazonSnapshot& amazons,
                           Side side, EvaluationFunction scorer, bool maximising) {
    Destinations all;
    listDestinations(state.board, amazons, all);
    const int32_t total = all.start[static_cast<std::size_t>(amazons.count)];
    state.scoring().scoreCandidates(state.board, all.moves.data(), total, side,
                                    evaluateMinDistanceArrays, state.context.side,
                                    state.context.moveNumber);
    const int32_t first = list.count;
    for (int32_t k = 0; k < amazons.count; ++k) {
        SearchMove* begin = all.moves.data() + all.start[static_cast<std::size_t>(k)];
        SearchMove* end = all.moves.data() + all.start[static_cast<std::size_t>(k) + 1];
        sortByScore(begin, end, maximising);
        const auto count = static_cast<int32_t>(end - begin);
        const int32_t kept = count < kKeepEveryDestinationBelow ? count : count / 2;
        for (const SearchMove* destination = begin; destination != begin + kept; ++destination) {
            appendArrowMoves(state.board, list, destination->from,
                             state.board.indexOf(destination->to.row, destination->to.column), k);
        }
    }
    scoreFrom(state, list, first, side, scorer);
    sendMovableToTail(state.board, amazons, all, side);
}

}  // namespace taravin
