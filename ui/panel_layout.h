#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QStringList>
#include <array>

#include "ui/board_geometry.h"

namespace taravin {

// The four separately repainted pieces of one clock: hours, minutes, tens and units of the
// seconds, with the places of the two colons between them.
struct ClockPieces {
    int labelX = 0;
    QRect hours;
    QRect minutes;
    QRect tens;
    QRect units;
    int firstColonX = 0;
    int secondColonX = 0;
};

// The status lines under the Status heading, in their order.
enum StatusLine { kStateStatus = 0, kMessageStatus, kEvaluationStatus, kSearchStatus };

// Where the text panel right of the board puts its headings, lines and clock pieces. The
// rectangles are what the partial repaints invalidate.
struct PanelLayout {
    int headingX = 0;
    int valueX = 0;
    int top = 0;
    int lineHeight = 0;
    int lineFactor = 1;
    int rightEnd = 0;  // where the heading rules end

    // The top of line n of the panel.
    int lineTop(int n) const { return top + lineHeight * n; }
    int playersHeading() const { return 0; }
    int redPlayerLine() const { return lineFactor; }
    int bluePlayerLine() const { return lineFactor + 1; }
    int gameTimeHeading() const { return 2 * lineFactor + 1; }
    int redClockLine() const { return 3 * lineFactor + 1; }
    int blueClockLine() const { return 3 * lineFactor + 2; }
    int currentMoveHeading() const { return 4 * lineFactor + 2; }
    int currentMoveLine() const { return 5 * lineFactor + 2; }
    int lastMoveHeading() const { return 6 * lineFactor + 2; }
    int moveBeforeLastLine() const { return 7 * lineFactor + 2; }
    int lastMoveLine() const { return 7 * lineFactor + 3; }
    int statusHeading() const { return 8 * lineFactor + 3; }
    int statusLine(StatusLine line) const { return 9 * lineFactor + 3 + line; }

    ClockPieces redClock;
    ClockPieces blueClock;
    QRect currentMove;
    std::array<QRect, 2> lastMoves;  // the move before the last, then the last
    std::array<QRect, 4> status;
    QRect whole;  // everything right of the board frame

    const ClockPieces& clock(Side side) const { return side == Side::kRed ? redClock : blueClock; }
};

inline constexpr const char* kRedClockLabel = "Red  - ";
inline constexpr const char* kBlueClockLabel = "Blue - ";

// The panel beside a board frame whose right edge is frameRight, in a client of the width.
PanelLayout computePanelLayout(const QFontMetrics& metrics, int frameRight,
                               const SizeClassMetrics& sizeMetrics, int clientWidth,
                               int clientHeight);

// The width the panel needs: its widest text plus three panel insets, or 0 when the font
// measures nothing.
int panelWidth(const QFontMetrics& metrics, const SizeClassMetrics& sizeMetrics,
               const QStringList& texts);

}  // namespace taravin
