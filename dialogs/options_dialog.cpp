#include "dialogs/options_dialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dialog_builder.h"
#include "model/settings.h"

namespace taravin {

OptionsDialog::OptionsDialog(Profile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    DialogBuilder build(*this, QStringLiteral("Options"), 189, 137);
    build.groupBox(QStringLiteral("Options"), {7, 3, 175, 105});
    autoGameStart_ = build.checkBox(QStringLiteral("&Start a new game when the application starts"),
                                    {16, 18, 165, kCheckHeight});
    sound_ = build.checkBox(QStringLiteral("&Enable sound (move completion)"),
                            {16, 33, 125, kCheckHeight});
    build.label(QStringLiteral("The last move on the board is designated by:"),
                {16, 48, 161, kTextHeight});
    whiteCellBorder_ =
        build.radioButton(QStringLiteral("&White cell border"), {27, 60, 69, kCheckHeight});
    blackSquare_ = build.radioButton(QStringLiteral("&Black square in upper right corner"),
                                     {27, 74, 128, kCheckHeight});
    fixedSizePieces_ = build.checkBox(QStringLiteral("&Draw the pieces at a fixed size"),
                                      {16, 90, 125, kCheckHeight});
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {40, 116, kButtonWidth, kButtonHeight});
    build.cancelButton({99, 116, kButtonWidth, kButtonHeight});
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::confirm);

    autoGameStart_->setChecked(readSetting(profile_, kAutoGameStartSetting) != 0);
    sound_->setChecked(readSetting(profile_, kSoundSetting) != 0);
    const bool blackSquare = readLastMoveOption(profile_) == kBlackSquareOption;
    blackSquare_->setChecked(blackSquare);
    whiteCellBorder_->setChecked(!blackSquare);
    fixedSizePieces_->setChecked(readSetting(profile_, kFixedSizePiecesSetting) != 0);
}

void OptionsDialog::confirm() {
    writeSetting(profile_, kSoundSetting, sound_->isChecked() ? 1 : 0);
    writeSetting(profile_, kAutoGameStartSetting, autoGameStart_->isChecked() ? 1 : 0);
    writeSetting(profile_, kLastMoveOptionSetting,
                 blackSquare_->isChecked() ? kBlackSquareOption : kWhiteCellBorderOption);
    writeSetting(profile_, kFixedSizePiecesSetting, fixedSizePieces_->isChecked() ? 1 : 0);
    accept();
}

}  // namespace taravin
