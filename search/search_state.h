#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/board.h"
#include "model/move_generation.h"
#include "search/parallel_scoring.h"
#include "search/search_context.h"
#include "search/search_move.h"
#include "search/worker_pool.h"

namespace taravin {

class TranspositionTable;

// The moves of one node: a window onto a buffer reused by every node at the same ply.
struct MoveList {
    SearchMove* moves = nullptr;
    int32_t count = 0;
    int32_t capacity = 0;

    SearchMove* begin() const { return moves; }
    SearchMove* end() const { return moves + count; }
    void append(const SearchMove& move) { moves[count++] = move; }
    bool full() const { return count >= capacity; }
};

// The squares of a side's amazons as a node found them; making moves reorders the live list.
struct AmazonSnapshot {
    std::array<Square, kMaxAmazonsPerSide> squares{};
    int32_t count = 0;
};
AmazonSnapshot snapshotAmazons(const Board& board, Side side);

// Everything one running search works with: the context, the worker's board copy, and
// buffers for the move lists and principal variations of each ply, allocated once.
class SearchState {
  public:
    static constexpr int kMaxPlies = kDeepestIteration + kQuiescencePlies + 2;
    static constexpr int kPvLength = kDepthCountSlots;

    SearchState(SearchContext& context, Board& board);
    ~SearchState();
    SearchState(const SearchState&) = delete;
    SearchState& operator=(const SearchState&) = delete;

    SearchContext& context;
    SearchFlags& flags;
    Board& board;
    TranspositionTable* table;

    bool continueSearch() const { return flags.continueSearch(); }
    ParallelScoring& scoring() { return scoring_; }
    void countNode() { ++context.nodeCount; }

    // The player's evaluation for the searching side at the root move number.
    int32_t evaluate() { return evaluateWith(context.evaluation); }
    int32_t evaluateWith(EvaluationFunction function) {
        return function(board, context.side, context.moveNumber);
    }

    // An empty move list for a node at this ply, with room for every legal move plus the
    // first move; sets memoryError and returns a list without room when that fails.
    MoveList moveListAt(int ply);
    // The principal-variation array that the children of a node at this ply fill, its first
    // `length` entries zeroed: a child that records no line (table hit, quiet node, no move)
    // must not leave the moves of an earlier node at this ply in it.
    SearchMove* freshChildPv(int ply, int length);

  private:
    WorkerPool ownPool_{1};
    ParallelScoring scoring_;
    std::vector<std::vector<SearchMove>> listBuffers_;
    std::vector<std::array<SearchMove, kPvLength>> childPvs_;
};

// Makes and unmakes a move of the list on the search board (with update).
UndoRecord makeListedMove(Board& board, const SearchMove& move, Side side);
void unmakeListedMove(Board& board, const SearchMove& move, const UndoRecord& undo);

}  // namespace taravin
