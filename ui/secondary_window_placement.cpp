#include "ui/secondary_window_placement.h"

#include <algorithm>

namespace taravin {

QRect secondaryWindowRect(const QRect& ownerFrame, QSize size, int top, const QRect& workArea) {
    const QSize fitted = size.boundedTo(workArea.size());
    int left = ownerFrame.right() + 1;
    if (left + fitted.width() - 1 > workArea.right()) {
        left = ownerFrame.left() - fitted.width() >= workArea.left()
                   ? ownerFrame.left() - fitted.width()
                   : workArea.right() + 1 - fitted.width();
    }
    const int shownTop = std::clamp(top, workArea.top(), workArea.bottom() + 1 - fitted.height());
    return QRect(QPoint(std::max(left, workArea.left()), shownTop), fitted);
}

}  // namespace taravin
