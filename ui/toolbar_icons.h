#pragma once

#include <QIcon>
#include <QImage>

#include "ui/commands.h"

namespace taravin {

inline constexpr int kToolbarIconSize = 16;

// The 16 x 16 picture of a toolbar command, drawn by the program so that it shows without
// any icon theme. Commands without a toolbar button get a null image.
QImage commandImage(CommandId id);
QIcon commandIcon(CommandId id);

}  // namespace taravin
