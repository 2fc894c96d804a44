#include "dialogs/move_history_dialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <array>

#include "dialogs/dialog_builder.h"

namespace taravin {

namespace {

struct Column {
    const char* heading;
    int widthPixels;
};

constexpr std::array<Column, 4> kColumns{{
    {"#", 30},
    {"Red Player", 120},
    {"#", 30},
    {"Blue Player", 120},
}};

void setCell(QTableWidget& table, int row, int column, const QString& text) {
    table.setItem(row, column, new QTableWidgetItem(text));
}

}  // namespace

MoveHistoryDialog::MoveHistoryDialog(const MoveRecordList& record, const MoveRecord* current,
                                     QWidget* parent)
    : QDialog(parent) {
    DialogBuilder build(*this, QStringLiteral("Move History"), 232, 201);
    table_ = new QTableWidget(0, static_cast<int>(kColumns.size()), this);
    build.place(*table_, {7, 7, 218, 158});
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        table_->setHorizontalHeaderItem(static_cast<int>(column),
                                        new QTableWidgetItem(kColumns[column].heading));
        table_->setColumnWidth(static_cast<int>(column), kColumns[column].widthPixels);
    }
    table_->horizontalHeader()->setSectionsClickable(false);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->verticalHeader()->hide();
    table_->setShowGrid(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    ok_ = build.defaultButton(QStringLiteral("OK"), {90, 174, kButtonWidth, kButtonHeight});
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    fill(record, current);
    tableMargin_ =
        QSize(width() - table_->geometry().right(), height() - table_->geometry().bottom());
    okFromBottom_ = height() - ok_->y();
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);
}

void MoveHistoryDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QRect table = table_->geometry();
    table_->setGeometry(QRect(
        table.topLeft(), QPoint(width() - tableMargin_.width(), height() - tableMargin_.height())));
    ok_->move((width() - ok_->width()) / 2, height() - okFromBottom_);
}

void MoveHistoryDialog::fill(const MoveRecordList& record, const MoveRecord* current) {
    int currentRow = -1;
    int number = 1;
    for (const MoveRecord* move = record.head(); move; move = move->next, number += 2) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        setCell(*table_, row, 0, QString::number(number));
        setCell(*table_, row, 1, QString::fromStdString(move->text()));
        if (move == current) {
            currentRow = row;
        }
        if (const MoveRecord* second = move->next) {
            setCell(*table_, row, 2, QString::number(number + 1));
            setCell(*table_, row, 3, QString::fromStdString(second->text()));
            if (second == current) {
                currentRow = row;
            }
            move = second;
        }
    }
    table_->resizeRowsToContents();
    if (currentRow >= 0) {
        table_->selectRow(currentRow);
        table_->scrollToItem(table_->item(currentRow, 0));
    }
}

}  // namespace taravin
