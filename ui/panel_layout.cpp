#include "ui/panel_layout.h"

#include <algorithm>

namespace taravin {

namespace {
ClockPieces clockPieces(const QFontMetrics& metrics, int x, int top, int height,
                        const char* label) {
    const int twoDigits = metrics.horizontalAdvance(QStringLiteral("00"));
    const int oneDigit = metrics.horizontalAdvance(QStringLiteral("0"));
    const int colon = metrics.horizontalAdvance(QStringLiteral(":"));
    ClockPieces pieces;
    pieces.labelX = x;
    const int hoursX = x + metrics.horizontalAdvance(QString::fromLatin1(label));
    pieces.hours = QRect(hoursX, top, twoDigits, height);
    pieces.firstColonX = hoursX + twoDigits;
    const int minutesX = pieces.firstColonX + colon;
    pieces.minutes = QRect(minutesX, top, twoDigits, height);
    pieces.secondColonX = minutesX + twoDigits;
    const int tensX = pieces.secondColonX + colon;
    pieces.tens = QRect(tensX, top, oneDigit, height);
    pieces.units = QRect(tensX + oneDigit, top, oneDigit, height);
    return pieces;
}
}  // namespace

int panelWidth(const QFontMetrics& metrics, const SizeClassMetrics& sizeMetrics,
               const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    return widest > 0 ? widest + 3 * sizeMetrics.panelInset : 0;
}

PanelLayout computePanelLayout(const QFontMetrics& metrics, int frameRight,
                               const SizeClassMetrics& sizeMetrics, int clientWidth,
                               int clientHeight) {
    PanelLayout layout;
    const int d = sizeMetrics.panelInset;
    layout.headingX = frameRight + d;
    layout.valueX = frameRight + 3 * d / 2;
    layout.top = sizeMetrics.gutter;
    layout.lineHeight = metrics.lineSpacing();
    layout.lineFactor = sizeMetrics.lineFactor;
    layout.rightEnd = clientWidth - d;

    const int height = layout.lineHeight;
    const auto lineRect = [&](int line) {
        return QRect(layout.valueX, layout.lineTop(line), clientWidth - layout.valueX, height);
    };
    layout.redClock = clockPieces(metrics, layout.valueX, layout.lineTop(layout.redClockLine()),
                                  height, kRedClockLabel);
    layout.blueClock = clockPieces(metrics, layout.valueX, layout.lineTop(layout.blueClockLine()),
                                   height, kBlueClockLabel);
    layout.currentMove = lineRect(layout.currentMoveLine());
    layout.lastMoves = {lineRect(layout.moveBeforeLastLine()), lineRect(layout.lastMoveLine())};
    for (int line = kStateStatus; line <= kSearchStatus; ++line) {
        layout.status[static_cast<std::size_t>(line)] =
            lineRect(layout.statusLine(static_cast<StatusLine>(line)));
    }
    layout.whole = QRect(frameRight, 0, clientWidth - frameRight, clientHeight);
    return layout;
}

}  // namespace taravin
