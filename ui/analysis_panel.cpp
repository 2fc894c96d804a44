#include "ui/analysis_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/amazon_doc.h"
#include "formats/review_text.h"
#include "ui/analysis_overlay.h"
#include "ui/evaluation_graph.h"

namespace taravin {

namespace {

QString recordMoveText(int index, const MoveRecord& move, const MoveReview* review) {
    QString text =
        QStringLiteral("%1. %2: %3")
            .arg(index + 1)
            .arg(QString::fromLatin1(sideName(move.side())),
                 QString::fromStdString(moveText({move.from(), move.to(), move.arrow()})));
    if (review && *moveClassSign(review->moveClass)) {
        text += QLatin1Char(' ') + QString::fromLatin1(moveClassSign(review->moveClass));
    }
    return text;
}

QString lineText(const std::vector<BoardMove>& line) {
    QStringList moves;
    for (const BoardMove& move : line) {
        moves << QString::fromStdString(moveText(move));
    }
    return moves.join(QStringLiteral("  "));
}

}  // namespace

const char* moveClassSign(MoveClass moveClass) {
    switch (moveClass) {
        case MoveClass::kBest:
            return "!";
        case MoveClass::kGood:
            return "";
        case MoveClass::kInaccuracy:
            return "?!";
        case MoveClass::kMistake:
            return "?";
        case MoveClass::kBlunder:
            return "??";
    }
    return "";
}

AnalysisPanel::AnalysisPanel(QWidget* parent)
    : QWidget(parent),
      graph_(new EvaluationGraph(this)),
      moves_(new QListWidget(this)),
      summary_(new QLabel(this)),
      regions_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      report_(new QPushButton(QStringLiteral("Review Report..."), this)) {
    moves_->setSelectionMode(QAbstractItemView::SingleSelection);
    moves_->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("888. Blue: J10-J10 (J10) ??")) + 30);
    progress_->setFormat(QStringLiteral("Reviewing: %v of %m positions"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long line is cut at the panel's edge instead of widening the window.
    summary_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* status = new QHBoxLayout;
    status->addWidget(summary_, 1);
    status->addWidget(progress_, 1);
    status->addWidget(cancel_);
    status->addWidget(report_);
    regions_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* left = new QVBoxLayout;
    left->addWidget(graph_, 1);
    left->addWidget(regions_);
    left->addLayout(status);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left, 3);
    layout->addWidget(moves_, 1);

    connect(graph_, &EvaluationGraph::plyClicked, this, &AnalysisPanel::plyRequested);
    connect(moves_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit plyRequested(moves_->row(item) + 1); });
    connect(cancel_, &QPushButton::clicked, this, &AnalysisPanel::cancelReviewRequested);
    connect(report_, &QPushButton::clicked, this, &AnalysisPanel::reportRequested);
}

void AnalysisPanel::refresh(CAmazonDoc& document) {
    const GameAnalysis& analysis = document.gameAnalysis();
    std::vector<EvaluationGraph::Point> points;
    int moves = 0;
    for (const MoveRecord* move = document.gameRecord() ? document.gameRecord()->head() : nullptr;
         move; move = move->next, ++moves) {
        const MoveReview* review = analysis.review(moves);
        points.push_back({analysis.redChanceAfter(moves),
                          review ? std::optional<MoveClass>(review->moveClass) : std::nullopt});
    }
    graph_->setPoints(std::move(points), document.currentPly());
    refreshMoveList(document);

    const bool reviewing = document.reviewing();
    progress_->setVisible(reviewing);
    cancel_->setVisible(reviewing);
    if (reviewing) {
        progress_->setMaximum(analysis.reviewTotal());
        progress_->setValue(analysis.reviewDone());
    }
    report_->setVisible(!reviewing && analysis.hasReview());
    summary_->setVisible(!reviewing);
    const PositionAnalysis* here = document.currentAnalysis();
    QString summary;
    if (here && document.analysisEnabled()) {
        summary = QStringLiteral("Red's chance here: %1%").arg(qRound(here->redChance() * 100.0));
        if (!here->line.empty()) {
            summary += QStringLiteral("    Line: ") + lineText(here->line);
        }
    }
    summary_->setText(summary);
    summary_->setToolTip(summary);
    regions_->setVisible(document.analysisEnabled());
    if (document.analysisEnabled()) {
        regions_->setText(regionSummary(document.currentRegions(), document.sideToMove(), here));
    }
}

void AnalysisPanel::refreshMoveList(const CAmazonDoc& document) {
    const GameAnalysis& analysis = document.gameAnalysis();
    int index = 0;
    for (const MoveRecord* move = document.gameRecord() ? document.gameRecord()->head() : nullptr;
         move; move = move->next, ++index) {
        const QString text = recordMoveText(index, *move, analysis.review(index));
        if (index < moves_->count()) {
            if (moves_->item(index)->text() != text) {
                moves_->item(index)->setText(text);
            }
        } else {
            moves_->addItem(text);
        }
        const MoveReview* review = analysis.review(index);
        moves_->item(index)->setForeground(review && review->moveClass >= MoveClass::kInaccuracy
                                               ? QBrush(moveClassColor(review->moveClass))
                                               : palette().brush(QPalette::Text));
    }
    while (moves_->count() > index) {
        delete moves_->takeItem(moves_->count() - 1);
    }
    const int current = document.currentPly() - 1;
    if (current >= 0 && current < moves_->count()) {
        if (moves_->currentRow() != current) {
            moves_->setCurrentRow(current);
        }
        moves_->scrollToItem(moves_->item(current));
    } else {
        moves_->clearSelection();
        moves_->setCurrentRow(-1);
    }
}

}  // namespace taravin
