#pragma once

#include <QDialog>

#include "model/profile.h"

class QLineEdit;

namespace taravin {

// "Board Configuration": board size and the three location lists. OK stores the setup only
// when every field passes the strict checks; each refusal names its fault and keeps the
// dialog open.
class BoardConfigurationDialog : public QDialog {
    Q_OBJECT

  public:
    BoardConfigurationDialog(Profile& profile, QWidget* parent = nullptr);

  private:
    void showDefaults();
    void confirm();

    Profile& profile_;
    QLineEdit* rows_;
    QLineEdit* columns_;
    QLineEdit* redLocations_;
    QLineEdit* blueLocations_;
    QLineEdit* arrowLocations_;
};

}  // namespace taravin
