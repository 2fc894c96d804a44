#include "ui/view_painter.h"

#include <algorithm>

#include "gui_base/piece_images.h"

namespace taravin {

namespace {

// A frame of the width drawn inside the rectangle.
void frameInside(QPainter& painter, const QRect& rect, int width, const QColor& color) {
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), color);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), color);
}

// Text with its top-left corner at the point.
void drawTextAt(QPainter& painter, int x, int top, const QString& text) {
    painter.drawText(x, top + painter.fontMetrics().ascent(), text);
}

QColor sideColor(Content side) {
    return side == Content::kRed ? kSelectedRed : kSelectedBlue;
}

QColor withAlpha(QColor color, int alpha) {
    color.setAlpha(alpha);
    return color;
}

constexpr int kTerritoryAlpha = 60;
constexpr int kGhostAlpha = 110;
constexpr int kDotAlpha = 170;

// The suggested move: a dashed frame on its squares, and the amazon and the arrow shown faintly
// where they would land.
void paintSuggestion(QPainter& painter, const QRect& rect, int32_t marks, Content content,
                     const BoardLook& look) {
    const int width = markWidth(rect.width());
    painter.save();
    QPen pen(sideColor(look.selectionSide), 2 * width, Qt::DashLine);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(width, width, -width - 1, -width - 1));
    if (content == Content::kEmpty) {
        painter.setOpacity(kGhostAlpha / 255.0);
        paintPiece(painter, rect,
                   (marks & kSuggestedArrowMark) != 0 ? Content::kArrow : look.selectionSide,
                   look.fixedSizePieces);
    }
    painter.restore();
}

void paintLastMoveMark(QPainter& painter, const QRect& rect, int32_t option) {
    const int width = markWidth(rect.width());
    if (option == 0) {
        frameInside(painter, rect, width, Qt::white);
        return;
    }
    // The corner square keeps its proportions: 5 pixels with a 1-pixel inset at the
    // smallest size.
    const QRect corner(rect.left() + rect.width() - 7 * width, rect.top() + width, 5 * width,
                       5 * width);
    painter.fillRect(corner, Qt::black);
    painter.fillRect(corner.adjusted(width, width, -width, -width), kFrameBrush);
}

void paintSquare(QPainter& painter, const BoardGeometry& geometry, const Board& board,
                 const BoardLook& look, int screenRow, int screenColumn) {
    const QRect rect = geometry.screenSquareRect(screenRow, screenColumn);
    const Square square = geometry.squareAtScreen(screenRow, screenColumn);
    const std::size_t cell = static_cast<std::size_t>(board.indexOf(square.row, square.column));
    const bool even = (screenRow + screenColumn) % 2 == 0;
    painter.fillRect(rect, even ? look.color1 : look.color2);
    if (cell < look.territory.size() && look.territory[cell] != Content::kEmpty) {
        painter.fillRect(rect, withAlpha(sideColor(look.territory[cell]), kTerritoryAlpha));
    }
    if (look.color1 == look.color2) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    const Content content = board.content(square);
    paintPiece(painter, rect, content, look.fixedSizePieces);
    const int32_t marks = board.marks(square.row, square.column);
    if (marks & (kSuggestedMark | kSuggestedArrowMark)) {
        paintSuggestion(painter, rect, marks, content, look);
    }
    if (marks & kSelectedMark) {
        frameInside(painter, rect, 2 + markWidth(rect.width()), sideColor(look.selectionSide));
    }
    if ((marks & kLastMoveMark) && look.markLastMove) {
        paintLastMoveMark(painter, rect, look.lastMoveOption);
    }
    if (cell < look.reachable.size() && look.reachable[cell]) {
        const qreal radius = std::max(2.0, rect.width() / 8.0);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(sideColor(look.selectionSide), kDotAlpha));
        painter.drawEllipse(QRectF(rect).center(), radius, radius);
        painter.restore();
    }
}

void paintLabels(QPainter& painter, const BoardGeometry& geometry,
                 const SizeClassMetrics& metrics) {
    const QFontMetrics& fm = painter.fontMetrics();
    const int s = geometry.squareSize;
    const int m = metrics.margin;
    const int g = metrics.gutter;
    painter.setPen(kLabelColor);
    for (int o = 0; o < geometry.rows; ++o) {
        const QString label = QString::number(geometry.flipped ? o + 1 : geometry.rows - o);
        const int width =
            fm.horizontalAdvance(label.size() == 2 ? QStringLiteral("00") : QStringLiteral("0"));
        drawTextAt(painter, m + (g - width) / 2, m + g + o * s + s / 2 - fm.height() / 2, label);
    }
    const int letterTop = geometry.squares.bottom + (g - fm.height()) / 2;
    for (int i = 0; i < geometry.columns; ++i) {
        const int letter = geometry.flipped ? 'A' + geometry.columns - 1 - i : 'A' + i;
        drawTextAt(painter, m + g + i * s + (s - fm.averageCharWidth()) / 2, letterTop,
                   QString(QChar(letter)));
    }
}

void paintHeading(QPainter& painter, const PanelLayout& layout, int line, const QString& text) {
    const QFontMetrics& fm = painter.fontMetrics();
    const int top = layout.lineTop(line);
    drawTextAt(painter, layout.headingX, top, text);
    const int ruleY = top + fm.height() / 2;
    const int ruleStart = layout.headingX + fm.horizontalAdvance(text + QLatin1Char(' '));
    painter.drawLine(ruleStart, ruleY, layout.rightEnd, ruleY);
}

void paintClock(QPainter& painter, const ClockPieces& pieces, const char* label,
                const PanelTexts::Clock& clock) {
    const int top = pieces.hours.top();
    const QString colon = QStringLiteral(":");
    drawTextAt(painter, pieces.labelX, top, QString::fromLatin1(label));
    drawTextAt(painter, pieces.hours.left(), top, clock.hours);
    drawTextAt(painter, pieces.firstColonX, top, colon);
    drawTextAt(painter, pieces.minutes.left(), top, clock.minutes);
    drawTextAt(painter, pieces.secondColonX, top, colon);
    drawTextAt(painter, pieces.tens.left(), top, clock.tens);
    drawTextAt(painter, pieces.units.left(), top, clock.units);
}

}  // namespace

int markWidth(int squareSize) {
    return std::max(1, (squareSize + 12) / 24);
}

void paintPiece(QPainter& painter, const QRect& square, Content content, bool fixedSize) {
    if (content != Content::kRed && content != Content::kBlue && content != Content::kArrow) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int dx = (square.width() - kPieceImageWidth) / 2;
    const int dy = (square.height() - kPieceImageHeight) / 2;
    if (fixedSize && dx >= 0 && dy >= 0) {
        painter.translate(square.left() + dx, square.top() + dy);
    } else if (fixedSize) {
        painter.translate(square.topLeft());
        painter.scale(static_cast<qreal>(square.width()) / kPieceImageWidth,
                      static_cast<qreal>(square.height()) / kPieceImageHeight);
    } else {
        // The piece's box takes most of the square, the same share at every size.
        constexpr qreal kShare = 0.78;
        const qreal scale = kShare * square.height() / kPieceImageHeight;
        const QPointF centre = QRectF(square).center();
        painter.translate(centre.x() - scale * kPieceImageWidth / 2.0,
                          centre.y() - scale * kPieceImageHeight / 2.0);
        painter.scale(scale, scale);
    }
    drawPieceShape(painter, content);
    painter.restore();
}

void paintBoard(QPainter& painter, const BoardGeometry& geometry, const Board* board,
                const BoardLook& look, const SizeClassMetrics& metrics, const QRect& dirty) {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(kFrameBrush);
    painter.drawRect(geometry.frame.toQRect());
    painter.drawRect(geometry.squares.toQRect());
    if (board) {
        for (int m = 0; m < geometry.rows; ++m) {
            for (int o = 0; o < geometry.columns; ++o) {
                if (geometry.screenSquareRect(m, o).intersects(dirty)) {
                    paintSquare(painter, geometry, *board, look, m, o);
                }
            }
        }
    }
    paintLabels(painter, geometry, metrics);
}

void paintPanel(QPainter& painter, const PanelLayout& layout, const PanelTexts& texts) {
    painter.setPen(QPen(Qt::black, 1));
    // A window narrower than the panel needs ends a line in an ellipsis, never at its edge.
    const int room = layout.rightEnd - layout.valueX;
    const auto value = [&](int line, const QString& text) {
        drawTextAt(painter, layout.valueX, layout.lineTop(line),
                   painter.fontMetrics().elidedText(text, Qt::ElideRight, room));
    };
    paintHeading(painter, layout, layout.playersHeading(), QStringLiteral("Players"));
    value(layout.redPlayerLine(), texts.redPlayer);
    value(layout.bluePlayerLine(), texts.bluePlayer);
    paintHeading(painter, layout, layout.gameTimeHeading(), QStringLiteral("Game Time"));
    paintClock(painter, layout.redClock, kRedClockLabel, texts.redClock);
    paintClock(painter, layout.blueClock, kBlueClockLabel, texts.blueClock);
    paintHeading(painter, layout, layout.currentMoveHeading(), QStringLiteral("Current Move"));
    value(layout.currentMoveLine(), texts.currentMove);
    paintHeading(painter, layout, layout.lastMoveHeading(), QStringLiteral("Last Move"));
    value(layout.moveBeforeLastLine(), texts.lastMoves[0]);
    value(layout.lastMoveLine(), texts.lastMoves[1]);
    paintHeading(painter, layout, layout.statusHeading(), QStringLiteral("Status"));
    for (int line = kStateStatus; line <= kSearchStatus; ++line) {
        value(layout.statusLine(static_cast<StatusLine>(line)),
              texts.status[static_cast<std::size_t>(line)]);
    }
}

void paintAnalysisSection(QPainter& painter, const PanelLayout& layout, const QStringList& lines) {
    const int heading = layout.statusLine(kSearchStatus) + layout.lineFactor + 1;
    if (layout.lineTop(heading + 1) > layout.whole.bottom()) {
        return;
    }
    painter.setPen(QPen(Qt::black, 1));
    paintHeading(painter, layout, heading, QStringLiteral("Analysis"));
    const int room = layout.rightEnd - layout.valueX;
    for (int i = 0; i < lines.size(); ++i) {
        const int top = layout.lineTop(heading + layout.lineFactor + i);
        if (top + layout.lineHeight > layout.whole.bottom()) {
            return;
        }
        drawTextAt(painter, layout.valueX, top,
                   painter.fontMetrics().elidedText(lines[i], Qt::ElideRight, room));
    }
}

}  // namespace taravin
