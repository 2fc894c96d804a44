#pragma once

#include "app/amazon_doc.h"
#include "app/game_window.h"

namespace taravin {

// What the message line says to a press on the board while no game runs.
inline constexpr const char* kNewGameHint = "Choose New Game to start a game.";
inline constexpr const char* kGameOverHint = "Game over: Stop Game, then New Game.";

// The mouse entry of a move as the board sees it: pick up an own queen, put it down on a
// square it reaches, then throw the arrow. The view hands it the squares under the pointer;
// it works on the document's board and move in progress, redraws through the window, and
// hands the finished move to move completion.
class MoveInput {
  public:
    MoveInput(CAmazonDoc& document, GameWindow& window) : document_(document), window_(window) {}

    static constexpr const char* kInvalidNewLocation = "Invalid new location selected.";
    static constexpr const char* kInvalidArrowSquare = "Invalid square selected for the arrow.";
    static constexpr const char* kMoveCancelled = "Move was cancelled. Start over.";

    // The part of the acceptance test that does not depend on the pointer: the game is in
    // Play, the side to move is human and no search runs.
    bool acceptsInput() const;
    // A press on the square: picks up a queen of the side to move while one is to be chosen.
    // Returns whether a queen was picked up, which starts the drag.
    bool press(const Square& square);
    // A release on the square: puts the queen down, or throws the arrow.
    void release(const Square& square);
    // A press on the board that the game does not take because no game runs: the message
    // line says what starts one.
    void explainRefusedPress();
    // A release off the board (or no longer accepted) while dragging: the queen stays where
    // it was and a queen is to be chosen again; the message is kept.
    void dropSelection();
    // Takes the selection frame off the square of a queen that a drag picked up, when the
    // game forgets the drag (Stop, new settings).
    void clearSelection(const Square& square);

  private:
    void placeQueen(const Square& target);
    void throwArrow(const Square& target);
    void completeWithArrow(const Square& target);
    void cancelMove(const Square& target);
    void setMessage(const char* message);

    CAmazonDoc& document_;
    GameWindow& window_;
};

}  // namespace taravin
