#include "dialogs/board_configuration_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_builder.h"
#include "dialogs/field_check.h"
#include "formats/location_validator.h"
#include "model/settings.h"

namespace taravin {

namespace {

void showSetup(const BoardSetup& setup, QLineEdit& rows, QLineEdit& columns, QLineEdit& red,
               QLineEdit& blue, QLineEdit& arrows) {
    rows.setText(QString::number(setup.rows));
    columns.setText(QString::number(setup.columns));
    red.setText(QString::fromStdString(setup.redLocations));
    blue.setText(QString::fromStdString(setup.blueLocations));
    arrows.setText(QString::fromStdString(setup.arrowLocations));
}

}  // namespace

BoardConfigurationDialog::BoardConfigurationDialog(Profile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    DialogBuilder build(*this, QStringLiteral("Board Configuration"), 207, 191);
    build.groupBox(QStringLiteral("Board Setup"), {7, 7, 193, 150});
    rows_ = build.numberEdit({15, 32, 30, kEditHeight});
    build.label(QStringLiteral("Board &Size:"), {15, 22, 80, kTextHeight}, rows_);
    columns_ = build.numberEdit({60, 32, 30, kEditHeight});
    build.label(QStringLiteral("X"), {50, 35, 8, kTextHeight}, columns_);
    redLocations_ = build.edit({15, 66, 177, kEditHeight});
    build.label(QStringLiteral("&Red Amazon Locations:"), {15, 56, 177, kTextHeight},
                redLocations_);
    blueLocations_ = build.edit({15, 100, 177, kEditHeight});
    build.label(QStringLiteral("&Blue Amazon Locations:"), {15, 90, 177, kTextHeight},
                blueLocations_);
    arrowLocations_ = build.edit({15, 134, 177, kEditHeight});
    build.label(QStringLiteral("Arrow &Locations:"), {15, 124, 177, kTextHeight}, arrowLocations_);
    QPushButton* defaults =
        build.button(QStringLiteral("&Default Settings"), {7, 170, 70, kButtonHeight});
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {94, 170, kButtonWidth, kButtonHeight});
    build.cancelButton({150, 170, kButtonWidth, kButtonHeight});
    connect(defaults, &QPushButton::clicked, this, &BoardConfigurationDialog::showDefaults);
    connect(ok, &QPushButton::clicked, this, &BoardConfigurationDialog::confirm);

    showSetup(readBoardSetup(profile_, StoredBoardSize::kAsStored), *rows_, *columns_,
              *redLocations_, *blueLocations_, *arrowLocations_);
}

void BoardConfigurationDialog::showDefaults() {
    showSetup(BoardSetup{}, *rows_, *columns_, *redLocations_, *blueLocations_, *arrowLocations_);
}

void BoardConfigurationDialog::confirm() {
    const BoardConfigurationCheck check = checkBoardConfiguration({
        rows_->text().toStdString(),
        columns_->text().toStdString(),
        redLocations_->text().toStdString(),
        blueLocations_->text().toStdString(),
        arrowLocations_->text().toStdString(),
    });
    if (check.accepted()) {
        writeBoardSetup(profile_, check.setup);
        accept();
        return;
    }
    const QString message = QString::fromStdString(check.message);
    switch (check.field) {
        case BoardConfigurationField::kRows:
            refuseAtField(*rows_, DialogMessageKind::kFieldCheck, message);
            return;
        case BoardConfigurationField::kColumns:
            refuseAtField(*columns_, DialogMessageKind::kFieldCheck, message);
            return;
        case BoardConfigurationField::kRed:
            refuseAtField(*redLocations_, DialogMessageKind::kStop, message);
            return;
        case BoardConfigurationField::kBlue:
            refuseAtField(*blueLocations_, DialogMessageKind::kStop, message);
            return;
        case BoardConfigurationField::kArrows:
            refuseAtField(*arrowLocations_, DialogMessageKind::kStop, message);
            return;
        case BoardConfigurationField::kNone:
            showDialogMessage(this, DialogMessageKind::kStop, message);
            return;
    }
}

}  // namespace taravin
