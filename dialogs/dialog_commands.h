#pragma once

#include <QString>
#include <optional>

#include "dialogs/game_file_dialog.h"
#include "model/move_record.h"
#include "model/profile.h"
#include "model/square.h"

class QWidget;

namespace taravin {

// The modal dialogs as the main frame runs them. Each settings dialog writes its profile keys
// itself when confirmed and returns true; the frame then reloads what the command names.

bool runBoardConfigurationDialog(QWidget* parent, Profile& profile);
// The reduced form that the menu and toolbar open (writes QScout and evaluation 1).
bool runPlayerConfigurationDialog(QWidget* parent, Profile& profile);
bool runColorsDialog(QWidget* parent, Profile& profile);
bool runOptionsDialog(QWidget* parent, Profile& profile);

// A typed move that the move in progress accepts as legal, or nothing on Cancel.
struct ManualMove {
    Square from;
    Square to;
    Square arrow;
};
std::optional<ManualMove> runManualEntryDialog(QWidget* parent, MoveRecord& moveInProgress);

void runMoveHistoryDialog(QWidget* parent, const MoveRecordList& record, const MoveRecord* current);
void runAboutDialog(QWidget* parent);
// "Congratulations!" with the winner's amazon on both sides of the text.
void runCongratulationsDialog(QWidget* parent, Side winner, const QString& text);

// The Game Open dialog: the file to open and whether to take its players.
struct GameOpenChoice {
    QString fileName;
    bool loadPlayers = true;
};
std::optional<GameOpenChoice> runGameOpenDialog(QWidget* parent, Profile& profile);
// The save-file dialog; the chosen path and format. The caller stores the folder under
// "FileDlgDirectory" once the file is written.
std::optional<SaveTarget> runSaveFileDialog(QWidget* parent, Profile& profile,
                                            const QString& proposedName, GameFileFormat format);

}  // namespace taravin
