#include "ui/analysis_overlay.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>

namespace taravin {

namespace {

QString percent(double chance) {
    return QString::number(qRound(chance * 100.0)) + QLatin1Char('%');
}

QString moveText(const BoardMove& move) {
    return QString::fromStdString(squareName(move.from) + "-" + squareName(move.to) + " (" +
                                  squareName(move.arrow) + ")");
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

void paintLabel(QPainter& painter, const QRect& square, const QString& text, int stackIndex,
                const QColor& color) {
    QFont font = painter.font();
    font.setPixelSize(std::max(9, square.height() / 4));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text) + 6;
    const int height = metrics.height() + 2;
    QRect box(0, 0, width, height);
    box.moveCenter(QPoint(square.center().x(), square.top() + height / 2 + 1));
    box.translate(0, stackIndex * height);
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
        if (candidate.visits > 0) {
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
    std::vector<Square> labelled;
    for (const AnalysisArrow& arrow : arrows) {
        const auto stack = static_cast<int>(std::count(labelled.begin(), labelled.end(), arrow.move.to));
        paintLabel(painter, geometry.squareRect(arrow.move.to), arrow.label, stack,
                   arrowColor(arrow));
        labelled.push_back(arrow.move.to);
    }
    painter.restore();
}

QStringList analysisLines(const PositionAnalysis* analysis, const MoveReview* reviewedMove,
                          int movesPerLine) {
    QStringList lines;
    if (reviewedMove && reviewedMove->moveClass >= MoveClass::kInaccuracy) {
        QString name = QString::fromLatin1(moveClassName(reviewedMove->moveClass));
        name[0] = name[0].toUpper();
        lines << QStringLiteral("%1: %2 lost %3")
                     .arg(name, moveText(reviewedMove->played), percent(reviewedMove->loss()));
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
        head += QStringLiteral(" (") + shortCount(analysis->playouts) +
                QStringLiteral(" playouts)");
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
        line += (line.isEmpty() ? QString() : QStringLiteral("  ")) + moveText(move);
        ++onLine;
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines;
}

}  // namespace taravin
