#include "ui/summary_printer.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "app/amazon_doc.h"
#include "gui_base/application_title.h"
#include "ui/view_painter.h"

namespace taravin {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr double kTitlePoints = 18.0;
constexpr double kBodyPoints = 12.0;

int toTwips(int devicePixels, int resolution) {
    return static_cast<int>(int64_t{devicePixels} * kTwipsPerInch / std::max(resolution, 1));
}

// Draws one page: the slice of the sheet that lies (page - 1) page heights down.
class PagePainter {
  public:
    PagePainter(QPainter& painter, QPrinter& printer, const SummaryMetrics& metrics, int page)
        : painter_(painter),
          scaleX_(static_cast<double>(printer.logicalDpiX()) / kTwipsPerInch),
          scaleY_(static_cast<double>(printer.logicalDpiY()) / kTwipsPerInch),
          pageTop_(int64_t{page - 1} * metrics.pageHeight) {}

    void texts(const std::vector<SummaryText>& items, const QFont& font) {
        painter_.setFont(font);
        const int ascent = painter_.fontMetrics().ascent();
        for (const SummaryText& item : items) {
            const QPointF top = device(item.x, item.y);
            painter_.drawText(QPointF(top.x(), top.y() + ascent), item.text);
        }
    }

    void rule(int y, double right) {
        painter_.setPen(QPen(Qt::black, 1));
        const double deviceY = device(0, y).y();
        painter_.drawLine(QPointF(0, deviceY), QPointF(right, deviceY));
    }

    // Light and dark squares with a frame, and the pieces drawn to the square's size.
    void diagram(const SummaryDiagram& board) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        const auto square = [&](int32_t m, int32_t o) {
            const QPointF topLeft =
                device(board.left + o * board.square, board.top - m * board.square);
            const QPointF bottomRight =
                device(board.left + (o + 1) * board.square, board.top - (m + 1) * board.square);
            return QRectF(topLeft, bottomRight).toRect();
        };
        for (int32_t m = 0; m < board.rows; ++m) {
            for (int32_t o = 0; o < board.columns; ++o) {
                const QRect rect = square(m, o);
                painter_.fillRect(rect, (m + o) % 2 == 0 ? kLightSquare : kDarkSquare);
                paintPiece(painter_, rect,
                           board.position[static_cast<std::size_t>(m * board.columns + o)], false);
            }
        }
        painter_.setPen(QPen(Qt::black, std::max(1.0, scaleX_ * kFrameTwips)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(
            QRect(square(0, 0).topLeft(), square(board.rows - 1, board.columns - 1).bottomRight()));
        painter_.restore();
    }

  private:
    static constexpr int kFrameTwips = 20;
    static inline const QColor kLightSquare{235, 235, 235};
    static inline const QColor kDarkSquare{190, 190, 190};

    QPointF device(int x, int y) const {
        return QPointF(x * scaleX_,
                       (static_cast<double>(-y) - static_cast<double>(pageTop_)) * scaleY_);
    }

    QPainter& painter_;
    double scaleX_;
    double scaleY_;
    int64_t pageTop_;
};

}  // namespace

QFont summaryTitleFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Times Roman"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(kTitlePoints);
    font.setWeight(QFont::Normal);
    font.setItalic(true);
    return font;
}

QFont summaryBodyFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Fixedsys"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kBodyPoints);
    font.setWeight(QFont::Medium);
    return font;
}

SummaryMetrics summaryMetrics(QPrinter& printer) {
    const int resolution = printer.logicalDpiY();
    SummaryMetrics metrics;
    metrics.titleLine =
        toTwips(QFontMetrics(summaryTitleFont(), &printer).lineSpacing(), resolution);
    metrics.bodyLine = toTwips(QFontMetrics(summaryBodyFont(), &printer).lineSpacing(), resolution);
    metrics.pageHeight =
        toTwips(static_cast<int>(printer.pageRect(QPrinter::DevicePixel).height()), resolution);
    return metrics;
}

int pageHeightInches(QPrinter& printer) {
    return static_cast<int>(printer.pageRect(QPrinter::DevicePixel).height()) /
           std::max(printer.logicalDpiY(), 1);
}

void useSummaryPageMargins(QPrinter& printer) {
    constexpr double kMarginMillimetres = 18.0;
    printer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
}

int summaryPageCount(QPrinter& printer, const SummaryInput& input) {
    const SummaryMetrics metrics = summaryMetrics(printer);
    return estimatedPageCount(input.moveCounter, metrics, pageHeightInches(printer),
                              diagramHeight(input, metrics));
}

bool printGameSummary(QPrinter& printer, const SummaryInput& input) {
    const SummaryMetrics metrics = summaryMetrics(printer);
    const SummaryLayout layout = layoutSummary(input, metrics);
    const int pages = summaryPageCount(printer, input);
    const int first = std::clamp(printer.fromPage() > 0 ? printer.fromPage() : 1, 1, pages);
    const int last = std::clamp(printer.toPage() > 0 ? printer.toPage() : pages, first, pages);

    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QFont titleFont = summaryTitleFont();
    const QFont bodyFont = summaryBodyFont();
    const QRectF printable(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const double right = printable.width();
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            printer.newPage();
        }
        // The next page's first lines stay out of this page's lower margin.
        painter.setClipRect(printable);
        PagePainter pagePainter(painter, printer, metrics, page);
        pagePainter.texts(layout.title, titleFont);
        pagePainter.rule(layout.ruleY, right);
        if (layout.diagram) {
            pagePainter.diagram(*layout.diagram);
        }
        pagePainter.texts(layout.body, bodyFont);
    }
    return painter.end();
}

void runPrintCommand(QWidget* parent, const CAmazonDoc& document) {
    QPrinter printer(QPrinter::HighResolution);
    useSummaryPageMargins(printer);
    const SummaryInput input = summaryInput(document);
    const int pages = summaryPageCount(printer, input);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!printGameSummary(printer, input)) {
        QMessageBox::critical(parent, kApplicationTitle,
                              QStringLiteral("Unable to print the game summary."));
    }
}

}  // namespace taravin
