#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <array>
#include <vector>

#include "model/board.h"
#include "ui/board_geometry.h"
#include "ui/panel_layout.h"

namespace taravin {

// What the board shows besides the position.
struct BoardLook {
    QColor color1;
    QColor color2;
    bool markLastMove = false;
    int32_t lastMoveOption = 0;  // 0 a white frame, 1 a small dark square in the corner
    Content selectionSide =
        Content::kRed;             // colours the selection frames, the suggestion and the dots
    bool fixedSizePieces = false;  // the 24 x 25 pieces instead of ones sized to the square
    // By board cell index: the squares the amazon or its arrow can reach, and each square's
    // territory owner (kRed, kBlue or kEmpty). Empty when not shown.
    std::vector<bool> reachable;
    std::vector<Content> territory;
};

// The texts of the panel, line by line.
struct PanelTexts {
    QString redPlayer;
    QString bluePlayer;
    struct Clock {
        QString hours;
        QString minutes;
        QString tens;
        QString units;
    };
    Clock redClock;
    Clock blueClock;
    QString currentMove;
    std::array<QString, 2> lastMoves;
    std::array<QString, 4> status;
};

inline const QColor kSelectedRed(255, 0, 0);
inline const QColor kSelectedBlue(0, 0, 255);
inline const QColor kFrameBrush(64, 64, 64);
inline const QColor kLabelColor(192, 192, 192);

// The board frame, squares, pieces, marks and coordinate labels. Only squares that meet the
// dirty rectangle are drawn.
void paintBoard(QPainter& painter, const BoardGeometry& geometry, const Board* board,
                const BoardLook& look, const SizeClassMetrics& metrics, const QRect& dirty);

// The headings, lines and clock pieces of the panel, in black.
void paintPanel(QPainter& painter, const PanelLayout& layout, const PanelTexts& texts);
// The analysis's lines under their heading below the status lines, as far as the panel has
// room.
void paintAnalysisSection(QPainter& painter, const PanelLayout& layout, const QStringList& lines);

// A piece on a square. At the fixed size it stands unscaled and centred when the square holds
// it, else stretched to the square; otherwise it is drawn in proportion to the square. Both
// are vector shapes, crisp at any screen resolution.
void paintPiece(QPainter& painter, const QRect& square, Content content, bool fixedSize);

// The width of the marks drawn on a square: one pixel on small squares, growing with them.
int markWidth(int squareSize);

}  // namespace taravin
