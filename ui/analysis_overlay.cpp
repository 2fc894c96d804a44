#include "ui/analysis_overlay.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>

#include "formats/review_text.h"

namespace taravin {

namespace {

QString percent(double chance) {
    return QString::number(qRound(chance * 100.0)) + QLatin1Char('%');
}

QString moveLabel(const BoardMove& move) {
    return QString::fromStdString(moveText(move));
}

QColor arrowColor(const AnalysisArrow& arrow) {
    switch (arrow.kind) {
        case AnalysisArrow::Kind::kBetterMove:
            return QColor(0, 90, 220, 220);
        case AnalysisArrow::Kind::kPlayedMove:
            return QColor(210, 30, 30, 200);
        case AnalysisArrow::Kind::kCandidate:
            break;
    }
    static constexpr int kAlpha[] = {230, 150, 110, 90, 75};
    return QColor(0, 150, 60, kAlpha[std::clamp(arrow.rank, 0, 4)]);
}

void paintArrowShape(QPainter& painter, QPointF from, QPointF to, double width,
                     const QColor& color) {
    const QLineF line(from, to);
    if (line.length() < 1.0) {
        return;
    }
    const double head = width * 2.6;
    const QLineF shaft(from, line.pointAt(std::max(0.0, 1.0 - head / line.length())));
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(shaft);
    const double angle = qDegreesToRadians(line.angle());
    const QPointF back = to - QPointF(std::cos(angle), -std::sin(angle)) * head;
    const QPointF side = QPointF(std::sin(angle), std::cos(angle)) * head * 0.55;
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(back + side);
    tip.lineTo(back - side);
    tip.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(tip);
}

// Draws the label at the top of the square, moved down past the labels already drawn.
void paintLabel(QPainter& painter, const QRect& square, const QString& text,
                std::vector<QRect>& drawn, const QColor& color) {
    QFont font = painter.font();
    font.setPixelSize(std::max(9, square.height() / 4));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text) + 6;
    const int height = metrics.height() + 2;
    QRect box(0, 0, width, height);
    box.moveCenter(QPoint(square.center().x(), square.top() + height / 2 + 1));
    const auto overlaps = [&drawn](const QRect& candidate) {
        return std::any_of(drawn.begin(), drawn.end(), [&candidate](const QRect& other) {
            return other.intersects(candidate);
        });
    };
    while (overlaps(box)) {
        box.translate(0, height);
    }
    drawn.push_back(box);
    painter.setPen(QPen(color.darker(160), 1));
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

QString shortCount(int64_t count) {
    if (count >= 1'000'000) {
        return QString::number(static_cast<double>(count) / 1e6, 'f', 1) + QLatin1Char('M');
    }
    if (count >= 1000) {
        return QString::number(static_cast<double>(count) / 1e3, 'f', 1) + QLatin1Char('k');
    }
    return QString::number(count);
}

std::vector<AnalysisArrow> analysisArrows(const PositionAnalysis* analysis, int count,
                                          const MoveReview* markedMove) {
    using Kind = AnalysisArrow::Kind;
    std::vector<AnalysisArrow> arrows;
    if (markedMove) {
        arrows.push_back({markedMove->played,
                          QStringLiteral("Played ") + percent(markedMove->chanceAfter), 0,
                          Kind::kPlayedMove});
        if (markedMove->best) {
            arrows.push_back({*markedMove->best,
                              QStringLiteral("Better ") + percent(markedMove->chanceBefore), 0,
                              Kind::kBetterMove});
        }
    }
    if (!analysis) {
        return arrows;
    }
    const auto shown = [&arrows](const BoardMove& move) {
        return std::any_of(arrows.begin(), arrows.end(),
                           [&move](const AnalysisArrow& arrow) { return arrow.move == move; });
    };
    for (int i = 0; i < count && i < static_cast<int>(analysis->candidates.size()); ++i) {
        const CandidateMove& candidate = analysis->candidates[static_cast<std::size_t>(i)];
        if (shown(candidate.move)) {
            continue;
        }
        QString label = percent(candidate.chance);
        // The visits only for the best move: the others' labels stay small.
        if (candidate.visits > 0 && i == 0) {
            label += QStringLiteral(" (") + shortCount(candidate.visits) + QLatin1Char(')');
        }
        arrows.push_back({candidate.move, label, i, Kind::kCandidate});
    }
    return arrows;
}

void paintAnalysisArrows(QPainter& painter, const BoardGeometry& geometry,
                         const std::vector<AnalysisArrow>& arrows) {
    if (!geometry.valid() || arrows.empty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = geometry.squareSize;
    // The weakest first, so that the best lies on top.
    for (auto arrow = arrows.rbegin(); arrow != arrows.rend(); ++arrow) {
        const QColor color = arrowColor(*arrow);
        const bool strong = arrow->rank == 0 || arrow->kind != AnalysisArrow::Kind::kCandidate;
        const double width = std::max(2.0, size * (strong ? 0.14 : 0.09));
        const QRectF shot = geometry.squareRect(arrow->move.arrow);
        painter.setPen(QPen(color, std::max(1.5, width * 0.6)));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(shot.center(), size * 0.28, size * 0.28);
        paintArrowShape(painter, QRectF(geometry.squareRect(arrow->move.from)).center(),
                        QRectF(geometry.squareRect(arrow->move.to)).center(), width, color);
    }
    std::vector<QRect> drawn;
    for (const AnalysisArrow& arrow : arrows) {
        paintLabel(painter, geometry.squareRect(arrow.move.to), arrow.label, drawn,
                   arrowColor(arrow));
    }
    painter.restore();
}

namespace {

bool oneSide(const RegionCount& region) {
    return region.owner == RegionOwner::kRed || region.owner == RegionOwner::kBlue;
}

QString movesText(const RegionCount& region) {
    return region.solved ? QString::number(region.moves)
                         : QStringLiteral("%1..%2").arg(region.lowerBound).arg(region.upperBound);
}

}  // namespace

void paintRegionMarks(QPainter& painter, const BoardGeometry& geometry,
                      const std::vector<RegionCount>& regions) {
    if (!geometry.valid()) {
        return;
    }
    painter.save();
    const QColor defect(230, 120, 0, 150);
    for (const RegionCount& region : regions) {
        if (!oneSide(region) || region.emptySquares == 0) {
            continue;
        }
        const QColor side =
            region.owner == RegionOwner::kRed ? QColor(200, 0, 0) : QColor(0, 60, 200);
        bool labelled = false;
        for (const Square& square : region.squares) {
            const QRect cell = geometry.squareRect(square);
            if (region.defective()) {
                painter.fillRect(cell.adjusted(1, 1, -1, -1), QBrush(defect, Qt::BDiagPattern));
            }
            if (!labelled) {
                QFont font = painter.font();
                font.setPixelSize(std::max(9, cell.height() / 3));
                font.setBold(true);
                painter.setFont(font);
                painter.setPen(side);
                painter.drawText(cell.adjusted(2, 1, -2, -1), Qt::AlignLeft | Qt::AlignBottom,
                                 movesText(region));
                labelled = true;
            }
        }
    }
    painter.restore();
}

QString regionSummary(const std::vector<RegionCount>& regions, Side toMove,
                      const PositionAnalysis* analysis) {
    int redMoves = 0;
    int blueMoves = 0;
    int redRegions = 0;
    int blueRegions = 0;
    int shared = 0;
    int sharedSquares = 0;
    int defective = 0;
    bool allSolved = true;
    for (const RegionCount& region : regions) {
        switch (region.owner) {
            case RegionOwner::kRed:
                redMoves += region.lowerBound;
                ++redRegions;
                break;
            case RegionOwner::kBlue:
                blueMoves += region.lowerBound;
                ++blueRegions;
                break;
            case RegionOwner::kBoth:
                // Amazons walled in together with no empty square between them are out of play.
                shared += region.emptySquares > 0 ? 1 : 0;
                sharedSquares += region.emptySquares;
                break;
            case RegionOwner::kNone:
                break;
        }
        allSolved = allSolved && (!oneSide(region) || region.solved);
        defective += region.defective() ? 1 : 0;
    }
    QString text = redRegions + blueRegions == 0
                       ? QStringLiteral("No closed region yet")
                       : QStringLiteral("Closed regions: Red %1 moves in %2, Blue %3 in %4")
                             .arg(redMoves)
                             .arg(redRegions)
                             .arg(blueMoves)
                             .arg(blueRegions);
    if (defective > 0) {
        text += QStringLiteral(" (%1 defective)").arg(defective);
    }
    if (shared > 0) {
        text +=
            QStringLiteral("; %1 open with both sides (%2 squares)").arg(shared).arg(sharedSquares);
    }
    if (analysis && analysis->decided) {
        const Side winner = analysis->chance >= 0.5 ? analysis->side : otherSide(analysis->side);
        text +=
            QStringLiteral(". ") + QString::fromLatin1(sideName(winner)) + QStringLiteral(" wins");
    } else if (shared == 0 && allSolved) {
        // The side to move runs out first when the counts are equal.
        const int mover = toMove == Side::kRed ? redMoves : blueMoves;
        const int other = toMove == Side::kRed ? blueMoves : redMoves;
        const Side winner = mover > other ? toMove : otherSide(toMove);
        text +=
            QStringLiteral(". ") + QString::fromLatin1(sideName(winner)) + QStringLiteral(" wins");
    }
    return text;
}

QStringList analysisLines(const PositionAnalysis* analysis, const MoveReview* reviewedMove,
                          int movesPerLine) {
    QStringList lines;
    if (reviewedMove && reviewedMove->moveClass >= MoveClass::kInaccuracy) {
        QString name = QString::fromLatin1(moveClassName(reviewedMove->moveClass));
        name[0] = name[0].toUpper();
        lines << QStringLiteral("%1: %2 lost %3")
                     .arg(name, moveLabel(reviewedMove->played), percent(reviewedMove->loss()));
    }
    if (!analysis) {
        lines << QStringLiteral("Thinking...");
        return lines;
    }
    QString head = QString::fromLatin1(sideName(analysis->side)) + QLatin1Char(' ') +
                   percent(analysis->chance);
    if (analysis->decided) {
        head += analysis->chance >= 0.5 ? QStringLiteral(", a certain win")
                                        : QStringLiteral(", a certain loss");
    } else if (analysis->playouts > 0) {
        head +=
            QStringLiteral(" (") + shortCount(analysis->playouts) + QStringLiteral(" playouts)");
    }
    lines << head;
    QString line;
    int onLine = 0;
    for (const BoardMove& move : analysis->line) {
        if (onLine == movesPerLine) {
            lines << line;
            line.clear();
            onLine = 0;
        }
        line += (line.isEmpty() ? QString() : QStringLiteral("  ")) + moveLabel(move);
        ++onLine;
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines;
}

}  // namespace taravin
