#include "search/parallel_scoring.h"

#include "model/move_generation.h"

namespace taravin {

namespace {

struct ScoringRequest {
    const Board& base;
    SearchMove* moves;
    int32_t count;
    Side side;
    EvaluationFunction scorer;
    Side searchingSide;
    int32_t moveNumber;
};

// Each participant starts from the base position and takes its items in increasing order;
// before an item it replays on its board the list reordering that the items it skipped
// left behind on the serial path.
class ReplayBatch : public Batch {
  public:
    ReplayBatch(const ScoringRequest& request, std::vector<ScoringParticipant>& participants)
        : request_(request), participants_(participants) {}

    void begin(int participant) override {
        ScoringParticipant& own = participants_[static_cast<std::size_t>(participant)];
        // Built by the participant's own thread, so that its memory lies apart from the
        // others' boards, which are written as often.
        if (!own.board) {
            own.board = std::make_unique<Board>(request_.base);
        } else {
            own.board->copyPositionFrom(request_.base);
        }
        own.lastItem = -1;
    }

    void run(int participant, int item) override {
        ScoringParticipant& own = participants_[static_cast<std::size_t>(participant)];
        score(*own.board, own.lastItem, item);
        own.lastItem = item;
    }

  protected:
    // Scores the item on the participant's board, whose last item was `last` (-1: none).
    virtual void score(Board& board, int32_t last, int32_t item) = 0;

    int32_t evaluate(Board& board) const {
        return request_.scorer(board, request_.searchingSide, request_.moveNumber);
    }

    const ScoringRequest& request_;

  private:
    std::vector<ScoringParticipant>& participants_;
};

// Candidates of one amazon stand together; the amazon stays on a destination while its
// arrows are scored.
class CandidateBatch final : public ReplayBatch {
  public:
    using ReplayBatch::ReplayBatch;

  private:
    void score(Board& board, int32_t last, int32_t item) override {
        const SearchMove* moves = request_.moves;
        SearchMove& move = request_.moves[item];
        const bool placed =
            last >= 0 && moves[last].amazonIndex == move.amazonIndex && moves[last].to == move.to;
        if (!placed) {
            if (last >= 0) {
                board.setContent(moves[last].to, Content::kEmpty, true);
                board.setContent(moves[last].from, contentOf(request_.side), true);
            }
            int32_t tailed = last >= 0 ? moves[last].amazonIndex : -1;
            for (int32_t skipped = last + 1; skipped < item; ++skipped) {
                const SearchMove& other = moves[skipped];
                if (other.amazonIndex != tailed && other.amazonIndex != move.amazonIndex) {
                    sendToTail(board, other.from, request_.side);
                    tailed = other.amazonIndex;
                }
            }
            board.setContent(move.from, Content::kEmpty, true);
            board.setContent(move.to, contentOf(request_.side), true);
        }
        if (move.arrow == kNoArrow) {
            move.score = evaluate(board);
        } else {
            board.setContent(move.arrow, Content::kArrow, true);
            move.score = evaluate(board);
            board.setContent(move.arrow, Content::kEmpty, true);
        }
    }
};

// Each move is made, evaluated and unmade, as the serial re-scoring does in list order.
class RescoreBatch final : public ReplayBatch {
  public:
    using ReplayBatch::ReplayBatch;

  private:
    void score(Board& board, int32_t last, int32_t item) override {
        for (int32_t skipped = last + 1; skipped < item; ++skipped) {
            sendToTail(board, request_.moves[skipped].from, request_.side);
        }
        SearchMove& move = request_.moves[item];
        const UndoRecord undo = makeMove(board, move.from, move.to, move.arrow, request_.side);
        move.score = evaluate(board);
        unmakeMove(board, move.from, move.to, move.arrow, undo);
    }
};

}  // namespace

void sendToTail(Board& board, const Square& square, Side side) {
    board.setContent(square, Content::kEmpty, true);
    board.setContent(square, contentOf(side), true);
}

void sendScoredToTail(Board& board, const SearchMove* moves, int32_t count, Side side) {
    for (int32_t item = 0; item < count; ++item) {
        if (item == 0 || moves[item].amazonIndex != moves[item - 1].amazonIndex) {
            sendToTail(board, moves[item].from, side);
        }
    }
}

ParallelScoring::ParallelScoring(WorkerPool& pool)
    : pool_(pool), participants_(static_cast<std::size_t>(pool.participants())) {}

void ParallelScoring::scoreCandidates(Board& board, SearchMove* moves, int32_t count, Side side,
                                      EvaluationFunction scorer, Side searchingSide,
                                      int32_t moveNumber) {
    const ScoringRequest request{board, moves, count, side, scorer, searchingSide, moveNumber};
    CandidateBatch batch(request, participants_);
    pool_.run(batch, count);
}

void ParallelScoring::rescoreInOrder(Board& board, SearchMove* moves, int32_t count, Side side,
                                     EvaluationFunction scorer, Side searchingSide,
                                     int32_t moveNumber) {
    const ScoringRequest request{board, moves, count, side, scorer, searchingSide, moveNumber};
    RescoreBatch batch(request, participants_);
    pool_.run(batch, count);
    for (int32_t item = 0; item < count; ++item) {
        sendToTail(board, moves[item].from, side);
    }
}

}  // namespace taravin
