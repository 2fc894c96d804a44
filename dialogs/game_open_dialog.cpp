#include "dialogs/game_open_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "dialogs/dialog_builder.h"
#include "dialogs/game_file_dialog.h"

namespace taravin {

namespace {

constexpr int kMaxFileNameLength = 256;

}  // namespace

GameOpenDialog::GameOpenDialog(Profile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    DialogBuilder build(*this, QStringLiteral("Game Open"), 227, 108);
    build.groupBox(QStringLiteral("Game Open Settings"), {7, 7, 213, 73});
    fileName_ = build.edit({15, 32, 150, kEditHeight}, kMaxFileNameLength);
    build.label(QStringLiteral("&Filename:"), {15, 22, 150, kTextHeight}, fileName_);
    QPushButton* browse = build.button(QStringLiteral("&Browse..."), {170, 32, 42, kButtonHeight});
    loadPlayers_ =
        build.checkBox(QStringLiteral("&Load the player configuration information from the file"),
                       {15, 56, 200, kCheckHeight});
    loadPlayers_->setChecked(true);
    QPushButton* open =
        build.defaultButton(QStringLiteral("Open"), {58, 87, kButtonWidth, kButtonHeight});
    build.cancelButton({119, 87, kButtonWidth, kButtonHeight});
    connect(browse, &QPushButton::clicked, this, &GameOpenDialog::browse);
    connect(open, &QPushButton::clicked, this, &QDialog::accept);
}

QString GameOpenDialog::fileName() const {
    return fileName_->text();
}

bool GameOpenDialog::loadPlayers() const {
    return loadPlayers_->isChecked();
}

void GameOpenDialog::browse() {
    if (const std::optional<QString> path = chooseGameFileToOpen(this, profile_)) {
        // A picked path is never cut to the length allowed for typing.
        fileName_->setMaxLength(std::max(kMaxFileNameLength, static_cast<int>(path->size())));
        fileName_->setText(*path);
    }
}

}  // namespace taravin
