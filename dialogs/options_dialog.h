#pragma once

#include <QDialog>

#include "model/profile.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace taravin {

// "Options": starting a game with the program, the move sound, how the last move is marked,
// and whether the pieces keep their fixed size instead of growing with the squares; below
// them, how many of the analysis's moves the board shows and the review's thresholds.
class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit OptionsDialog(Profile& profile, QWidget* parent = nullptr);

  private:
    void confirm();

    Profile& profile_;
    QCheckBox* autoGameStart_;
    QCheckBox* sound_;
    QRadioButton* whiteCellBorder_;
    QRadioButton* blackSquare_;
    QCheckBox* fixedSizePieces_;
    QLineEdit* analysisMoves_;
    QLineEdit* inaccuracy_;
    QLineEdit* mistake_;
    QLineEdit* blunder_;
};

}  // namespace taravin
