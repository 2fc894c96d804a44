#pragma once

#include <QDialog>

#include "model/profile.h"

class QCheckBox;
class QLineEdit;

namespace taravin {

// "Game Open": the file to open, typed or picked with Browse, and whether to take the players
// from it. The dialog only collects the choice; opening is the caller's.
class GameOpenDialog : public QDialog {
    Q_OBJECT

  public:
    explicit GameOpenDialog(Profile& profile, QWidget* parent = nullptr);

    QString fileName() const;
    bool loadPlayers() const;

  private:
    void browse();

    Profile& profile_;
    QLineEdit* fileName_;
    QCheckBox* loadPlayers_;
};

}  // namespace taravin
