#pragma once

#include <QPainter>
#include <QStringList>
#include <vector>

#include "analysis/position_analysis.h"
#include "endgame/region_count.h"
#include "model/move_review.h"
#include "ui/board_geometry.h"

namespace taravin {

// One move drawn over the board: an arrow from the amazon to its square, the arrow's square
// ringed, a label on the destination. A candidate of rank 0 is drawn strongest; the move a
// review marks and its better move have colours of their own.
struct AnalysisArrow {
    enum class Kind { kCandidate, kBetterMove, kPlayedMove };
    BoardMove move;
    QString label;
    int rank = 0;
    Kind kind = Kind::kCandidate;
};

// The best `count` moves of the analysis, and a marked move of the review with its better
// move.
std::vector<AnalysisArrow> analysisArrows(const PositionAnalysis* analysis, int count,
                                          const MoveReview* markedMove);

void paintAnalysisArrows(QPainter& painter, const BoardGeometry& geometry,
                         const std::vector<AnalysisArrow>& arrows);

// "Red 62% (12.3k playouts)" and the principal line, as lines of at most `movesPerLine`
// moves; a marked move of the review adds what it lost.
QStringList analysisLines(const PositionAnalysis* analysis, const MoveReview* reviewedMove,
                          int movesPerLine);

// Each closed region's move count on its first empty square, in its side's colour, and the
// empty squares of a defective region hatched.
void paintRegionMarks(QPainter& painter, const BoardGeometry& geometry,
                      const std::vector<RegionCount>& regions);

// "Red 12 moves in 2 regions, Blue 9 in 1; 1 region with both sides (24 squares)", and the
// winner once every region is closed and counted or the position is proven.
QString regionSummary(const std::vector<RegionCount>& regions, Side toMove,
                      const PositionAnalysis* analysis);

// 12345 as "12.3k", 1234567 as "1.2M".
QString shortCount(int64_t count);

}  // namespace taravin
