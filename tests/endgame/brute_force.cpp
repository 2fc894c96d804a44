#include "brute_force.h"

#include <unordered_map>

#include "model/move_generation.h"

namespace taravin::testing {

namespace {

struct Move {
    Square from;
    Square to;
    Square arrow;
};

std::vector<Move> legalMoves(const Board& board, Side side) {
    std::vector<Move> moves;
    forEachLegalMove(board, side, [&](const Square& from, const Square& to, const Square& arrow) {
        moves.push_back(Move{from, to, arrow});
    });
    return moves;
}

std::string contentsKey(const Board& board, Side mover) {
    std::string key(1, static_cast<char>('0' + sideCode(mover)));
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            key += static_cast<char>('0' + contentCode(board.content(row, column)));
        }
    }
    return key;
}

int32_t soloMoves(Board& board, Side side, std::unordered_map<std::string, int32_t>& known) {
    const std::string key = contentsKey(board, side);
    if (const auto found = known.find(key); found != known.end()) {
        return found->second;
    }
    int32_t best = 0;
    for (const Move& move : legalMoves(board, side)) {
        const UndoRecord undo = makeMove(board, move.from, move.to, move.arrow, side);
        best = std::max(best, 1 + soloMoves(board, side, known));
        unmakeMove(board, move.from, move.to, move.arrow, undo);
    }
    known.emplace(key, best);
    return best;
}

int32_t margin(Board& board, Side mover, std::unordered_map<std::string, int32_t>& known) {
    const std::string key = contentsKey(board, mover);
    if (const auto found = known.find(key); found != known.end()) {
        return found->second;
    }
    const std::vector<Move> moves = legalMoves(board, mover);
    int32_t best = moves.empty() ? -bruteForceMoves(board, otherSide(mover)) : INT32_MIN;
    for (const Move& move : moves) {
        const UndoRecord undo = makeMove(board, move.from, move.to, move.arrow, mover);
        best = std::max(best, 1 - margin(board, otherSide(mover), known));
        unmakeMove(board, move.from, move.to, move.arrow, undo);
    }
    known.emplace(key, best);
    return best;
}

}  // namespace

std::unique_ptr<Board> drawnBoard(const std::vector<std::string>& rows) {
    auto board = std::make_unique<Board>(static_cast<int32_t>(rows.size()),
                                         static_cast<int32_t>(rows.front().size()));
    for (std::size_t line = 0; line < rows.size(); ++line) {
        const int32_t row = static_cast<int32_t>(rows.size() - line);
        for (std::size_t k = 0; k < rows[line].size(); ++k) {
            const char mark = rows[line][k];
            const Content content = mark == 'x'   ? Content::kArrow
                                    : mark == 'r' ? Content::kRed
                                    : mark == 'b' ? Content::kBlue
                                                  : Content::kEmpty;
            board->setContent(row, static_cast<int32_t>(k) + 1, content, true);
        }
    }
    return board;
}

int32_t bruteForceMoves(Board& board, Side side) {
    std::unordered_map<std::string, int32_t> known;
    return soloMoves(board, side, known);
}

int32_t fullWidthMargin(Board& board, Side mover) {
    std::unordered_map<std::string, int32_t> known;
    return margin(board, mover, known);
}

}  // namespace taravin::testing
