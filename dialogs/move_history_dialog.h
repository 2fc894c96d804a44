#pragma once

#include <QDialog>

#include "model/move_record.h"

class QTableWidget;

namespace taravin {

// "Move History": the whole game record, two moves a row, with the row of the move at which
// the game stands selected. It only displays.
class MoveHistoryDialog : public QDialog {
    Q_OBJECT

  public:
    // `current` is the last move of the position on the board, or null at the start.
    MoveHistoryDialog(const MoveRecordList& record, const MoveRecord* current,
                      QWidget* parent = nullptr);

  private:
    void fill(const MoveRecordList& record, const MoveRecord* current);

    QTableWidget* table_;
};

}  // namespace taravin
