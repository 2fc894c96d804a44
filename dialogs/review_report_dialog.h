#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/move_review.h"

class QPlainTextEdit;

namespace taravin {

// The review's report as lines: the thresholds it classed by, each side's counts and mean
// loss, then every move it marks with the better move.
QStringList reviewReportLines(const std::vector<std::optional<MoveReview>>& reviews,
                              const ReviewThresholds& thresholds);

// "Review Report": the report's lines, read-only, with OK. It does not block the window, so
// the moves it names can be looked at on the board while it is open.
class ReviewReportDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ReviewReportDialog(QWidget* parent = nullptr);
    void setLines(const QStringList& lines);
    QString text() const;

  private:
    QPlainTextEdit* text_;
};

}  // namespace taravin
