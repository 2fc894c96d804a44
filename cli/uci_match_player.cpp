#include "cli/uci_match_player.h"

#include <sstream>

#include "cli/printable_text.h"
#include "formats/uci_notation.h"

namespace taravin::cli {

namespace {

// How long an engine may take to answer "uci" and "isready".
constexpr std::chrono::milliseconds kHandshakeLimit{10000};
constexpr std::chrono::milliseconds kExitWait{1000};

// "position startpos moves ..." or "position fen FEN moves ...".
std::string positionCommand(const MatchTurn& turn) {
    const std::string fen = writeFen(turn.startBoard, Side::kRed, 1);
    std::string command = fen == kStartFen ? "position startpos" : "position fen " + fen;
    if (!turn.moves.empty()) {
        command += " moves";
    }
    for (const ScannedMove& move : turn.moves) {
        command += ' ';
        command += uciMoveText(move.from, move.to, move.arrow);
    }
    return command;
}

}  // namespace

UciMatchPlayer::UciMatchPlayer(std::string command, ThinkingLimit limit)
    : command_(std::move(command)), limit_(limit) {}

UciMatchPlayer::~UciMatchPlayer() {
    if (engine_) {
        engine_->writeLine("quit");
    }
}

void UciMatchPlayer::drop() {
    if (engine_) {
        engine_->kill();
        engine_.reset();
    }
}

bool UciMatchPlayer::send(const std::string& line, std::string& failure) {
    if (engine_->writeLine(line)) {
        return true;
    }
    failure = "the engine stopped reading its input";
    drop();
    return false;
}

std::optional<std::string> UciMatchPlayer::awaitLine(const std::string& prefix,
                                                     std::chrono::milliseconds limit,
                                                     std::string& failure) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::string line;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const ChildProcess::ReadStatus status =
            engine_->readLine(line, std::max(left, std::chrono::milliseconds(0)));
        if (status == ChildProcess::ReadStatus::kLine) {
            if (line.rfind(prefix, 0) == 0) {
                return line;
            }
            offersVariant_ = offersVariant_ || line.rfind("option name UCI_Variant ", 0) == 0;
            continue;
        }
        if (status == ChildProcess::ReadStatus::kTimeout) {
            failure = "no \"" + prefix + "\" within " + std::to_string(limit.count()) +
                      " ms; the engine was killed";
        } else {
            const std::optional<int> code = engine_->waitForExit(kExitWait);
            failure = "the engine ended" +
                      (code ? " with exit code " + std::to_string(*code) : std::string());
        }
        drop();
        return std::nullopt;
    }
}

bool UciMatchPlayer::startGame(std::string& failure) {
    if (!engine_) {
        engine_ = ChildProcess::start(command_, failure);
        if (!engine_ || !send("uci", failure) || !awaitLine("uciok", kHandshakeLimit, failure)) {
            return false;
        }
        if (offersVariant_ && !send("setoption name UCI_Variant value amazons", failure)) {
            return false;
        }
    }
    return send("ucinewgame", failure) && send("isready", failure) &&
           awaitLine("readyok", kHandshakeLimit, failure);
}

MatchAnswer UciMatchPlayer::chooseMove(const MatchTurn& turn) {
    MatchAnswer answer;
    if (!engine_) {
        answer.failure = "the engine is not running";
        return answer;
    }
    const std::string go = limit_.depth > 0
                               ? "go depth " + std::to_string(limit_.depth)
                               : "go movetime " + std::to_string(limit_.moveMilliseconds);
    if (!send(positionCommand(turn), answer.failure) || !send(go, answer.failure)) {
        return answer;
    }
    const std::optional<std::string> line = awaitLine("bestmove", turn.limit, answer.failure);
    if (!line) {
        return answer;
    }
    std::istringstream words(*line);
    std::string keyword;
    std::string move;
    words >> keyword >> move;
    if (move == "(none)") {
        answer.kind = MatchAnswer::Kind::kNoMove;
        return answer;
    }
    const std::optional<ScannedMove> squares =
        parseUciMove(move, turn.board.rows(), turn.board.columns());
    if (keyword != "bestmove" || !squares) {
        answer.failure = "unreadable answer \"" + printableText(*line) + "\"";
        return answer;
    }
    answer.kind = MatchAnswer::Kind::kMove;
    answer.move = *squares;
    return answer;
}

}  // namespace taravin::cli
