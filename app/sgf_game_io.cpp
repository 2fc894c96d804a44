#include "app/amazon_doc.h"
#include "eval/reach_queries.h"
#include "formats/sgf_reader.h"
#include "formats/sgf_writer.h"
#include "model/board_setup.h"
#include "model/settings.h"

namespace taravin {

namespace {

// "A4, D1, G1, J4": a location list that places the squares in their order.
std::string locationText(const std::vector<Square>& squares) {
    std::string text;
    for (const Square& square : squares) {
        if (!text.empty()) {
            text += ", ";
        }
        text += squareName(square);
    }
    return text;
}

std::vector<Square> amazonSquares(const Board& board, Side side) {
    std::vector<Square> squares;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        squares.push_back({node->row, node->column});
    }
    return squares;
}

std::vector<Square> arrowSquares(const Board& board) {
    std::vector<Square> squares;
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            if (board.content(row, column) == Content::kArrow) {
                squares.push_back({row, column});
            }
        }
    }
    return squares;
}

// "B+12" when the side to move on the board cannot move: the other side won by the squares
// it can still reach; empty while the game goes on.
std::string resultText(const Board& finalBoard, Side sideToMove) {
    if (!finalBoard.noMoveLeft(sideToMove)) {
        return {};
    }
    const Side winner = otherSide(sideToMove);
    Board scratch(finalBoard);
    return std::string(winner == Side::kRed ? "B+" : "W+") +
           std::to_string(countReachableSquares(scratch, winner));
}

std::string sgfName(const PlayerRecord& player) {
    return player.isComputer() ? "Computer" : player.name();
}

std::string illegalMoveMessage(std::size_t index, const SgfMove& move) {
    return "SGF move " + std::to_string(index + 1) + " (" + move.property +
           ") is not a legal move; the game keeps the " + std::to_string(index) +
           (index == 1 ? " move" : " moves") + " before it.";
}

}  // namespace

bool CAmazonDoc::readSgfGame(const std::string& text, bool loadPlayers, const std::string& title) {
    std::string error;
    const std::optional<SgfGame> game = readSgf(text, error);
    if (!game) {
        window_.showStopMessage(error);
        return false;
    }
    loading_ = true;
    BoardSetup setup;
    setup.rows = game->rows;
    setup.columns = game->columns;
    setup.redLocations = locationText(game->redAmazons);
    setup.blueLocations = locationText(game->blueAmazons);
    setup.arrowLocations = locationText(game->arrows);
    writeBoardSetup(profile_, setup);
    reloadSettings();
    startNewGame(false);
    if (loadPlayers) {
        for (const auto& [record, name] :
             {std::pair{red_.get(), &game->redName}, std::pair{blue_.get(), &game->blueName}}) {
            if (!name->empty()) {
                record->set(*name, record->type(), record->algorithm(), record->evaluation(),
                            record->timeout(), record->clock());
            }
        }
    }
    replaySgfMoves(game->moves);
    // The review comes back for the moves that were replayed.
    std::vector<std::optional<MoveReview>> reviews;
    for (std::size_t i = 0; i < game->moves.size() && static_cast<int32_t>(i) < recordMoves();
         ++i) {
        reviews.push_back(game->moves[i].review);
    }
    analysis_.setReviews(reviews);
    finishOpening(title);
    return true;
}

void CAmazonDoc::replaySgfMoves(const std::vector<SgfMove>& moves) {
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const SgfMove& move = moves[i];
        const bool legal =
            state_ == GameState::kPlay && move.side == sideToMove() && move.squares &&
            moveInProgress_->isLegalMove(move.squares->from, move.squares->to, move.squares->arrow);
        if (!legal) {
            window_.showStopMessage(illegalMoveMessage(i, move));
            return;
        }
        applyMove(move.squares->from, move.squares->to, move.squares->arrow);
    }
}

bool CAmazonDoc::openGame(const std::string& text, bool loadPlayers, const std::string& title) {
    if (looksLikeSgf(text)) {
        return readSgfGame(text, loadPlayers, title);
    }
    return readGame(text, loadPlayers, title);
}

SgfGame CAmazonDoc::sgfGame() const {
    SgfGame game;
    if (!board_) {
        return game;
    }
    game.rows = board_->rows();
    game.columns = board_->columns();
    const std::unique_ptr<Board> start = buildBoard(
        BoardSetup{game.rows, game.columns, redLocations_, blueLocations_, arrowLocations_});
    game.redAmazons = amazonSquares(*start, Side::kRed);
    game.blueAmazons = amazonSquares(*start, Side::kBlue);
    game.arrows = arrowSquares(*start);
    game.redName = sgfName(*red_);
    game.blueName = sgfName(*blue_);
    const Board* finalBoard = start.get();
    Side sideToMoveAtEnd = Side::kRed;
    if (gameRecord_) {
        int32_t index = 0;
        for (const MoveRecord* move = gameRecord_->head(); move; move = move->next, ++index) {
            const MoveReview* review = analysis_.review(index);
            game.moves.push_back({move->side(),
                                  ScannedMove{move->from(), move->to(), move->arrow()},
                                  {},
                                  review ? std::optional<MoveReview>(*review) : std::nullopt});
            finalBoard = move->board();
            sideToMoveAtEnd = otherSide(move->side());
        }
    }
    game.result = resultText(*finalBoard, sideToMoveAtEnd);
    return game;
}

std::string CAmazonDoc::gameSgfText() const {
    return writeSgf(sgfGame());
}

}  // namespace taravin
