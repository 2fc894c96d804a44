#include "dialogs/dialog_commands.h"

#include "dialogs/about_dialog.h"
#include "dialogs/board_configuration_dialog.h"
#include "dialogs/colors_dialog.h"
#include "dialogs/congratulations_dialog.h"
#include "dialogs/game_file_dialog.h"
#include "dialogs/game_open_dialog.h"
#include "dialogs/manual_entry_dialog.h"
#include "dialogs/move_history_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/player_configuration_dialog.h"

namespace taravin {

namespace {

bool confirmed(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool runBoardConfigurationDialog(QWidget* parent, Profile& profile) {
    BoardConfigurationDialog dialog(profile, parent);
    return confirmed(dialog);
}

bool runPlayerConfigurationDialog(QWidget* parent, Profile& profile) {
    PlayerConfigurationDialog reduced(PlayerConfigurationDialog::Form::kReduced, profile, parent);
    const int result = reduced.exec();
    if (result != PlayerConfigurationDialog::kFullFormWanted) {
        return result == QDialog::Accepted;
    }
    PlayerConfigurationDialog full(PlayerConfigurationDialog::Form::kFull, profile, parent);
    full.showValues(reduced.enteredValues());
    return confirmed(full);
}

bool runColorsDialog(QWidget* parent, Profile& profile) {
    ColorsDialog dialog(profile, parent);
    return confirmed(dialog);
}

bool runOptionsDialog(QWidget* parent, Profile& profile) {
    OptionsDialog dialog(profile, parent);
    return confirmed(dialog);
}

std::optional<ManualMove> runManualEntryDialog(QWidget* parent, MoveRecord& moveInProgress) {
    if (!moveInProgress.board()) {
        return std::nullopt;
    }
    ManualEntryDialog dialog(moveInProgress, parent);
    if (!confirmed(dialog)) {
        return std::nullopt;
    }
    return ManualMove{dialog.oldQueen(), dialog.newQueen(), dialog.arrow()};
}

void runMoveHistoryDialog(QWidget* parent, const MoveRecordList& record,
                          const MoveRecord* current) {
    MoveHistoryDialog dialog(record, current, parent);
    dialog.exec();
}

void runAboutDialog(QWidget* parent) {
    AboutDialog dialog(parent);
    dialog.exec();
}

void runCongratulationsDialog(QWidget* parent, Side winner, const QString& text) {
    CongratulationsDialog dialog(winner, text, parent);
    dialog.exec();
}

std::optional<GameOpenChoice> runGameOpenDialog(QWidget* parent, Profile& profile) {
    GameOpenDialog dialog(profile, parent);
    if (!confirmed(dialog)) {
        return std::nullopt;
    }
    return GameOpenChoice{dialog.fileName(), dialog.loadPlayers()};
}

std::optional<SaveTarget> runSaveFileDialog(QWidget* parent, Profile& profile,
                                            const QString& proposedName, GameFileFormat format) {
    return chooseGameFileToSave(parent, profile, proposedName, format);
}

}  // namespace taravin
