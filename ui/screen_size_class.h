#pragma once

#include <cstdint>
#include <optional>

class QWidget;

namespace taravin {

// The size class (0 to 5) of the screen the widget is on, from the height of its usable
// area, or of the primary screen when the widget is not placed yet.
int32_t screenSizeClass(const QWidget* widget);

// Tests and screenshots choose the class, since a virtual screen has one fixed size.
void setScreenSizeClassOverride(std::optional<int32_t> sizeClass);

}  // namespace taravin
