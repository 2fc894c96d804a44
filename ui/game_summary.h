#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

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

struct SummaryLayout {
    std::vector<SummaryText> title;  // in the title font
    std::vector<SummaryText> body;   // in the body font
    int ruleY = 0;                   // the line under the title
};

// Columns of the body, in twips.
inline constexpr int kSummaryValueX = 750;
inline constexpr int kSummaryRedMoveX = 1450;
inline constexpr int kSummaryBlueNumberX = 3950;
inline constexpr int kSummaryBlueMoveX = 4650;
inline constexpr int kArrowsPerLine = 15;
// Empty lines inserted before a move pair that would end too near a page's lower edge.
inline constexpr int kPageBreakLines = 5;

// The whole summary as one long sheet; each printed page shows its own slice of it.
SummaryLayout layoutSummary(const SummaryInput& input, const SummaryMetrics& metrics);

// Pages printed for a game, estimated from the move counter alone.
int estimatedPageCount(int32_t moveCounter, const SummaryMetrics& metrics, int pageHeightInches);

}  // namespace taravin
