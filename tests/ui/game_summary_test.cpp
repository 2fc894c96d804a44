#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "ui/game_summary.h"
#include "ui/summary_printer.h"
#include "ui_test_support.h"

namespace taravin {

namespace {

constexpr SummaryMetrics kMetrics{400, 300, 100000};

// The line (0 for the first body line) and the text at the column, or -1.
int lineOf(const SummaryLayout& layout, int x, const QString& text) {
    for (const SummaryText& item : layout.body) {
        if (item.x == x && item.text == text) {
            return (-3 * kMetrics.titleLine - item.y) / kMetrics.bodyLine;
        }
    }
    return -1;
}

SummaryInput inputWithArrows(int arrows) {
    SummaryInput input;
    input.title = QStringLiteral("Taravin");
    input.hasBoard = true;
    input.redAmazons = {"A4", "D1"};
    for (int i = 0; i < arrows; ++i) {
        input.arrows << QStringLiteral("B%1").arg(i + 1);
    }
    return input;
}

int pdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = pdf.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                            bytes.count("/Type /Page>") + bytes.count("/Type /Page "));
}

}  // namespace

class GameSummaryTest : public QObject {
    Q_OBJECT

  private slots:
    void headingsAndListsOfAGameWithoutMoves() {
        SummaryInput input = inputWithArrows(0);
        const SummaryLayout layout = layoutSummary(input, kMetrics);
        QCOMPARE(layout.title.front().y, -kMetrics.titleLine);
        QCOMPARE(layout.ruleY, -2 * kMetrics.titleLine);
        QCOMPARE(lineOf(layout, 0, "Players:"), 0);
        QCOMPARE(lineOf(layout, 0, "Game Time:"), 4);
        QCOMPARE(lineOf(layout, 0, "Red Amazons:"), 8);
        QCOMPARE(lineOf(layout, kSummaryValueX, "A4 D1 "), 9);
        QCOMPARE(lineOf(layout, 0, "Arrows:"), 14);
        QCOMPARE(lineOf(layout, 0, "Move History:"), 17);
        QCOMPARE(lineOf(layout, kSummaryRedMoveX, "Red"), 18);
        QCOMPARE(lineOf(layout, kSummaryBlueMoveX, "Blue"), 18);
        QVERIFY(lineOf(layout, kSummaryValueX, "1.") < 0);
    }

    void fifteenArrowsToALine() {
        const SummaryLayout sixteen = layoutSummary(inputWithArrows(16), kMetrics);
        QCOMPARE(lineOf(sixteen, kSummaryValueX, "B16 "), 16);
        QCOMPARE(lineOf(sixteen, 0, "Move History:"), 18);
        const SummaryLayout fifteen = layoutSummary(inputWithArrows(15), kMetrics);
        QCOMPARE(lineOf(fifteen, 0, "Move History:"), 18);
        QString line;
        for (int i = 1; i <= 15; ++i) {
            line += QStringLiteral("B%1 ").arg(i);
        }
        QCOMPARE(lineOf(fifteen, kSummaryValueX, line), 15);
    }

    void movesInPairsUpToTheMoveCounter() {
        SummaryInput input = inputWithArrows(1);
        input.moves = {"D1 - D7 (G7)", "D10 - D8 (E8)", "G1 - G2 (G3)", "A7 - B7 (C7)"};
        input.moveCounter = 4;  // stepped back: the fourth record is not on the board
        const SummaryLayout layout = layoutSummary(input, kMetrics);
        QCOMPARE(lineOf(layout, kSummaryValueX, "1."), 19);
        QCOMPARE(lineOf(layout, kSummaryRedMoveX, "D1 - D7 (G7)"), 19);
        QCOMPARE(lineOf(layout, kSummaryBlueNumberX, "2."), 19);
        QCOMPARE(lineOf(layout, kSummaryBlueMoveX, "D10 - D8 (E8)"), 19);
        QCOMPARE(lineOf(layout, kSummaryValueX, "3."), 20);
        QVERIFY(lineOf(layout, kSummaryBlueNumberX, "4.") < 0);
        QVERIFY(lineOf(layout, kSummaryBlueMoveX, "A7 - B7 (C7)") < 0);
        // Without a board the squares are left out, the rest keeps its place.
        input.hasBoard = false;
        const SummaryLayout bare = layoutSummary(input, kMetrics);
        QVERIFY(lineOf(bare, 0, "Arrows:") < 0);
        QCOMPARE(lineOf(bare, kSummaryValueX, "1."), 19);
    }

    void aPairNearThePageEndMovesToTheNextPage() {
        SummaryInput input = inputWithArrows(0);
        for (int i = 0; i < 60; ++i) {
            input.moves << QStringLiteral("A%1 - A%2 (A%3)").arg(i).arg(i + 1).arg(i + 2);
        }
        input.moveCounter = 61;
        // Pairs start at line 19, depth 3 T + 19 L = 6900; a page of 9000 twips ends during
        // the pair at line 25 (depth 8700, end 9000), which is pushed down five lines.
        const SummaryMetrics metrics{400, 300, 9000};
        const SummaryLayout layout = layoutSummary(input, metrics);
        const auto depthOf = [&](const QString& number) {
            for (const SummaryText& item : layout.body) {
                if (item.x == kSummaryValueX && item.text == number) {
                    return -item.y;
                }
            }
            return -1;
        };
        QCOMPARE(depthOf("11."), 1200 + 24 * 300);
        QCOMPARE(depthOf("13."), 1200 + (25 + kPageBreakLines) * 300);
        QVERIFY(depthOf("13.") > metrics.pageHeight);
        QCOMPARE(depthOf("15."), depthOf("13.") + 300);
    }

    // The final position stands as a diagram between the title and the lists, which move down
    // by its height; the page estimate counts it.
    void theBoardDiagramStandsAboveTheLists() {
        SummaryInput input = inputWithArrows(1);
        input.rows = 2;
        input.columns = 3;
        input.position = {Content::kBlue,  Content::kEmpty, Content::kArrow,
                          Content::kEmpty, Content::kRed,   Content::kEmpty};
        const SummaryLayout layout = layoutSummary(input, kMetrics);
        QVERIFY(layout.diagram.has_value());
        QCOMPARE(layout.diagram->top, -3 * kMetrics.titleLine);
        QCOMPARE(layout.diagram->position, input.position);
        const int shift = diagramHeight(input, kMetrics);
        QCOMPARE(shift, 2 * kDiagramSquare + 2 * kMetrics.bodyLine);
        const auto yOf = [&](const QString& text) {
            for (const SummaryText& item : layout.body) {
                if (item.text == text) {
                    return item.y;
                }
            }
            return 1;
        };
        QCOMPARE(yOf("Players:"), -3 * kMetrics.titleLine - shift);
        for (const QString coordinate : {"1", "2", "A", "B", "C"}) {
            QVERIFY2(yOf(coordinate) > yOf("Players:"), qPrintable(coordinate));
        }
        input.position.pop_back();
        QVERIFY2(!layoutSummary(input, kMetrics).diagram,
                 "a position that does not fill the board");
        const SummaryMetrics pages{400, 300, 0};
        QVERIFY(estimatedPageCount(100, pages, 10, 10000) > estimatedPageCount(100, pages, 10));
    }

    void pageCountFromTheMoveCounter() {
        const SummaryMetrics metrics{400, 300, 0};
        // 300 * (0 + 0 + 19) + 1200 + 100 = 7000 twips on 10-inch pages: one page.
        QCOMPARE(estimatedPageCount(1, metrics, 10), 1);
        // 300 * (3 + 50 + 19) + 1300 = 22900: two pages of 14400.
        QCOMPARE(estimatedPageCount(100, metrics, 10), 2);
        QCOMPARE(estimatedPageCount(100, metrics, 0), 1);
    }

    // Print to PDF needs no printer: a 30-move game gives the estimated number of pages.
    void printsAThirtyMoveGameToPdf() {
        testing::WindowFixture fixture;
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        CAmazonDoc& document = fixture.document();
        for (int move = 0; move < 30; ++move) {
            const auto moves = testing::legalMoves(*document.board(), document.sideToMove());
            QVERIFY(!moves.empty());
            const testing::LegalMove& chosen = moves[(moves.size() * 7 / 11)];
            document.applyMove(chosen.from, chosen.to, chosen.arrow);
        }
        QCOMPARE(document.moveNumber(), 31);
        const SummaryInput input = summaryInput(document);
        QCOMPARE(input.moves.size(), 30);
        QCOMPARE(input.arrows.size(), 30);
        QCOMPARE(input.redAmazons.size(), 4);

        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("summary.pdf"));
        const SummaryMetrics metrics = summaryMetrics(printer);
        QVERIFY(metrics.bodyLine > 240);  // a 12-point font with its leading
        QVERIFY(metrics.titleLine > 360);
        QVERIFY(printGameSummary(printer, input));
        const int expected = summaryPageCount(printer, input);
        QCOMPARE(pdfPageCount(folder.filePath("summary.pdf")), expected);

        // A long game runs over several pages.
        SummaryInput longGame = input;
        for (int i = 0; i < 300; ++i) {
            longGame.moves << input.moves[i % 30];
        }
        longGame.moveCounter = 331;
        printer.setOutputFileName(folder.filePath("long.pdf"));
        QVERIFY(printGameSummary(printer, longGame));
        const int longPages = summaryPageCount(printer, longGame);
        QVERIFY(longPages > 1);
        QCOMPARE(pdfPageCount(folder.filePath("long.pdf")), longPages);
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::GameSummaryTest)
#include "game_summary_test.moc"
