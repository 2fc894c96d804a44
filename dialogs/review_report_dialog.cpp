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

ReviewReportDialog::ReviewReportDialog(QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Review Report"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
}

void ReviewReportDialog::setLines(const QStringList& lines) {
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics(text_->font());
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    static constexpr int kWidest = 900;
    static constexpr int kHighest = 500;
    text_->setMinimumSize(
        std::min(widest + 40, kWidest),
        std::min(metrics.lineSpacing() * (static_cast<int>(lines.size()) + 2), kHighest));
}

QString ReviewReportDialog::text() const {
    return text_->toPlainText();
}

}  // namespace taravin
