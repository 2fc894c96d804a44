#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/game_file_reader.h"
#include "model/board.h"

namespace taravin {

// The notation of engines and GUIs that speak UCI for Amazons. Squares are a lower-case
// column letter and the row counted from 1 at the bottom ("a1", "t20"); a move is
// "FROMTO,TOARROW" ("d1d6,d6g9"). The first player (Red) is "white", written "Q" in a FEN.

inline constexpr const char* kStartFen = "3q2q3/10/10/q8q/10/10/Q8Q/10/10/3Q2Q3 w - - 0 1";

std::string uciSquare(const Square& square);
std::string uciMoveText(const Square& from, const Square& to, const Square& arrow);
// A move on a board of the given size, letters in either case; nothing when the text is no
// move there.
std::optional<ScannedMove> parseUciMove(std::string_view text, int32_t rows, int32_t columns);

// A position as a FEN gives it. The amazons are listed column by column from the left, each
// column from the bottom, so that the standard start lists them as the standard setup does.
struct FenPosition {
    int32_t rows = 0;
    int32_t columns = 0;
    std::vector<Square> redAmazons;
    std::vector<Square> blueAmazons;
    std::vector<Square> arrows;
    Side sideToMove = Side::kRed;
    // The game's move number: 1 for white's first move, 2 for black's.
    int32_t moveNumber = 1;
};

// Reads "BOARD [SIDE [CASTLING [EN-PASSANT [HALFMOVES [FULLMOVES]]]]]": ranks from the top
// separated by '/', 'Q' a Red amazon, 'q' a Blue one, '*' (or 'P', 'p') an arrow, a number a
// run of empty squares; a "[...]" part after the board is ignored. SIDE is "w" (Red) or "b".
// Nothing, with a message in `error`, when the text is no position the board can hold (ranks
// of different widths, more than 20 ranks or files, more than four amazons a side).
std::optional<FenPosition> parseFen(std::string_view fen, std::string& error);

// The board of the position: Blue, Red, then the arrows placed in their list order, the
// hash computed with the given values and moveCapacity set.
std::unique_ptr<Board> buildFenBoard(const FenPosition& position,
                                     std::shared_ptr<const ZobristKeys> keys = nullptr);

// The FEN of a board with the side to move and the game's move number.
std::string writeFen(const Board& board, Side sideToMove, int32_t moveNumber);

}  // namespace taravin
