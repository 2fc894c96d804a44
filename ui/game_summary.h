#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/square.h"

namespace taravin {

class CAmazonDoc;

// What the printed game summary tells about a game.
struct SummaryInput {
    QString title;
    QString redPlayer;
    QString bluePlayer;
    QString redTime;
    QString blueTime;
    bool hasBoard = false;
    QStringList redAmazons;
    QStringList blueAmazons;
    QStringList arrows;  // row by row from row 1 up, each row from column A
    QStringList moves;   // the game record's moves from the first, "D1 - D7 (G7)"
    int32_t moveCounter = 1;
    // The position for the board diagram: square contents from the top row down, each row
    // from column A. Empty: no diagram.
    int32_t rows = 0;
    int32_t columns = 0;
    std::vector<Content> position;
};
SummaryInput summaryInput(const CAmazonDoc& document);

// Lengths of the summary in twips (1440 to the inch).
struct SummaryMetrics {
    int titleLine = 0;   // title font height plus external leading
    int bodyLine = 0;    // body font height plus external leading
    int pageHeight = 0;  // the printable height of one page
};

// One text at a place in twips: x to the right, y upward, so lines further down the page
// have more negative y; the text's top-left corner is at the place.
struct SummaryText {
    int x = 0;
    int y = 0;
    QString text;
};

// The board diagram: squares of `square` twips from (left, top) down and to the right, with
// the contents as in SummaryInput::position; its coordinates are among the body's texts.
struct SummaryDiagram {
    int left = 0;
    int top = 0;
    int square = 0;
    int32_t rows = 0;
    int32_t columns = 0;
    std::vector<Content> position;
};

struct SummaryLayout {
    std::vector<SummaryText> title;  // in the title font
    std::vector<SummaryText> body;   // in the body font
    int ruleY = 0;                   // the line under the title
    std::optional<SummaryDiagram> diagram;
};

// Columns of the body, in twips.
inline constexpr int kSummaryValueX = 750;
inline constexpr int kSummaryRedMoveX = 1450;
inline constexpr int kSummaryBlueNumberX = 3950;
inline constexpr int kSummaryBlueMoveX = 4650;
inline constexpr int kArrowsPerLine = 15;
// Empty lines inserted before a move pair that would end too near a page's lower edge.
inline constexpr int kPageBreakLines = 5;

// The side of a diagram square, in twips.
inline constexpr int kDiagramSquare = 340;

// The whole summary as one long sheet; each printed page shows its own slice of it. The board
// diagram, when the input has a position, stands between the title and the lists.
SummaryLayout layoutSummary(const SummaryInput& input, const SummaryMetrics& metrics);

// How much further down the diagram moves the lists, in twips (0 without a position).
int diagramHeight(const SummaryInput& input, const SummaryMetrics& metrics);

// Pages printed for a game, estimated from the move counter, with the twips that come before
// the lists beyond the title (the diagram).
int estimatedPageCount(int32_t moveCounter, const SummaryMetrics& metrics, int pageHeightInches,
                       int extraTwips = 0);

}  // namespace taravin
