#include "search/monte_carlo_memory.h"

#include <algorithm>
#include <utility>

#include "search/search_state.h"

namespace taravin {

namespace {

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

int32_t MonteCarloMemory::nodeOf(const Board& board, Side side) {
    const MonteCarloTree& tree = growth_->tree;
    if (side == side_ && samePosition(*board_, board)) {
        return MonteCarloTree::kRoot;
    }
    const MonteCarloNode& root = tree.node(MonteCarloTree::kRoot);
    if (!root.expanded()) {
        return -1;
    }
    for (int32_t child = root.firstChild; child < root.firstChild + root.childCount; ++child) {
        const MonteCarloNode& reply = tree.node(child);
        const SearchMove move = reply.move.searchMove();
        const UndoRecord undo = makeListedMove(*board_, move, side_);
        int32_t found = -1;
        if (side != side_) {
            found = samePosition(*board_, board) ? child : -1;
        } else if (reply.expanded()) {
            for (int32_t next = reply.firstChild;
                 found < 0 && next < reply.firstChild + reply.childCount; ++next) {
                const SearchMove answer = tree.node(next).move.searchMove();
                const UndoRecord answerUndo = makeListedMove(*board_, answer, otherSide(side_));
                found = samePosition(*board_, board) ? next : -1;
                unmakeListedMove(*board_, answer, answerUndo);
            }
        }
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
    const int32_t found = growth_ && evaluationCode == evaluationCode_ ? nodeOf(board, side) : -1;
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
