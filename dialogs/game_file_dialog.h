#pragma once

#include <QString>
#include <optional>

#include "model/profile.h"

class QWidget;

namespace taravin {

enum class GameFileAction { kOpen, kSave };

// The platform's file dialog for game files: "Taravin Files (*.txt)" or "All Files (*)",
// default extension "txt", starting in the folder stored under "FileDlgDirectory". Saving
// proposes `proposedName` and asks before overwriting. The chosen path's folder is stored under
// "FileDlgDirectory"; Cancel stores nothing.
std::optional<QString> chooseGameFile(QWidget* parent, Profile& profile, GameFileAction action,
                                      const QString& proposedName = {});

}  // namespace taravin
