#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "dialog_test_support.h"
#include "dialogs/move_history_dialog.h"
#include "model/board_setup.h"

namespace taravin {

using namespace testing;

namespace {

// A record of `count` moves, as text only: each move A(n) - B(n) (C(n)) by alternating sides.
void fillRecord(MoveRecordList& record, Board& board, int count) {
    Side side = Side::kRed;
    for (int n = 1; n <= count; ++n) {
        auto* move = new MoveRecord(side, &board);
        move->setFrom(n, 1);
        move->setTo(n, 2);
        move->setArrow(n, 3);
        record.append(move);
        side = otherSide(side);
    }
}

const MoveRecord* moveNumber(const MoveRecordList& record, int number) {
    const MoveRecord* move = record.head();
    for (int n = 1; n < number; ++n) {
        move = move->next;
    }
    return move;
}

QStringList rowTexts(const QTableWidget& table, int row) {
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QTableWidgetItem* item = table.item(row, column);
        texts.append(item ? item->text() : QString());
    }
    return texts;
}

QTableWidget& tableOf(const QDialog& dialog) {
    auto* table = dialog.findChild<QTableWidget*>();
    if (!table) {
        qFatal("the Move History dialog has no table");
    }
    return *table;
}

}  // namespace

class MoveHistoryDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void theTableIsAReportWithFourFixedColumns() {
        MoveRecordList record;
        MoveHistoryDialog dialog(record, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Move History"));
        const QTableWidget& table = tableOf(dialog);
        const QStringList headings{"#", "Red Player", "#", "Blue Player"};
        const int widths[] = {30, 120, 30, 120};
        QCOMPARE(table.columnCount(), 4);
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(table.horizontalHeaderItem(column)->text(), headings[column]);
            QCOMPARE(table.columnWidth(column), widths[column]);
        }
        QVERIFY(table.showGrid());
        QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table.editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!table.horizontalHeader()->sectionsClickable());
        QVERIFY(!table.isSortingEnabled());
        QCOMPARE(table.rowCount(), 0);
        QVERIFY(table.selectedItems().isEmpty());
    }

    void fiveMovesMakeThreeRowsWithTheCurrentMovesRowSelected() {
        MoveRecordList record;
        fillRecord(record, *board_, 5);
        MoveHistoryDialog dialog(record, moveNumber(record, 4));
        const QTableWidget& table = tableOf(dialog);
        QCOMPARE(table.rowCount(), 3);
        QCOMPARE(rowTexts(table, 0), QStringList({"1", "A1 - B1 (C1)", "2", "A2 - B2 (C2)"}));
        QCOMPARE(rowTexts(table, 1), QStringList({"3", "A3 - B3 (C3)", "4", "A4 - B4 (C4)"}));
        QCOMPARE(rowTexts(table, 2), QStringList({"5", "A5 - B5 (C5)", "", ""}));
        const QList<QTableWidgetSelectionRange> selected = table.selectedRanges();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0].topRow(), 1);
        QCOMPARE(selected[0].bottomRow(), 1);
        QCOMPARE(selected[0].columnCount(), 4);
    }

    void theSelectionFollowsTheMoveTheGameStandsAt() {
        MoveRecordList record;
        fillRecord(record, *board_, 5);
        for (const auto& [current, row] : {std::pair{1, 0}, std::pair{3, 1}, std::pair{5, 2}}) {
            MoveHistoryDialog dialog(record, moveNumber(record, current));
            const QList<QTableWidgetSelectionRange> selected = tableOf(dialog).selectedRanges();
            QCOMPARE(selected.size(), 1);
            QCOMPARE(selected[0].topRow(), row);
        }
        MoveHistoryDialog atTheStart(record, nullptr);
        QVERIFY(tableOf(atTheStart).selectedItems().isEmpty());
    }

    void aLongGameIsListedWhole() {
        MoveRecordList record;
        fillRecord(record, *board_, 10);
        for (int n = 11; n <= 92; ++n) {
            auto* move = new MoveRecord(n % 2 ? Side::kRed : Side::kBlue, board_.get());
            move->setFrom(1, 1);
            move->setTo(2, 2);
            move->setArrow(3, 3);
            record.append(move);
        }
        MoveHistoryDialog dialog(record, record.tail());
        const QTableWidget& table = tableOf(dialog);
        QCOMPARE(table.rowCount(), 46);
        QCOMPARE(rowTexts(table, 45).at(2), QStringLiteral("92"));
        QCOMPARE(table.selectedRanges().at(0).topRow(), 45);
    }

    void okClosesAndTheTableGrowsWithTheDialog() {
        MoveRecordList record;
        MoveHistoryDialog dialog(record, nullptr);
        dialog.show();
        // Made larger, the table grows with the dialog and OK stays below it.
        const QSize table = tableOf(dialog).size();
        dialog.resize(dialog.size() + QSize(200, 150));
        QCOMPARE(tableOf(dialog).size(), table + QSize(200, 150));
        QVERIFY(captioned(dialog, "OK")->geometry().top() > tableOf(dialog).geometry().bottom());
        click(dialog, "OK");
        QVERIFY(!dialog.isVisible());
    }

  private:
    std::unique_ptr<Board> board_ = buildBoard(BoardSetup{});
};

}  // namespace taravin

QTEST_MAIN(taravin::MoveHistoryDialogTest)
#include "move_history_dialog_test.moc"
