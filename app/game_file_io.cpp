#include <ostream>

#include "app/amazon_doc.h"
#include "model/game_file_reader.h"
#include "model/game_file_writer.h"

namespace taravin {

namespace {
constexpr std::string_view kGameInfoStart = "<GAME-INFO-START>";
constexpr std::string_view kBoardSetupStart = "<BOARD-SETUP-START>";

// The text after the marker, or nothing when the marker is missing.
std::optional<std::string_view> sectionAfter(std::string_view text, std::string_view marker) {
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    return text.substr(at + marker.size());
}
}  // namespace

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

bool CAmazonDoc::writeGame(std::ostream& out) const {
    const std::string text = gameText();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

void CAmazonDoc::replayMoves(const std::string& text) {
    for (const ScannedMove& move :
         scanMoves(moveHistoryText(text), board_->rows(), board_->columns())) {
        if (moveInProgress_->isLegalMove(move.from, move.to, move.arrow)) {
            applyMove(move.from, move.to, move.arrow);
        }
    }
}

void CAmazonDoc::readGame(const std::string& text, bool loadPlayers, const std::string& title) {
    loading_ = true;
    if (const auto setup = sectionAfter(text, kBoardSetupStart)) {
        storeFileBoardSetup(*setup, profile_);
    }
    reloadSettings();
    startNewGame(false);
    if (loadPlayers) {
        if (const auto info = sectionAfter(text, kGameInfoStart)) {
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
    window_.redraw(ViewArea::kWhole);
    setTitle(title);
    computer_.flags().abortSearch = false;
    computer_.flags().moveNow = false;
    loading_ = false;
    togglePause();
}

}  // namespace taravin
