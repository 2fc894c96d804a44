#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/sgf_game.h"

namespace taravin {

// Whether the text is an SGF collection: "(;" after an optional byte order mark and blanks.
bool looksLikeSgf(std::string_view text);

// Reads the first game of an SGF collection: the root's board size (SZ[10], SZ[columns:rows]),
// setup (AB Red, AW Blue, AA arrows, AE empty, applied in file order on an empty board, or on
// the standard start position when the root has neither AB nor AW), players, result and date,
// then the B and W moves of the main line (the first variation at each branch). Unknown
// properties are skipped. A move's review is read from its node's comment when that holds the
// review's text for that move (formats/review_text.h), with the better move, when the comment
// does not name it, from a variation beside the move. A game the board cannot hold (a size
// outside 1..20, a side with no amazon or more than four, a setup point off the board, another game
// than GM[18]) or a text that is no SGF gives nothing and a message in `error`. Moves are not
// checked against the rules here. Safe on any bytes and linear in the text; texts are decoded from
// Latin-1 unless CA names UTF-8 (or is missing and the bytes are valid UTF-8).
std::optional<SgfGame> readSgf(std::string_view text, std::string& error);

}  // namespace taravin
