#include "match/builtin_match_player.h"

#include "model/mt19937.h"
#include "search/memory_status.h"

namespace taravin {

BuiltinMatchPlayer::BuiltinMatchPlayer(int32_t algorithm, int32_t evaluation, ThinkingLimit limit,
                                       uint64_t tableMemoryBytes)
    : algorithm_(algorithm),
      evaluation_(evaluation),
      limit_(limit),
      tableMemoryBytes_(tableMemoryBytes),
      host_(nullptr, [this] { player_.flags().moveNow = true; }),
      player_(host_) {}

MatchAnswer BuiltinMatchPlayer::chooseMove(const MatchTurn& turn) {
    if (!tables_ || tables_->hashKeys()->cellCount != turn.board.cellCount()) {
        tables_.reset();
        // A fresh generator, so that the same game is played the same way every time.
        Mt19937 generator;
        tables_ = std::make_unique<SearchTables>(FixedMemoryStatus(tableMemoryBytes_), generator,
                                                 turn.board.rows(), turn.board.columns());
    }
    Board searched(turn.board);
    searched.setHashKeys(tables_->hashKeys());
    searched.recomputeHash();
    SearchRequest request;
    request.board = &searched;
    request.side = turn.side;
    request.moveNumber = turn.moveNumber;
    request.algorithm = algorithm_;
    request.evaluationCode = evaluation_;
    request.lastIteration = limit_.depth > 0 ? limit_.depth : kDeepestIteration;
    request.useTimeout = false;
    request.table = &tables_->table();
    if (!player_.requestSearch(request)) {
        return {MatchAnswer::Kind::kFailure, {}, "its search could not start"};
    }
    if (limit_.moveMilliseconds > 0) {
        moveTimer_.start(std::chrono::milliseconds(limit_.moveMilliseconds),
                         [this] { player_.flags().moveNow = true; });
    }
    const SearchResult result = host_.waitForResult();
    player_.searchEnded();
    moveTimer_.stop();
    switch (result.outcome) {
        case SearchOutcome::kMoveFound:
            return {MatchAnswer::Kind::kMove, {result.from, result.to, result.arrow}, {}};
        case SearchOutcome::kNoMove:
            return {MatchAnswer::Kind::kNoMove, {}, {}};
        case SearchOutcome::kMemoryFailure:
            break;
    }
    return {MatchAnswer::Kind::kFailure, {}, "its search ran out of memory"};
}

}  // namespace taravin
