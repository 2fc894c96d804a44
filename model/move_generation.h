#pragma once

#include <cstdint>

#include "model/board.h"
#include "model/square.h"

namespace taravin {

// The contents of the three squares of a move before it was made.
struct UndoRecord {
    Content fromContent = Content::kEmpty;
    Content toContent = Content::kEmpty;
    Content arrowContent = Content::kEmpty;
};

// Empties from, puts the side's amazon on to and an arrow on arrow, all with update. The
// three contents are read first, so unmake also restores an arrow thrown onto from.
inline UndoRecord makeMove(Board& board, const Square& from, const Square& to, const Square& arrow,
                           Side side) {
    const UndoRecord undo{board.content(from), board.content(to), board.content(arrow)};
    board.setContent(from, Content::kEmpty, true);
    board.setContent(to, contentOf(side), true);
    board.setContent(arrow, Content::kArrow, true);
    return undo;
}

// Writes the remembered contents back in the order from, to, arrow. The moved amazon stays
// at the tail of its side's list.
inline void unmakeMove(Board& board, const Square& from, const Square& to, const Square& arrow,
                       const UndoRecord& undo) {
    board.setContent(from, undo.fromContent, true);
    board.setContent(to, undo.toContent, true);
    board.setContent(arrow, undo.arrowContent, true);
}

// Calls visit(from, to, arrow) for every legal move of the side in the fixed order: amazons
// in list order, destinations by direction then distance, arrows the same way from the
// destination (passing over the vacated origin). The board is not changed.
template <class Visitor>
void forEachLegalMove(const Board& board, Side side, Visitor&& visit) {
    const Content* cells = board.contents();
    const auto& offsets = board.directionOffsets();
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        const Square from{node->row, node->column};
        const int32_t origin = board.indexOf(node->row, node->column);
        for (int32_t step : offsets) {
            for (int32_t to = origin + step; cells[to] == Content::kEmpty; to += step) {
                const Square toSquare{board.rowOf(to), board.columnOf(to)};
                for (int32_t arrowStep : offsets) {
                    for (int32_t arrow = to + arrowStep;
                         cells[arrow] == Content::kEmpty || arrow == origin; arrow += arrowStep) {
                        visit(from, toSquare, Square{board.rowOf(arrow), board.columnOf(arrow)});
                    }
                }
            }
        }
    }
}

}  // namespace taravin
