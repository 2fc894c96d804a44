#pragma once

#include <QDialog>

#include "model/profile.h"

class QCheckBox;
class QRadioButton;

namespace taravin {

// "Options": starting a game with the program, the move sound, how the last move is marked,
// and whether the pieces keep their fixed size instead of growing with the squares.
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
};

}  // namespace taravin
