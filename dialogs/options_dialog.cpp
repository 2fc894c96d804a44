#include "dialogs/options_dialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dialog_builder.h"
#include "model/settings.h"

namespace taravin {

namespace {

constexpr int32_t kBlackSquareOption = 1;

}  // namespace

OptionsDialog::OptionsDialog(Profile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    DialogBuilder build(*this, QStringLiteral("Options"), 189, 121);
    build.groupBox(QStringLiteral("Options"), {7, 3, 175, 89});
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
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {40, 100, kButtonWidth, kButtonHeight});
    build.cancelButton({99, 100, kButtonWidth, kButtonHeight});
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::confirm);

    autoGameStart_->setChecked(readSetting(profile_, kAutoGameStartSetting) != 0);
    sound_->setChecked(readSetting(profile_, kSoundSetting) != 0);
    // Any stored value but the black square's reads as the default white border.
    const bool blackSquare = readSetting(profile_, kLastMoveOptionSetting) == kBlackSquareOption;
    blackSquare_->setChecked(blackSquare);
    whiteCellBorder_->setChecked(!blackSquare);
}

void OptionsDialog::confirm() {
    writeSetting(profile_, kSoundSetting, sound_->isChecked() ? 1 : 0);
    writeSetting(profile_, kAutoGameStartSetting, autoGameStart_->isChecked() ? 1 : 0);
    writeSetting(profile_, kLastMoveOptionSetting,
                 blackSquare_->isChecked() ? kBlackSquareOption : 0);
    accept();
}

}  // namespace taravin
