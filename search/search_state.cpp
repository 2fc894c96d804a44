#include "search/search_state.h"

#include <algorithm>
#include <new>

#include "model/move_generation.h"

namespace taravin {

AmazonSnapshot snapshotAmazons(const Board& board, Side side) {
    AmazonSnapshot snapshot;
    for (const PositionNode* node = board.amazons(side).head();
         node && snapshot.count < kMaxAmazonsPerSide; node = node->next) {
        snapshot.squares[static_cast<std::size_t>(snapshot.count++)] = node->square();
    }
    return snapshot;
}

SearchState::SearchState(SearchContext& searchContext, Board& searchBoard)
    : context(searchContext),
      flags(*searchContext.flags),
      board(searchBoard),
      table(searchContext.table),
      scoring_(searchContext.pool ? *searchContext.pool : ownPool_),
      listBuffers_(kMaxPlies),
      childPvs_(kMaxPlies + 1) {}

SearchState::~SearchState() = default;

MoveList SearchState::moveListAt(int ply) {
    MoveList list;
    if (ply < 0 || ply >= kMaxPlies) {
        flags.memoryError = true;
        return list;
    }
    auto& buffer = listBuffers_[static_cast<std::size_t>(ply)];
    const std::size_t needed = static_cast<std::size_t>(std::max(board.moveCapacity(), 0)) + 1;
    if (buffer.size() < needed) {
        try {
            buffer.resize(needed);
        } catch (const std::bad_alloc&) {
            flags.memoryError = true;
            return list;
        }
    }
    list.moves = buffer.data();
    list.capacity = static_cast<int32_t>(needed) - 1;
    return list;
}

SearchMove* SearchState::freshChildPv(int ply, int length) {
    auto& entries = childPvs_[static_cast<std::size_t>(ply)];
    std::fill_n(entries.begin(), std::clamp(length, 0, kPvLength), SearchMove{});
    return entries.data();
}

UndoRecord makeListedMove(Board& board, const SearchMove& move, Side side) {
    return makeMove(board, move.from, move.to, move.arrow, side);
}

void unmakeListedMove(Board& board, const SearchMove& move, const UndoRecord& undo) {
    unmakeMove(board, move.from, move.to, move.arrow, undo);
}

}  // namespace taravin
