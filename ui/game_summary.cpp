#include "ui/game_summary.h"

#include "app/amazon_doc.h"
#include "gui_base/application_title.h"

namespace taravin {

namespace {

constexpr int kTwipsPerInch = 1440;

QString squareList(const QStringList& squares) {
    QString text;
    for (const QString& square : squares) {
        text += square + QLatin1Char(' ');
    }
    return text;
}

QStringList amazonSquares(const Board& board, Side side) {
    QStringList squares;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        squares << QString::fromStdString(node->text());
    }
    return squares;
}

// Whether a line starting at the depth (twips below the top of the sheet) ends less than one
// line above the lower edge of its page.
bool tooNearPageEnd(int depth, const SummaryMetrics& metrics) {
    if (metrics.pageHeight <= 0) {
        return false;
    }
    const int pageEnd = (depth / metrics.pageHeight + 1) * metrics.pageHeight;
    return pageEnd - (depth + metrics.bodyLine) < metrics.bodyLine;
}

}  // namespace

SummaryInput summaryInput(const CAmazonDoc& document) {
    SummaryInput input;
    input.title = kApplicationTitle;
    input.redPlayer = QString::fromStdString(document.player(Side::kRed).description());
    input.bluePlayer = QString::fromStdString(document.player(Side::kBlue).description());
    input.redTime = QString::fromStdString(document.player(Side::kRed).clockText());
    input.blueTime = QString::fromStdString(document.player(Side::kBlue).clockText());
    input.moveCounter = document.moveNumber();
    if (const Board* board = document.board()) {
        input.hasBoard = true;
        input.rows = board->rows();
        input.columns = board->columns();
        for (int32_t row = board->rows(); row >= 1; --row) {
            for (int32_t column = 1; column <= board->columns(); ++column) {
                input.position.push_back(board->content(row, column));
            }
        }
        input.redAmazons = amazonSquares(*board, Side::kRed);
        input.blueAmazons = amazonSquares(*board, Side::kBlue);
        for (int32_t row = 1; row <= board->rows(); ++row) {
            for (int32_t column = 1; column <= board->columns(); ++column) {
                if (board->content(row, column) == Content::kArrow) {
                    input.arrows << QString::fromStdString(squareName(row, column));
                }
            }
        }
    }
    if (const MoveRecordList* record = document.gameRecord()) {
        for (const MoveRecord* move = record->head(); move; move = move->next) {
            input.moves << QString::fromStdString(move->text());
        }
    }
    return input;
}

SummaryLayout layoutSummary(const SummaryInput& input, const SummaryMetrics& metrics) {
    SummaryLayout layout;
    const int t = metrics.titleLine;
    const int l = metrics.bodyLine;
    layout.title.push_back({0, -t, input.title});
    layout.ruleY = -2 * t;

    if (diagramHeight(input, metrics) > 0) {
        SummaryDiagram diagram{kSummaryValueX, -3 * t,        kDiagramSquare,
                               input.rows,     input.columns, input.position};
        for (int32_t m = 0; m < input.rows; ++m) {
            layout.body.push_back({kSummaryValueX / 3,
                                   diagram.top - m * kDiagramSquare - (kDiagramSquare - l) / 2,
                                   QString::number(input.rows - m)});
        }
        const int lettersTop = diagram.top - input.rows * kDiagramSquare - l / 4;
        for (int32_t column = 0; column < input.columns; ++column) {
            layout.body.push_back({kSummaryValueX + column * kDiagramSquare + kDiagramSquare / 3,
                                   lettersTop, QString(QChar('A' + column))});
        }
        layout.diagram = std::move(diagram);
    }

    const int y0 = -3 * t - diagramHeight(input, metrics);
    const auto at = [&](int line) { return y0 - line * l; };
    const auto put = [&](int x, int line, const QString& text) {
        layout.body.push_back({x, at(line), text});
    };
    put(0, 0, QStringLiteral("Players:"));
    put(kSummaryValueX, 1, input.redPlayer);
    put(kSummaryValueX, 2, input.bluePlayer);
    put(0, 4, QStringLiteral("Game Time:"));
    put(kSummaryValueX, 5, input.redTime);
    put(kSummaryValueX, 6, input.blueTime);

    const int arrowLines = static_cast<int>(input.arrows.size()) / kArrowsPerLine + 1;
    if (input.hasBoard) {
        put(0, 8, QStringLiteral("Red Amazons:"));
        put(kSummaryValueX, 9, squareList(input.redAmazons));
        put(0, 11, QStringLiteral("Blue Amazons:"));
        put(kSummaryValueX, 12, squareList(input.blueAmazons));
        put(0, 14, QStringLiteral("Arrows:"));
        for (qsizetype first = 0; first < input.arrows.size(); first += kArrowsPerLine) {
            put(kSummaryValueX, 15 + static_cast<int>(first / kArrowsPerLine),
                squareList(input.arrows.mid(first, kArrowsPerLine)));
        }
    }
    put(0, arrowLines + 16, QStringLiteral("Move History:"));
    put(kSummaryRedMoveX, arrowLines + 17, QStringLiteral("Red"));
    put(kSummaryBlueMoveX, arrowLines + 17, QStringLiteral("Blue"));

    if (input.moveCounter <= 1) {
        return layout;
    }
    int line = arrowLines + 18;
    for (int32_t number = 1; number < input.moveCounter && number <= input.moves.size();
         number += 2) {
        if (tooNearPageEnd(-at(line), metrics)) {
            line += kPageBreakLines;
        }
        put(kSummaryValueX, line, QStringLiteral("%1.").arg(number));
        put(kSummaryRedMoveX, line, input.moves[number - 1]);
        if (number + 1 < input.moveCounter && number < input.moves.size()) {
            put(kSummaryBlueNumberX, line, QStringLiteral("%1.").arg(number + 1));
            put(kSummaryBlueMoveX, line, input.moves[number]);
        }
        ++line;
    }
    return layout;
}

int diagramHeight(const SummaryInput& input, const SummaryMetrics& metrics) {
    const bool shown =
        input.rows > 0 && input.columns > 0 &&
        input.position.size() == static_cast<std::size_t>(input.rows * input.columns);
    // The squares, the line of letters under them and an empty line.
    return shown ? input.rows * kDiagramSquare + 2 * metrics.bodyLine : 0;
}

int estimatedPageCount(int32_t moveCounter, const SummaryMetrics& metrics, int pageHeightInches,
                       int extraTwips) {
    const int64_t pageTwips = int64_t{pageHeightInches} * kTwipsPerInch;
    if (pageTwips <= 0) {
        return 1;
    }
    const int64_t n = moveCounter;
    const int64_t length = int64_t{metrics.bodyLine} * (n / 30 + n / 2 + 19) +
                           3 * int64_t{metrics.titleLine} + 100 + extraTwips;
    return static_cast<int>(length / pageTwips + 1);
}

}  // namespace taravin
