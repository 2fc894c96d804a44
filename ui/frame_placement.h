#pragma once

#include <QRect>
#include <QSize>
#include <optional>

#include "model/settings.h"

namespace taravin {

// The screen as the placement rules see it.
struct ScreenArea {
    QRect workArea;  // the desktop not covered by panels
    QSize size;      // the whole screen
    QSize iconSize;  // the system's large icon
};

// The stored rectangle (left and top relative to the work area) when it applies to this
// screen class, kept so that at least an icon's width and height of the window stay on the
// screen; nothing when the platform's default placement is to be used.
std::optional<QRect> storedFrameRect(const WindowPlacement& placement, int32_t sizeClass,
                                     const ScreenArea& screen);

// What is stored for a window whose normal rectangle is given, on a screen of the class.
WindowPlacement placementOf(const QRect& normalRect, const QRect& workArea, int32_t sizeClass);

// The resize rule: a width under two panel widths or over four snaps back to two; a height
// under one panel width grows to one.
QSize snappedFrameSize(const QSize& proposed, int panelWidth);

// The size of a new window: the board as high as most of the work area allows, the panel
// beside it, within the widths the resize rule keeps.
QSize defaultFrameSize(const QRect& workArea, int panelWidth, int margin, int gutter,
                       int boardSize);

}  // namespace taravin
