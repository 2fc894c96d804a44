// The readers behind Open on their own, without a document: the native file's setup, players
// and move history, and the SGF reader, on any bytes. Fast enough for a million inputs; the
// game file target drives the same readers through the whole document.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/game_file_reader.h"
#include "formats/sgf_reader.h"
#include "fuzz/fuzz_check.h"
#include "model/memory_profile.h"

namespace {

using namespace taravin;

bool onBoard(const Square& square, int32_t rows, int32_t columns) {
    return square.row >= 1 && square.row <= rows && square.column >= 1 && square.column <= columns;
}

void checkSgf(std::string_view text) {
    std::string error;
    const std::optional<SgfGame> game = readSgf(text, error);
    if (!game) {
        fuzz::requireThat(!error.empty(), "a refused SGF game says why");
        return;
    }
    fuzz::requireThat(
        game->rows >= 1 && game->rows <= 20 && game->columns >= 1 && game->columns <= 20,
        "an SGF board fits the program");
    fuzz::requireThat(!game->redAmazons.empty() && game->redAmazons.size() <= 4 &&
                          !game->blueAmazons.empty() && game->blueAmazons.size() <= 4,
                      "each side has one to four amazons");
    for (const SgfMove& move : game->moves) {
        if (move.squares) {
            fuzz::requireThat(onBoard(move.squares->from, game->rows, game->columns) &&
                                  onBoard(move.squares->to, game->rows, game->columns) &&
                                  onBoard(move.squares->arrow, game->rows, game->columns),
                              "an SGF move's points are on the board");
        }
    }
}

}  // namespace

// The first two bytes choose the board the move history is scanned for.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int32_t rows = 1 + data[0] % 20;
    const int32_t columns = 1 + data[1] % 20;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    MemoryProfile profile;
    storeFileBoardSetup(text, profile);
    const FilePlayers players = readFilePlayers(text);
    fuzz::requireThat(players.red || !players.blue, "Blue is read only after Red");

    const std::string_view history = moveHistoryText(text);
    fuzz::requireThat(history.data() >= text.data() &&
                          history.data() + history.size() <= text.data() + text.size(),
                      "the move history lies inside the file");
    for (const ScannedMove& move : scanMoves(history, rows, columns)) {
        fuzz::requireThat(onBoard(move.from, rows, columns) && onBoard(move.to, rows, columns) &&
                              onBoard(move.arrow, rows, columns),
                          "a scanned move's squares are on the board");
    }
    checkSgf(text);
    return 0;
}
