#pragma once

#include <cstdint>
#include <string>

#include "formats/sgf_game.h"

namespace taravin {

// "dj" on a board of the given rows: column letter from the left, row letter from the top.
std::string sgfPoint(const Square& square, int32_t rows);

// The game as an SGF collection of one game, in UTF-8:
// "(;FF[4]GM[18]AP[Taravin:VERSION]CA[UTF-8]SZ[..]" with the setup (AB, AW, and AA when there
// are arrows), PB and PW, RE and DT when they are set, then every move. A reviewed move's node
// holds its class (TE[1] best, DO[] inaccuracy, BM[1] mistake, BM[2] blunder), V (Red's chance
// after the move less 50, in percent) and the review's text as C; a better move follows the
// played one as the variation beside it, "(;W[played]...)(;W[better]C[Better: ...])". Texts
// are escaped and written on one line each.
std::string writeSgf(const SgfGame& game);

}  // namespace taravin
