#include "dialogs/review_report_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "formats/review_text.h"

namespace taravin {

QStringList reviewReportLines(const std::vector<std::optional<MoveReview>>& reviews,
                              const ReviewThresholds& thresholds) {
    std::vector<MoveReview> reviewed;
    for (const std::optional<MoveReview>& review : reviews) {
        if (review) {
            reviewed.push_back(*review);
        }
    }
    QStringList lines;
    lines << QStringLiteral(
                 "A move that loses %1% or more of its side's chance to win is an inaccuracy, "
                 "%2% a mistake, %3% a blunder (Settings, Options).")
                 .arg(thresholds.inaccuracyPercent)
                 .arg(thresholds.mistakePercent)
                 .arg(thresholds.blunderPercent);
    lines << QString();
    for (const Side side : {Side::kRed, Side::kBlue}) {
        lines << QString::fromStdString(sideSummaryLine(side, summarizeSide(reviewed, side)));
    }
    lines << QString();
    int32_t number = 0;
    bool anyMarked = false;
    for (const std::optional<MoveReview>& review : reviews) {
        ++number;
        if (review && review->moveClass >= MoveClass::kInaccuracy) {
            lines << QString::fromStdString(reviewLine(number, *review));
            anyMarked = true;
        }
    }
    if (!anyMarked) {
        lines << QStringLiteral("No move lost enough to be marked.");
    }
    return lines;
}

ReviewReportDialog::ReviewReportDialog(const QStringList& lines, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Review Report"));
    auto* text = new QPlainTextEdit(this);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setPlainText(lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics(text->font());
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    text->setMinimumSize(std::min(widest + 40, 900),
                         std::min(metrics.lineSpacing() * (static_cast<int>(lines.size()) + 2), 500));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

void runReviewReportDialog(QWidget* parent, const std::vector<std::optional<MoveReview>>& reviews,
                           const ReviewThresholds& thresholds) {
    ReviewReportDialog dialog(reviewReportLines(reviews, thresholds), parent);
    dialog.exec();
}

}  // namespace taravin
