#include "ui/evaluation_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace taravin {

namespace {
constexpr int kAxisRoom = 34;
constexpr int kInset = 6;
}  // namespace

QColor moveClassColor(MoveClass moveClass) {
    switch (moveClass) {
        case MoveClass::kBest:
            return QColor(0, 140, 60);
        case MoveClass::kGood:
            return QColor(110, 110, 110);
        case MoveClass::kInaccuracy:
            return QColor(230, 170, 0);
        case MoveClass::kMistake:
            return QColor(230, 100, 0);
        case MoveClass::kBlunder:
            return QColor(210, 0, 0);
    }
    return Qt::gray;
}

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Red's chance to win after each move; click to go there"));
}

void EvaluationGraph::setPoints(std::vector<Point> points, int currentPly) {
    points_ = std::move(points);
    currentPly_ = currentPly;
    update();
}

QSize EvaluationGraph::sizeHint() const {
    return {480, 110};
}

QSize EvaluationGraph::minimumSizeHint() const {
    return {200, 70};
}

QRectF EvaluationGraph::plotArea() const {
    return QRectF(kAxisRoom, kInset, width() - kAxisRoom - kInset, height() - 2 * kInset);
}

double EvaluationGraph::xOfPly(int ply) const {
    const QRectF area = plotArea();
    const int moves = std::max<int>(static_cast<int>(points_.size()), 1);
    return area.left() + area.width() * ply / moves;
}

void EvaluationGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QRectF area = plotArea();
    const auto yOf = [&area](double chance) { return area.bottom() - area.height() * chance; };

    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics(font());
    for (const int percent : {0, 50, 100}) {
        const double y = yOf(percent / 100.0);
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, kAxisRoom - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(percent) + '%');
        painter.setPen(QPen(QColor(160, 160, 160), 1, percent == 50 ? Qt::DashLine : Qt::SolidLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(palette().color(QPalette::Text));
    }

    // Red's area under the line, Blue's above it, each run of analysed moves on its own.
    QPainterPath line;
    QPainterPath red;
    bool inRun = false;
    QPointF runStart;
    QPointF last;
    const auto closeRun = [&] {
        if (inRun) {
            red.lineTo(last.x(), area.bottom());
            red.lineTo(runStart.x(), area.bottom());
            red.closeSubpath();
        }
        inRun = false;
    };
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const std::optional<double>& chance = points_[i].redChance;
        if (!chance) {
            closeRun();
            continue;
        }
        const QPointF point(xOfPly(static_cast<int>(i) + 1), yOf(*chance));
        if (!inRun) {
            line.moveTo(point);
            red.moveTo(point);
            runStart = point;
            inRun = true;
        } else {
            line.lineTo(point);
            red.lineTo(point);
        }
        last = point;
    }
    closeRun();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 60, 60, 70));
    painter.drawPath(red);
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);

    for (std::size_t i = 0; i < points_.size(); ++i) {
        const Point& point = points_[i];
        if (!point.redChance || !point.moveClass || *point.moveClass < MoveClass::kInaccuracy) {
            continue;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(moveClassColor(*point.moveClass));
        painter.drawEllipse(QPointF(xOfPly(static_cast<int>(i) + 1), yOf(*point.redChance)), 3.5,
                            3.5);
    }

    const double x = xOfPly(currentPly_);
    painter.setPen(QPen(QColor(0, 90, 220), 1.5));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    if (currentPly_ > 0 && currentPly_ <= static_cast<int>(points_.size())) {
        if (const std::optional<double>& chance =
                points_[static_cast<std::size_t>(currentPly_ - 1)].redChance) {
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPointF(x, yOf(*chance)), 4.5, 4.5);
        }
    }
}

void EvaluationGraph::mousePressEvent(QMouseEvent* event) {
    const QRectF area = plotArea();
    if (points_.empty() || event->button() != Qt::LeftButton) {
        return;
    }
    const double fraction = (event->position().x() - area.left()) / area.width();
    const int ply = std::clamp(static_cast<int>(std::lround(fraction * points_.size())), 0,
                               static_cast<int>(points_.size()));
    emit plyClicked(ply);
}

}  // namespace taravin
