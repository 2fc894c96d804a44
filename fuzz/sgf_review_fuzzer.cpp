// The SGF reader and writer together on any bytes: a game that reads, once written, reads
// again to the same moves and the same reviews, as an annotated game saved and opened again
// must; a move's review always belongs to that move.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/sgf_reader.h"
#include "formats/sgf_writer.h"
#include "fuzz/fuzz_check.h"

namespace {

using namespace taravin;

void checkReview(const SgfMove& move) {
    if (!move.review) {
        return;
    }
    const MoveReview& review = *move.review;
    fuzz::requireThat(
        move.squares && review.mover == move.side &&
            review.played == BoardMove{move.squares->from, move.squares->to, move.squares->arrow},
        "a review belongs to the move it was read for");
    fuzz::requireThat(review.chanceBefore >= 0.0 && review.chanceBefore <= 1.0 &&
                          review.chanceAfter >= 0.0 && review.chanceAfter <= 1.0,
                      "a review's chances lie between 0 and 1");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<SgfGame> game = readSgf(text, error);
    if (!game) {
        return 0;
    }
    std::vector<const SgfMove*> written;
    for (const SgfMove& move : game->moves) {
        checkReview(move);
        if (move.squares) {
            written.push_back(&move);
        }
    }
    const std::optional<SgfGame> again = readSgf(writeSgf(*game), error);
    fuzz::requireThat(again.has_value(), "a written game reads again");
    fuzz::requireThat(again->moves.size() == written.size(),
                      "a written game reads again to the moves that name points");
    for (std::size_t i = 0; i < written.size(); ++i) {
        const SgfMove& move = again->moves[i];
        fuzz::requireThat(move.side == written[i]->side && move.squares == written[i]->squares,
                          "a written move reads again");
        fuzz::requireThat(move.review == written[i]->review, "a written review reads again");
    }
    return 0;
}
