#pragma once

#include <QRect>
#include <QSize>

namespace taravin {

// Where a window that belongs to the main window opens: right of the owner's frame when it
// fits on the work area, else left of it, else over the owner's right part; its top at `top`
// (the owner's top, or below its menu and toolbar). It is kept wholly on the work area, and
// cut to it when larger.
QRect secondaryWindowRect(const QRect& ownerFrame, QSize size, int top, const QRect& workArea);

}  // namespace taravin
