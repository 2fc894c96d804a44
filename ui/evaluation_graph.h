#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "model/move_review.h"

namespace taravin {

// Red's chance to win after each move of the record, 0 to 100 %, with gaps where a position
// has not been analysed; the moves the review marks are dotted in their class's colour and
// the current position is ringed. A click asks for the position after the move under it.
class EvaluationGraph final : public QWidget {
    Q_OBJECT

  public:
    explicit EvaluationGraph(QWidget* parent = nullptr);

    struct Point {
        std::optional<double> redChance;
        std::optional<MoveClass> moveClass;
    };
    // One point a move; `currentPly` 0 is the start, k the position after the k-th move.
    void setPoints(std::vector<Point> points, int currentPly);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void plyClicked(int ply);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRectF plotArea() const;
    // The x of the point of the position after `ply` moves.
    double xOfPly(int ply) const;

    std::vector<Point> points_;
    int currentPly_ = 0;
};

// The colour the review's classes are shown in.
QColor moveClassColor(MoveClass moveClass);

}  // namespace taravin
