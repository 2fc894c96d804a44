#pragma once

#include <QDialog>

#include "model/move_record.h"

class QPushButton;
class QTableWidget;

namespace taravin {

// "Move History": the whole game record, two moves a row, with the row of the move at which
// the game stands selected. It only displays. It opens at its fixed size and may be made
// larger; the table grows with it and OK stays centred under it.
class MoveHistoryDialog : public QDialog {
    Q_OBJECT

  public:
    // `current` is the last move of the position on the board, or null at the start.
    MoveHistoryDialog(const MoveRecordList& record, const MoveRecord* current,
                      QWidget* parent = nullptr);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fill(const MoveRecordList& record, const MoveRecord* current);

    QTableWidget* table_;
    QPushButton* ok_;
    // The room the opening layout leaves right of and below the table, and below OK's top.
    QSize tableMargin_;
    int okFromBottom_ = 0;
};

}  // namespace taravin
