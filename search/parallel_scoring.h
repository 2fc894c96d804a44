#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "eval/evaluation_selection.h"
#include "model/board.h"
#include "search/search_move.h"
#include "search/worker_pool.h"

namespace taravin {

// A participant's scratch board and the last item it scored there, on a cache line of its
// own: the participants update theirs after every item.
struct alignas(64) ScoringParticipant {
    std::unique_ptr<Board> board;
    int32_t lastItem = -1;
};

// Scores the candidate moves of a node on the pool's participants, each on a board copy of
// its own, and leaves the search board exactly as scoring them one after another on it
// would: every make and unmake moves the amazon to the tail of its side's list, which later
// generation order and some evaluations depend on.
class ParallelScoring {
  public:
    // A scratch board for each participant of the pool, made at its first batch.
    explicit ParallelScoring(WorkerPool& pool);

    // Scores candidates in generation order (each amazon's together, in the order of the
    // node's snapshot): the amazon of `side` moved from `from` to `to` and, when `arrow` is
    // a square of the board, an arrow there; evaluated with `scorer` for the searching side.
    // The board is left as it was; sendScoredToTail() then finishes the serial path's work.
    void scoreCandidates(Board& board, SearchMove* moves, int32_t count, Side side,
                         EvaluationFunction scorer, Side searchingSide, int32_t moveNumber);

    // Re-scores each move by making it, evaluating and unmaking it, in list order.
    void rescoreInOrder(Board& board, SearchMove* moves, int32_t count, Side side,
                        EvaluationFunction scorer, Side searchingSide, int32_t moveNumber);

  private:
    WorkerPool& pool_;
    std::vector<ScoringParticipant> participants_;
};

// After scoring candidates: each amazon that had one goes to the tail, in candidate order.
void sendScoredToTail(Board& board, const SearchMove* moves, int32_t count, Side side);

// The position stays, the amazon on `square` moves to the tail of its side's list, as
// making and unmaking one of its moves leaves it.
void sendToTail(Board& board, const Square& square, Side side);

// The square that marks a candidate without an arrow.
inline constexpr Square kNoArrow{0, 0};

}  // namespace taravin
