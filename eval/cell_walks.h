#pragma once

#include <cstdint>

#include "model/board.h"

namespace taravin {

// Calls visit(index) for every inner cell, row by row.
template <class Visitor>
void forEachInnerCell(const Board& board, Visitor&& visit) {
    for (int32_t row = 1; row <= board.rows(); ++row) {
        const int32_t end = board.indexOf(row, board.columns()) + 1;
        for (int32_t i = board.indexOf(row, 1); i < end; ++i) {
            visit(i);
        }
    }
}

// Calls visit(index) for every cell on the eight rays of every amazon of the side (amazons in
// list order, rays in the direction order); a cell on two rays is visited twice.
template <class Visitor>
void forEachOneMoveCell(const Board& board, Side side, Visitor&& visit) {
    const Content* cells = board.contents();
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        const int32_t origin = board.indexOf(node->row, node->column);
        for (int32_t step : board.directionOffsets()) {
            for (int32_t i = origin + step; cells[i] == Content::kEmpty; i += step) {
                visit(i);
            }
        }
    }
}

}  // namespace taravin
