#include "ui/frame_placement.h"

#include <algorithm>
#include <limits>

namespace taravin {

std::optional<QRect> storedFrameRect(const WindowPlacement& placement, int32_t sizeClass,
                                     const ScreenArea& screen) {
    if (!storedPlacementApplies(placement, sizeClass)) {
        return std::nullopt;
    }
    const int64_t width = int64_t{placement.right} - placement.left;
    const int64_t height = int64_t{placement.bottom} - placement.top;
    const int64_t x = std::min<int64_t>(int64_t{placement.left} + screen.workArea.left(),
                                        screen.size.width() - screen.iconSize.width());
    const int64_t y = std::min<int64_t>(int64_t{placement.top} + screen.workArea.top(),
                                        screen.size.height() - screen.iconSize.height());
    // A hand-edited profile may hold anything; what lies outside int is refused.
    const auto fits = [](int64_t value) {
        return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    };
    if (!fits(x) || !fits(y) || !fits(width) || !fits(height)) {
        return std::nullopt;
    }
    return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                 static_cast<int>(height));
}

WindowPlacement placementOf(const QRect& normalRect, const QRect& workArea, int32_t sizeClass) {
    WindowPlacement placement;
    placement.left = normalRect.left() - workArea.left();
    placement.top = normalRect.top() - workArea.top();
    placement.right = placement.left + normalRect.width();
    placement.bottom = placement.top + normalRect.height();
    placement.resolution = sizeClass;
    return placement;
}

QSize snappedFrameSize(const QSize& proposed, int panelWidth) {
    QSize size = proposed;
    if (size.width() < 2 * panelWidth || size.width() > 4 * panelWidth) {
        size.setWidth(2 * panelWidth);
    }
    if (size.height() < panelWidth) {
        size.setHeight(panelWidth);
    }
    return size;
}

QSize defaultFrameSize(const QRect& workArea, int panelWidth, int margin, int gutter,
                       int boardSize) {
    const int height = workArea.height() * 5 / 6;
    const int square = std::max((height - 2 * (margin + gutter)) / std::max(boardSize, 1), 1);
    const int wanted = margin + 2 * gutter + boardSize * square + panelWidth + margin;
    const int width =
        std::min(std::clamp(wanted, 2 * panelWidth, 4 * panelWidth), workArea.width());
    return QSize(width, std::max(height, std::min(panelWidth, workArea.height())));
}

}  // namespace taravin
