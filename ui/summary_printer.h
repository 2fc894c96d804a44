#pragma once

#include <QFont>

#include "ui/game_summary.h"

class QPrinter;
class QWidget;

namespace taravin {

class CAmazonDoc;

// The title font ("Times Roman", 18 pt, italic) and the body font ("Fixedsys", 12 pt, fixed
// pitch), each falling back to its metric twin or a font of the same kind.
QFont summaryTitleFont();
QFont summaryBodyFont();

// The summary metrics on this printer, and its page height in whole inches.
SummaryMetrics summaryMetrics(QPrinter& printer);
int pageHeightInches(QPrinter& printer);

// Margins of 18 mm all round, so nothing stands at the paper's edge.
void useSummaryPageMargins(QPrinter& printer);

// The estimated number of pages of the summary on this printer, the diagram included.
int summaryPageCount(QPrinter& printer, const SummaryInput& input);

// Prints the pages the printer's range names (every estimated page when it names none).
// Returns false when the printer could not be started.
bool printGameSummary(QPrinter& printer, const SummaryInput& input);

// The Print command: the print dialog with the estimated page range, then the pages.
void runPrintCommand(QWidget* parent, const CAmazonDoc& document);

}  // namespace taravin
