#include "match/builtin_match_player.h"

#include "headless/synchronous_search.h"
#include "model/mt19937.h"
#include "search/memory_status.h"

namespace taravin {

BuiltinMatchPlayer::BuiltinMatchPlayer(int32_t algorithm, int32_t evaluation, ThinkingLimit limit,
                                       uint64_t tableMemoryBytes)
    : algorithm_(algorithm),
      evaluation_(evaluation),
      limit_(limit),
      tableMemoryBytes_(tableMemoryBytes) {}

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
    const std::optional<SearchResult> result =
        searchToEnd(request, {}, std::chrono::milliseconds(limit_.moveMilliseconds));
    if (!result) {
        return {MatchAnswer::Kind::kFailure, {}, "its search could not start"};
    }
    switch (result->outcome) {
        case SearchOutcome::kMoveFound:
            return {MatchAnswer::Kind::kMove, {result->from, result->to, result->arrow}, {}};
        case SearchOutcome::kNoMove:
            return {MatchAnswer::Kind::kNoMove, {}, {}};
        case SearchOutcome::kMemoryFailure:
            break;
    }
    return {MatchAnswer::Kind::kFailure, {}, "its search ran out of memory"};
}

}  // namespace taravin
