#include "dialogs/options_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dialog_builder.h"
#include "dialogs/field_check.h"
#include "model/analysis_settings.h"
#include "model/settings.h"

namespace taravin {

OptionsDialog::OptionsDialog(Profile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    DialogBuilder build(*this, QStringLiteral("Options"), 189, 199);
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
    build.groupBox(QStringLiteral("Analysis"), {7, 111, 175, 67});
    build.label(QStringLiteral("Best moves on the board (1 to 5):"), {16, 126, 130, kTextHeight});
    analysisMoves_ = build.numberEdit({150, 124, 24, 12});
    build.label(QStringLiteral("Chance lost (%) by an inaccuracy:"), {16, 142, 130, kTextHeight});
    inaccuracy_ = build.numberEdit({150, 140, 24, 12});
    build.label(QStringLiteral("a mistake:"), {16, 158, 40, kTextHeight});
    mistake_ = build.numberEdit({58, 156, 24, 12});
    build.label(QStringLiteral("a blunder:"), {100, 158, 46, kTextHeight});
    blunder_ = build.numberEdit({150, 156, 24, 12});
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {40, 180, kButtonWidth, kButtonHeight});
    build.cancelButton({99, 180, kButtonWidth, kButtonHeight});
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::confirm);

    autoGameStart_->setChecked(readSetting(profile_, kAutoGameStartSetting) != 0);
    sound_->setChecked(readSetting(profile_, kSoundSetting) != 0);
    const bool blackSquare = readLastMoveOption(profile_) == kBlackSquareOption;
    blackSquare_->setChecked(blackSquare);
    whiteCellBorder_->setChecked(!blackSquare);
    fixedSizePieces_->setChecked(readSetting(profile_, kFixedSizePiecesSetting) != 0);
    analysisMoves_->setText(QString::number(readAnalysisMoves(profile_)));
    const ReviewThresholds thresholds = readReviewThresholds(profile_);
    inaccuracy_->setText(QString::number(thresholds.inaccuracyPercent));
    mistake_->setText(QString::number(thresholds.mistakePercent));
    blunder_->setText(QString::number(thresholds.blunderPercent));
}

void OptionsDialog::confirm() {
    const std::optional<int32_t> moves =
        checkedIntegerField(*analysisMoves_, kMinAnalysisMoves, kMaxAnalysisMoves);
    if (!moves) {
        return;
    }
    // Each threshold lies between the one below it and 100.
    const std::optional<int32_t> inaccuracy = checkedIntegerField(*inaccuracy_, 1, 100);
    if (!inaccuracy) {
        return;
    }
    const std::optional<int32_t> mistake = checkedIntegerField(*mistake_, *inaccuracy, 100);
    if (!mistake) {
        return;
    }
    const std::optional<int32_t> blunder = checkedIntegerField(*blunder_, *mistake, 100);
    if (!blunder) {
        return;
    }
    writeSetting(profile_, kSoundSetting, sound_->isChecked() ? 1 : 0);
    writeSetting(profile_, kAutoGameStartSetting, autoGameStart_->isChecked() ? 1 : 0);
    writeSetting(profile_, kLastMoveOptionSetting,
                 blackSquare_->isChecked() ? kBlackSquareOption : kWhiteCellBorderOption);
    writeSetting(profile_, kFixedSizePiecesSetting, fixedSizePieces_->isChecked() ? 1 : 0);
    writeSetting(profile_, kAnalysisMovesSetting, *moves);
    writeReviewThresholds(profile_, {*inaccuracy, *mistake, *blunder});
    accept();
}

}  // namespace taravin
