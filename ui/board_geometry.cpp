#include "ui/board_geometry.h"

#include <algorithm>
#include <array>

namespace taravin {

namespace {
constexpr std::array<SizeClassMetrics, kSizeClassCount> kMetrics{{
    {10, 15, 10, 1, 12},
    {10, 15, 10, 1, 12},
    {20, 30, 20, 2, 14},
    {20, 30, 20, 2, 14},
    {20, 30, 20, 2, 16},
    {20, 30, 20, 2, 16},
}};
}  // namespace

const SizeClassMetrics& sizeClassMetrics(int32_t sizeClass) {
    return kMetrics[static_cast<std::size_t>(std::clamp(sizeClass, 0, kSizeClassCount - 1))];
}

BoardGeometry computeBoardGeometry(int clientWidth, int clientHeight, int rows, int columns,
                                   int panelWidth, const SizeClassMetrics& metrics, bool flipped) {
    const int m = metrics.margin;
    const int g = metrics.gutter;
    BoardGeometry geometry;
    geometry.rows = std::max(rows, 1);
    geometry.columns = std::max(columns, 1);
    geometry.flipped = flipped;
    int s = (clientHeight - 2 * (m + g)) / geometry.rows;
    const int freeWidth = clientWidth - m - 2 * g - geometry.columns * s;
    if (freeWidth < panelWidth) {
        s -= (panelWidth - freeWidth) / geometry.columns;
    }
    s = std::max(s, 1);
    geometry.squareSize = s;
    geometry.frame = {m, m, m + 2 * g + geometry.columns * s, m + 2 * g + geometry.rows * s};
    geometry.squares = {m + g, m + g, m + g + geometry.columns * s, m + g + geometry.rows * s};
    return geometry;
}

std::optional<Square> BoardGeometry::squareAt(int x, int y) const {
    if (!valid() || x <= squares.left || x >= squares.right || y <= squares.top ||
        y >= squares.bottom) {
        return std::nullopt;
    }
    const int column = (x - squares.left) / squareSize;
    const int row = (y - squares.top) / squareSize;
    if (flipped) {
        return Square{row + 1, columns - column};
    }
    return Square{rows - row, column + 1};
}

Square BoardGeometry::squareAtScreen(int screenRow, int screenColumn) const {
    if (flipped) {
        return Square{screenRow + 1, columns - screenColumn};
    }
    return Square{rows - screenRow, screenColumn + 1};
}

QRect BoardGeometry::screenSquareRect(int screenRow, int screenColumn) const {
    return QRect(squares.left + screenColumn * squareSize, squares.top + screenRow * squareSize,
                 squareSize, squareSize);
}

QRect BoardGeometry::squareRect(const Square& square) const {
    if (!valid()) {
        return {};
    }
    if (flipped) {
        return screenSquareRect(square.row - 1, columns - square.column);
    }
    return screenSquareRect(rows - square.row, square.column - 1);
}

}  // namespace taravin
