#include "dialogs/colors_dialog.h"

#include <QColorDialog>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/color_code.h"
#include "dialogs/dialog_builder.h"

namespace taravin {

namespace {

constexpr std::array<const IntSetting*, 3> kColorSettings{&kColor1CodeSetting, &kColor2CodeSetting,
                                                          &kBkgColorCodeSetting};

}  // namespace

ColorsDialog::ColorsDialog(Profile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile), customColors_(readCustomColors(profile)) {
    DialogBuilder build(*this, QStringLiteral("Colors"), 207, 114);
    build.groupBox(QStringLiteral("Color Configuration"), {7, 7, 193, 76});
    struct SwatchLayout {
        Swatch swatch;
        DialogRect swatchRect;
        DialogRect buttonRect;
    };
    const std::array<SwatchLayout, kSwatchCount> layouts{{
        {kFirstSquare, {15, 33, 62, 14}, {82, 33, 18, 14}},
        {kSecondSquare, {109, 33, 62, 14}, {176, 33, 18, 14}},
        {kBackground, {15, 61, 62, 14}, {82, 61, 18, 14}},
    }};
    std::array<QPushButton*, kSwatchCount> chooseButtons{};
    for (const SwatchLayout& layout : layouts) {
        QLineEdit* swatch = build.edit(layout.swatchRect);
        swatch->setReadOnly(true);
        swatch->setFocusPolicy(Qt::NoFocus);
        swatches_[layout.swatch] = swatch;
        QPushButton* button = build.button(QStringLiteral("..."), layout.buttonRect);
        connect(button, &QPushButton::clicked, this,
                [this, swatch = layout.swatch] { choose(swatch); });
        chooseButtons[layout.swatch] = button;
    }
    build.label(QStringLiteral("Alternative Square Background &Colors:"),
                {15, 22, 180, kTextHeight}, chooseButtons[kFirstSquare]);
    build.label(QStringLiteral("&Screen Background Color:"), {15, 50, 90, kTextHeight},
                chooseButtons[kBackground]);
    QPushButton* defaults =
        build.button(QStringLiteral("&Default Colors"), {110, 61, 84, kButtonHeight});
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {47, 89, kButtonWidth, kButtonHeight});
    build.cancelButton({109, 89, kButtonWidth, kButtonHeight});
    connect(defaults, &QPushButton::clicked, this, &ColorsDialog::showDefaults);
    connect(ok, &QPushButton::clicked, this, &ColorsDialog::confirm);

    for (int swatch = 0; swatch < kSwatchCount; ++swatch) {
        setColor(static_cast<Swatch>(swatch), readSetting(profile_, *kColorSettings[swatch]));
    }
}

void ColorsDialog::choose(Swatch swatch) {
    // The chooser's custom colours are one set for the whole program: load this dialog's set
    // before and take it back after, so that what the user defines is stored only on OK.
    for (int i = 0; i < kCustomColorCount; ++i) {
        QColorDialog::setCustomColor(i, colorFromCode(customColors_[i]));
    }
    QColorDialog chooser(colorFromCode(colors_[swatch]), this);
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = chooser.exec() == QDialog::Accepted;
    for (int i = 0; i < kCustomColorCount; ++i) {
        customColors_[i] = codeFromColor(QColorDialog::customColor(i));
    }
    if (chosen) {
        setColor(swatch, codeFromColor(chooser.selectedColor()));
    }
}

void ColorsDialog::showDefaults() {
    for (int swatch = 0; swatch < kSwatchCount; ++swatch) {
        setColor(static_cast<Swatch>(swatch), kColorSettings[swatch]->defaultValue);
    }
}

void ColorsDialog::setColor(Swatch swatch, int32_t code) {
    colors_[swatch] = code;
    QPalette palette = swatches_[swatch]->palette();
    palette.setColor(QPalette::Base, colorFromCode(code));
    swatches_[swatch]->setPalette(palette);
}

void ColorsDialog::confirm() {
    for (int swatch = 0; swatch < kSwatchCount; ++swatch) {
        writeSetting(profile_, *kColorSettings[swatch], colors_[swatch]);
    }
    writeCustomColors(profile_, customColors_);
    accept();
}

}  // namespace taravin
