#pragma once

#include <QString>

namespace taravin {

// The program's title: the window title, message box captions and the printed summary.
inline const QString kApplicationTitle = QStringLiteral("Taravin");

}  // namespace taravin
