#include "match/match_game.h"

#include <mutex>

#include "app/amazon_doc.h"
#include "app/headless_game_host.h"
#include "formats/uci_notation.h"
#include "model/memory_profile.h"
#include "model/settings.h"
#include "search/memory_status.h"

namespace taravin {

namespace {

// The document searches nothing itself here, so a small table does.
constexpr uint64_t kDocumentTableBytes = 1u << 20;

// Loading the settings draws the hash values from the process's one generator, so games
// running on several threads take turns at it.
std::mutex& settingsLoadMutex() {
    static std::mutex mutex;
    return mutex;
}

MatchGameResult forfeit(const CAmazonDoc& document, Side loser, const std::string& why,
                        bool onTime) {
    MatchGameResult result;
    result.winner = otherSide(loser);
    result.reason = std::string(sideName(loser)) + " loses: " + why;
    result.record = document.sgfGame();
    result.record.result =
        std::string(result.winner == Side::kRed ? "B+" : "W+") + (onTime ? "T" : "F");
    return result;
}

}  // namespace

MatchGameResult playMatchGame(MatchPlayer& red, const std::string& redName, MatchPlayer& blue,
                              const std::string& blueName, const BoardSetup& start,
                              std::chrono::milliseconds limit,
                              const std::vector<ScannedMove>& opening) {
    MemoryProfile profile;
    writeBoardSetup(profile, start);
    writeSetting(profile, kRedKeys.name, redName);
    writeSetting(profile, kBlueKeys.name, blueName);
    HeadlessGameHost host;
    const FixedMemoryStatus memory(kDocumentTableBytes);
    CAmazonDoc document(profile, host, host, memory);
    {
        const std::lock_guard lock(settingsLoadMutex());
        document.reloadSettings();
    }
    document.startNewGame(true);
    const Board startBoard(*document.board());
    std::vector<ScannedMove> moves;
    for (const ScannedMove& move : opening) {
        if (document.state() != GameState::kPlay ||
            !document.moveInProgress().isLegalMove(move.from, move.to, move.arrow)) {
            break;
        }
        document.applyMove(move.from, move.to, move.arrow);
        moves.push_back(move);
    }

    for (const Side side : {Side::kRed, Side::kBlue}) {
        std::string failure;
        if (!(side == Side::kRed ? red : blue).startGame(failure)) {
            return forfeit(document, side, failure, false);
        }
    }
    while (document.state() == GameState::kPlay) {
        const Side side = document.sideToMove();
        if (document.board()->noMoveLeft(side)) {
            document.gameOver();
            break;
        }
        MatchPlayer& mover = side == Side::kRed ? red : blue;
        const auto asked = std::chrono::steady_clock::now();
        const MatchAnswer answer = mover.chooseMove(
            {*document.board(), side, document.moveNumber(), startBoard, moves, limit});
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - asked);
        if (took > limit && mover.heldToLimit()) {
            const bool failed = answer.kind == MatchAnswer::Kind::kFailure;
            return forfeit(document, side,
                           "took " + std::to_string(took.count()) + " ms, the limit is " +
                               std::to_string(limit.count()) + " ms" +
                               (failed ? "; " + answer.failure : std::string()),
                           true);
        }
        if (answer.kind == MatchAnswer::Kind::kFailure) {
            return forfeit(document, side, answer.failure, false);
        }
        if (answer.kind == MatchAnswer::Kind::kNoMove) {
            return forfeit(document, side, "claimed to have no move", false);
        }
        const ScannedMove& move = answer.move;
        if (!document.moveInProgress().isLegalMove(move.from, move.to, move.arrow)) {
            return forfeit(document, side,
                           "illegal move " + uciMoveText(move.from, move.to, move.arrow), false);
        }
        document.applyMove(move.from, move.to, move.arrow);
        moves.push_back(move);
    }
    MatchGameResult result;
    result.winner = host.congratulations().back().winner;
    result.reason = host.congratulations().back().text;
    result.record = document.sgfGame();
    return result;
}

}  // namespace taravin
