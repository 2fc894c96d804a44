#pragma once

#include <QDialog>
#include <optional>

#include "model/move_record.h"
#include "model/square.h"

class QLineEdit;

namespace taravin {

// "Manual Move Entry": a whole move typed as three square names. OK closes only for a move
// that the move in progress accepts as legal.
class ManualEntryDialog : public QDialog {
    Q_OBJECT

  public:
    // The move in progress must have its board.
    explicit ManualEntryDialog(MoveRecord& moveInProgress, QWidget* parent = nullptr);

    Square oldQueen() const { return oldQueen_; }
    Square newQueen() const { return newQueen_; }
    Square arrow() const { return arrow_; }

  private:
    std::optional<Square> checkedSquare(QLineEdit& edit, const char* refusal);
    void confirm();

    MoveRecord& moveInProgress_;
    QLineEdit* oldQueenEdit_;
    QLineEdit* newQueenEdit_;
    QLineEdit* arrowEdit_;
    Square oldQueen_;
    Square newQueen_;
    Square arrow_;
};

}  // namespace taravin
