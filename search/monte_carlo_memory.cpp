#include "search/monte_carlo_memory.h"

#include <algorithm>
#include <utility>

#include "search/search_state.h"

namespace taravin {

namespace {

// How far below its root the kept tree is searched for the new position: the search's own move
// and the reply to it.
constexpr int kPliesAhead = 2;

bool samePosition(const Board& a, const Board& b) {
    return a.rows() == b.rows() && a.columns() == b.columns() &&
           std::equal(a.contents(), a.contents() + a.cellCount(), b.contents());
}

}  // namespace

void MonteCarloMemory::keep(std::unique_ptr<SharedGrowth> growth, const Board& board, Side side,
                            int32_t evaluationCode) {
    growth_ = std::move(growth);
    board_ = std::make_unique<Board>(board);
    side_ = side;
    evaluationCode_ = evaluationCode;
}

int32_t MonteCarloMemory::find(int32_t index, Side mover, int plies, const Board& board,
                               Side side) {
    if (mover == side && samePosition(*board_, board)) {
        return index;
    }
    const MonteCarloTree& tree = growth_->tree;
    const MonteCarloNode& node = tree.node(index);
    if (plies == 0 || !node.expanded()) {
        return -1;
    }
    for (int32_t child = node.firstChild; child < node.firstChild + node.childCount; ++child) {
        const SearchMove move = tree.node(child).move.searchMove();
        const UndoRecord undo = makeListedMove(*board_, move, mover);
        const int32_t found = find(child, otherSide(mover), plies - 1, board, side);
        unmakeListedMove(*board_, move, undo);
        if (found >= 0) {
            return found;
        }
    }
    return -1;
}

int64_t MonteCarloMemory::carryOver(MonteCarloTree& tree, const std::vector<SearchMove>& rootMoves,
                                    const Board& board, Side side, int32_t evaluationCode) {
    int64_t carried = 0;
    const int32_t found = growth_ && evaluationCode == evaluationCode_
                              ? find(MonteCarloTree::kRoot, side_, kPliesAhead, board, side)
                              : -1;
    if (found >= 0 && growth_->tree.node(found).expanded()) {
        const MonteCarloTree& kept = growth_->tree;
        const MonteCarloNode& position = kept.node(found);
        const int32_t first = tree.node(MonteCarloTree::kRoot).firstChild;
        for (std::size_t i = 0; i < rootMoves.size(); ++i) {
            const TreeMove move = TreeMove::of(rootMoves[i]);
            const int32_t end = position.firstChild + position.childCount;
            for (int32_t child = position.firstChild; child < end; ++child) {
                if (kept.node(child).move == move) {
                    tree.graft(first + static_cast<int32_t>(i), kept, child);
                    carried += kept.node(child).visits.load(std::memory_order_relaxed);
                    break;
                }
            }
        }
    }
    growth_.reset();
    board_.reset();
    return carried;
}

}  // namespace taravin
