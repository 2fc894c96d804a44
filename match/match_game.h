#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/game_file_reader.h"
#include "formats/sgf_game.h"
#include "model/board.h"
#include "model/board_setup.h"

namespace taravin {

// What a player is told at its turn of a match game.
struct MatchTurn {
    const Board& board;
    Side side;
    int32_t moveNumber;
    // The start position and every move since, for players that replay the game.
    const Board& startBoard;
    const std::vector<ScannedMove>& moves;
    // The player loses the game when it takes longer for its answer.
    std::chrono::milliseconds limit;
};

// A player's answer: a move, no move (it has none), or the reason it lost the game.
struct MatchAnswer {
    enum class Kind { kMove, kNoMove, kFailure };
    Kind kind = Kind::kFailure;
    ScannedMove move;
    std::string failure;
};

// One side of a match game: a built-in computer player or an engine spoken to over UCI.
class MatchPlayer {
  public:
    virtual ~MatchPlayer() = default;
    // Before each game; false with a reason when the player cannot play it.
    virtual bool startGame(std::string& failure) = 0;
    virtual MatchAnswer chooseMove(const MatchTurn& turn) = 0;
    // Whether an answer after the turn's limit loses. A player that cannot hang and thinks to
    // a fixed depth is not timed, so that a busy machine cannot change a result.
    virtual bool heldToLimit() const { return true; }
};

// The outcome of one match game.
struct MatchGameResult {
    Side winner = Side::kRed;
    // "Red wins by 12 points." or what the losing side did wrong.
    std::string reason;
    // The game with its result ("B+12", or "W+F" when Red forfeited, "W+T" on time).
    SgfGame record;
};

// Plays one game between the two players through the document's game flow on the given
// start position, after the `opening` moves as far as they are legal: every move is checked
// and applied as a move from outside the window, the document ends the game when a side
// cannot move. A player that fails, gives a move that is not legal, claims to have no move
// while it has one, or answers after `limit` loses.
MatchGameResult playMatchGame(MatchPlayer& red, const std::string& redName, MatchPlayer& blue,
                              const std::string& blueName, const BoardSetup& start,
                              std::chrono::milliseconds limit,
                              const std::vector<ScannedMove>& opening = {});

}  // namespace taravin
