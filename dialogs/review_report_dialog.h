#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/move_review.h"

namespace taravin {

// The review's report as lines: the thresholds it classed by, each side's counts and mean
// loss, then every move it marks with the better move.
QStringList reviewReportLines(const std::vector<std::optional<MoveReview>>& reviews,
                              const ReviewThresholds& thresholds);

// "Review Report": the report's lines, read-only, with OK.
class ReviewReportDialog : public QDialog {
    Q_OBJECT

  public:
    ReviewReportDialog(const QStringList& lines, QWidget* parent = nullptr);
};

void runReviewReportDialog(QWidget* parent, const std::vector<std::optional<MoveReview>>& reviews,
                           const ReviewThresholds& thresholds);

}  // namespace taravin
