#include "dialogs/dialog_commands.h"

// Placeholders until the dialogs exist: every dialog is cancelled.

namespace taravin {

bool runBoardConfigurationDialog(QWidget*, Profile&) { return false; }
bool runPlayerConfigurationDialog(QWidget*, Profile&) { return false; }
bool runFullPlayerConfigurationDialog(QWidget*, Profile&) { return false; }
bool runDepthMoveCountDialog(QWidget*, Profile&) { return false; }
bool runColorsDialog(QWidget*, Profile&) { return false; }
bool runOptionsDialog(QWidget*, Profile&) { return false; }
std::optional<ManualMove> runManualEntryDialog(QWidget*, MoveRecord&) { return std::nullopt; }
void runMoveHistoryDialog(QWidget*, const MoveRecordList&, const MoveRecord*) {}
void runAboutDialog(QWidget*) {}
void runCongratulationsDialog(QWidget*, int32_t, const QString&) {}
std::optional<GameOpenChoice> runGameOpenDialog(QWidget*, Profile&) { return std::nullopt; }
std::optional<QString> runSaveFileDialog(QWidget*, Profile&, const QString&) { return std::nullopt; }

}  // namespace taravin
