#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/board_move.h"
#include "model/move_review.h"

namespace taravin {

// "4.2" for 0.042: a fraction in percent with one decimal, whatever the locale.
std::string percentTenthsText(double fraction);

// "D10-D6 (C5)".
std::string moveText(const BoardMove& move);

// Whether the review names a best move other than the one played, and the move is not the best.
bool hasBetterMove(const MoveReview& review);

// "Blue: D10-D6 (C5) 43% -> 31% mistake, best G10-G7 (D7) 44%": the mover's chances before
// (with the best move) and after the move, in whole percent, and the better move with its
// chance when there is one; the best move itself reads "Red: D1-D7 (G7) 44% -> 44% best".
std::string reviewText(const MoveReview& review);

// "12. " and the review's text: one line of a game's review.
std::string reviewLine(int32_t moveNumber, const MoveReview& review);

// "Better: G10-G7 (D7) 44%": the better move and its chance, for the variation that holds it.
std::string betterMoveText(const MoveReview& review);

// "Red: best 10, good 12, inaccuracy 3, mistake 2, blunder 1, mean loss 4.2%".
std::string sideSummaryLine(Side side, const SideReviewSummary& summary);

// The review that reviewText wrote for the mover's move `played` on a board of the given
// size, from that text: chances in whole percent, the class, and the better move. The best
// move itself is its own better move. When the text goes on after the class in any other
// form than reviewText's, the better move is unknown. Nothing for any other text.
std::optional<MoveReview> reviewFromText(std::string_view text, Side mover, const BoardMove& played,
                                         int32_t rows, int32_t columns);

}  // namespace taravin
