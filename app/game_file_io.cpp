#include <algorithm>

#include "app/amazon_doc.h"
#include "formats/game_file_reader.h"
#include "formats/game_file_writer.h"
#include "model/location_parser.h"
#include "model/memory_profile.h"
#include "model/settings.h"

namespace taravin {

namespace {
constexpr std::string_view kGameInfoStart = "<GAME-INFO-START>";
constexpr std::string_view kBoardSetupStart = "<BOARD-SETUP-START>";
constexpr std::string_view kMoveHistoryStart = "<MOVE-HISTORY-START>";

// A file of moves alone is a game file too; one with no section and no move is something else.
bool looksLikeGameFile(const std::string& text, const Profile& profile) {
    for (const std::string_view marker : {kGameInfoStart, kBoardSetupStart, kMoveHistoryStart}) {
        if (afterKeyAtLineStart(text, marker)) {
            return true;
        }
    }
    const BoardSetup stored = readBoardSetup(profile);
    return !scanMoves(text, stored.rows, stored.columns).empty();
}

int32_t distinctSquares(std::string_view text, int32_t rows, int32_t columns) {
    std::vector<Square> squares = parseLocations(text, rows, columns);
    std::sort(squares.begin(), squares.end(), [](const Square& a, const Square& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    return static_cast<int32_t>(std::unique(squares.begin(), squares.end()) - squares.begin());
}

// Whether the setup the profile would hold after taking the file's is one the board supports.
bool supportedFileSetup(const Profile& profile, std::string_view setupText) {
    MemoryProfile merged;
    writeBoardSetup(merged, readBoardSetup(profile, StoredBoardSize::kAsStored));
    storeFileBoardSetup(setupText, merged);
    const BoardSetup setup = readBoardSetup(merged);
    const auto sizeSupported = [](int32_t size) {
        return size >= kMinBoardSize && size <= kMaxBoardSize;
    };
    return sizeSupported(setup.rows) && sizeSupported(setup.columns) &&
           distinctSquares(setup.redLocations, setup.rows, setup.columns) <= kMaxAmazonsPerSide &&
           distinctSquares(setup.blueLocations, setup.rows, setup.columns) <= kMaxAmazonsPerSide;
}

}  // namespace

const char* const CAmazonDoc::kNotAGameFileMessage =
    "This file is not a Taravin game file: it holds no game information, board setup or moves.";

const char* const CAmazonDoc::kUnsupportedSetupMessage =
    "The board setup of this game file is not supported: a board has 1 to 20 rows and columns "
    "and each side at most 4 amazons.";

std::string CAmazonDoc::gameText() const {
    if (!board_) {
        return {};
    }
    GameFileSource source{*red_,          *blue_,          *board_,     redLocations_,
                          blueLocations_, arrowLocations_, moveNumber_, {}};
    if (gameRecord_) {
        for (const MoveRecord* move = gameRecord_->head(); move; move = move->next) {
            source.moveTexts.push_back(move->text());
        }
    }
    return writeGameText(source);
}

void CAmazonDoc::replayMoves(const std::string& text) {
    for (const ScannedMove& move :
         scanMoves(moveHistoryText(text), board_->rows(), board_->columns())) {
        if (moveInProgress_->isLegalMove(move.from, move.to, move.arrow)) {
            applyMove(move.from, move.to, move.arrow);
        }
    }
}

bool CAmazonDoc::readGame(const std::string& text, bool loadPlayers, const std::string& title) {
    if (!looksLikeGameFile(text, profile_)) {
        window_.showStopMessage(kNotAGameFileMessage);
        return false;
    }
    const auto setup = afterKeyAtLineStart(text, kBoardSetupStart);
    if (setup && !supportedFileSetup(profile_, *setup)) {
        window_.showStopMessage(kUnsupportedSetupMessage);
        return false;
    }
    loading_ = true;
    if (setup) {
        storeFileBoardSetup(*setup, profile_);
    }
    reloadSettings();
    startNewGame(false);
    if (loadPlayers) {
        if (const auto info = afterKeyAtLineStart(text, kGameInfoStart)) {
            const FilePlayers players = readFilePlayers(*info);
            if (players.red) {
                applyFilePlayer(*players.red, *red_);
            }
            if (players.blue) {
                applyFilePlayer(*players.blue, *blue_);
            }
        }
    }
    replayMoves(text);
    finishOpening(title);
    return true;
}

void CAmazonDoc::finishOpening(const std::string& title) {
    window_.redraw(ViewArea::kWhole);
    setTitle(title);
    setModified(false);
    computer_.flags().abortSearch = false;
    computer_.flags().moveNow = false;
    loading_ = false;
    togglePause();
}

}  // namespace taravin
