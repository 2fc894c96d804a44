#include "ui/summary_printer.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "app/amazon_doc.h"
#include "ui/application_title.h"

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

  private:
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

bool printGameSummary(QPrinter& printer, const SummaryInput& input) {
    const SummaryMetrics metrics = summaryMetrics(printer);
    const SummaryLayout layout = layoutSummary(input, metrics);
    const int pages = estimatedPageCount(input.moveCounter, metrics, pageHeightInches(printer));
    const int first = std::clamp(printer.fromPage() > 0 ? printer.fromPage() : 1, 1, pages);
    const int last = std::clamp(printer.toPage() > 0 ? printer.toPage() : pages, first, pages);

    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QFont titleFont = summaryTitleFont();
    const QFont bodyFont = summaryBodyFont();
    const double right = printer.pageRect(QPrinter::DevicePixel).width();
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            printer.newPage();
        }
        PagePainter pagePainter(painter, printer, metrics, page);
        pagePainter.texts(layout.title, titleFont);
        pagePainter.rule(layout.ruleY, right);
        pagePainter.texts(layout.body, bodyFont);
    }
    return painter.end();
}

void runPrintCommand(QWidget* parent, const CAmazonDoc& document) {
    QPrinter printer(QPrinter::HighResolution);
    const SummaryInput input = summaryInput(document);
    const int pages =
        estimatedPageCount(input.moveCounter, summaryMetrics(printer), pageHeightInches(printer));
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
