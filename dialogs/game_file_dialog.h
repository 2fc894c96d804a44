#pragma once

#include <QString>
#include <optional>

#include "model/profile.h"

class QWidget;

namespace taravin {

enum class GameFileFormat { kNative, kSgf };

struct SaveTarget {
    QString path;
    GameFileFormat format = GameFileFormat::kNative;
};

// The platform's file dialogs for game files, starting in the folder stored under
// "FileDlgDirectory". Opening stores the chosen path's folder there; saving leaves that to the
// caller once the file is written, so a failed save does not move it. Cancel stores nothing.

// Opening lists native and SGF games together; each file is read by its content.
std::optional<QString> chooseGameFileToOpen(QWidget* parent, Profile& profile);

// Saving offers "Taravin Files (*.txt)" and "SGF game (*.sgf)", starts on `format` (the one the
// game was opened or last saved in), proposes `proposedName` and asks before overwriting. The
// format saved is the typed extension's, or else the chosen filter's.
std::optional<SaveTarget> chooseGameFileToSave(QWidget* parent, Profile& profile,
                                               const QString& proposedName, GameFileFormat format);

// Stores the folder of a game file written or opened, where the next file dialog starts.
void rememberGameFolder(Profile& profile, const QString& path);

}  // namespace taravin
