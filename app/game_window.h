#pragma once

#include <cstdint>
#include <string>

#include "model/square.h"

namespace taravin {

// The parts of the view that the document redraws when what they show changes.
enum class ViewArea {
    kWhole,
    kStateLine,
    kCurrentMove,
    kLastMoves,
    kEvaluationLine,
    kMessageLine,
    kSearchText,
    kClocksAndStatus,
};

// Requests the window posts to itself and handles later on its own thread.
enum class DeferredRequest { kStop, kClose };

// The game window as the document sees it. Everything is called on the window thread.
class GameWindow {
  public:
    virtual ~GameWindow() = default;

    // The one-second clock timer of a side (its id is the side's code); one runs at a time.
    virtual void startClockTimer(Side side) = 0;
    virtual void killClockTimer() = 0;

    virtual void redrawSquare(int32_t row, int32_t column) = 0;
    virtual void redraw(ViewArea area) = 0;
    // The window title follows the document title.
    virtual void titleChanged() = 0;

    // A message box with the stop icon.
    virtual void showStopMessage(const std::string& text) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    virtual void showCongratulations(Side winner, const std::string& text) = 0;
    virtual void playMoveSound() = 0;
    virtual void showBusy(bool busy) = 0;

    // Delivers the request back to the document after the delay, on the window thread.
    virtual void postDeferred(DeferredRequest request, int delayMilliseconds) = 0;
    // Forgets a drag of the mouse input in progress.
    virtual void clearDragState() = 0;

    // The Information Window: whether it is open, and appending a line to it.
    virtual bool informationWindowOpen() const = 0;
    virtual void appendInformation(const std::string& line) = 0;
};

}  // namespace taravin
