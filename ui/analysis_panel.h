#pragma once

#include <QWidget>

#include "model/move_review.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace taravin {

class CAmazonDoc;
class EvaluationGraph;

// The analysis board's panel under the board: the evaluation graph, the move list beside it,
// the review's progress with Cancel, and the way to its report.
class AnalysisPanel final : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisPanel(QWidget* parent = nullptr);

    // Shows the document's record, analysis and review as they are now.
    void refresh(CAmazonDoc& document);
    const EvaluationGraph& graph() const { return *graph_; }
    const QListWidget& moveList() const { return *moves_; }

  signals:
    void plyRequested(int ply);
    void cancelReviewRequested();
    void reportRequested();

  private:
    void refreshMoveList(const CAmazonDoc& document);

    EvaluationGraph* graph_;
    QListWidget* moves_;
    QLabel* summary_;
    QLabel* regions_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QPushButton* report_;
};

// The review's sign of a class: "!" best, "?!" inaccuracy, "?" mistake, "??" blunder, none
// for a good move.
const char* moveClassSign(MoveClass moveClass);

}  // namespace taravin
